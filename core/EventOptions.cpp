// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventOptions.h"

#include "Conversions.h"
#include "EventFields.h"
#include "Occurrence.h"

namespace {

/// The day a "day=" field names: two digits, kept only where the date falls short of it.
int8_t dayOf(std::string_view value, Date date)
{
    if (value.size() != 2 || value[0] < '0' || value[0] > '9' || value[1] < '0' || value[1] > '9')
        return 0;
    const int day = IntendedDay(date, (value[0] - '0') * 10 + (value[1] - '0'));
    return day > date.day() ? static_cast<int8_t>(day) : int8_t{0};
}

void appendField(std::string &out, std::string_view field)
{
    out += "$$";
    out += field;
}

} // namespace

bool EventOptions::empty() const
{
    bool empty = Unknown.empty();
    ForEachOptionalField([&](auto row) {
        empty = empty && EmptyField(OptionalFields[decltype(row)::value], *this);
    });
    return empty;
}

void ClearEventOptions(EventOptions &options)
{
    ForEachOptionalField([&](auto row) {
        constexpr const OptionalField &field = OptionalFields[decltype(row)::value];
        if constexpr (field.kind == FieldKind::DayOfMonth)
            options.*field.day = 0;
        else
            (options.*field.text).clear();
    });
    options.Unknown.clear();
}

EventOptions ReadEventOptions(std::string_view text, Date date)
{
    EventOptions options;
    while (!text.empty()) {
        const size_t end = text.find("$$");
        const std::string_view field = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 2);
        // A field with a "$" at either edge would run into its neighbour's separator when
        // written back, and be read otherwise: such a field is no value.
        if (field.empty() || field.front() == '$' || field.back() == '$')
            continue;
        bool known = false;
        ForEachOptionalField([&](auto index) {
            constexpr const OptionalField &row = OptionalFields[decltype(index)::value];
            if (known || !field.starts_with(row.key))
                return;
            known = true;
            // The first value a field gives stands; a field that gives none (an empty text, a
            // day the date does not fall short of) is dropped.
            if (!EmptyField(row, options))
                return;
            const std::string_view value = field.substr(row.key.size());
            if constexpr (row.kind == FieldKind::DayOfMonth)
                options.*row.day = dayOf(value, date);
            else
                options.*row.text = value;
        });
        if (!known)
            options.Unknown += options.Unknown.empty() ? field : "$$" + std::string(field);
    }
    return options;
}

void AppendEventOptions(std::string &out, const EventOptions &options, Date date,
                        std::string_view occurs)
{
    ForEachOptionalField([&](auto index) {
        constexpr const OptionalField &row = OptionalFields[decltype(index)::value];
        if constexpr (row.kind == FieldKind::DayOfMonth) {
            const int8_t day = options.*row.day;
            if (day != 0 && DayKeptBeside(date, occurs, day) != 0) {
                appendField(out, row.key);
                AppendIntText(out, day);
            }
        } else if (const std::string &value = options.*row.text; !value.empty()) {
            appendField(out, row.key);
            out += value;
        }
    });
    if (!options.Unknown.empty())
        appendField(out, options.Unknown);
}

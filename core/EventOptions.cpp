// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventOptions.h"

#include "Conversions.h"
#include "Occurrence.h"

namespace {

constexpr std::string_view DayName = "day=";
constexpr std::string_view UidName = "uid=";

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
        if (field.starts_with(DayName) && options.Day == 0)
            options.Day = dayOf(field.substr(DayName.size()), date);
        else if (field.starts_with(UidName) && field.size() > UidName.size() && options.Uid.empty())
            options.Uid = field.substr(UidName.size());
        else if (!field.starts_with(DayName) && !field.starts_with(UidName))
            options.Unknown += options.Unknown.empty() ? field : "$$" + std::string(field);
    }
    return options;
}

void AppendEventOptions(std::string &out, const EventOptions &options, Date date,
                        std::string_view occurs)
{
    if (options.Day != 0 && DayKeptBeside(date, occurs, options.Day) != 0) {
        appendField(out, DayName);
        AppendIntText(out, options.Day);
    }
    if (!options.Uid.empty()) {
        appendField(out, UidName);
        out += options.Uid;
    }
    if (!options.Unknown.empty())
        appendField(out, options.Unknown);
}

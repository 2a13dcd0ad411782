// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventLine.h"

#include "BirthYear.h"
#include "Conversions.h"
#include "MoonrillError.h"

#include <cstring>

LeadingFields SplitLeadingFields(std::string_view line)
{
    // This walk runs over every line of the file at every logon. It leaps from "$" to "$" (the
    // library's search reads many bytes at a step): most "$" begin a separator, and every other
    // byte is passed over unread.
    LeadingFields result;
    const char *start = line.data();
    const char *const end = line.data() + line.size();
    const auto to = [&start](const char *at) {
        return std::string_view(start, static_cast<size_t>(at - start));
    };
    for (const char *p = start; end - p >= 2;) {
        // An empty field (the first one, as a save writes it) needs no search.
        const auto *dollar =
            *p == '$' ? p : static_cast<const char *>(std::memchr(p, '$', size_t(end - p - 1)));
        if (dollar == nullptr)
            break;
        if (dollar[1] != '$') {
            p = dollar + 1;
            continue;
        }
        result.field[result.count++] = to(dollar);
        start = p = dollar + 2;
        if (result.count == result.field.size()) {
            result.rest = to(end);
            return result;
        }
    }
    result.field[result.count++] = to(end);
    return result;
}

namespace {

/// Whether `text` is a number as the writer writes it: digits, a "-" in front of a negative
/// one, no leading zero.
bool plainNumber(std::string_view text)
{
    const bool negative = text.starts_with('-');
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || (digits[0] == '0' && (digits.size() > 1 || negative)))
        return false;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

/// What follows the e-mail field: the year of birth where there is one or where optional values
/// follow, then those values.
void appendTail(std::string &out, int birthYear, const EventOptions &options, Date date,
                std::string_view occurs)
{
    if (birthYear <= 0 && options.empty())
        return;
    const size_t at = out.size();
    out += "$$";
    if (birthYear > 0)
        AppendBirthYearText(out, birthYear);
    AppendEventOptions(out, options, date, occurs);
    if (birthYear <= 0 && out.size() == at + 2)
        out.resize(at);
}

} // namespace

void TakeEventTexts(EventLineRead &read)
{
    if (read.textsTaken)
        return;
    read.event.Description.assign(read.descriptionText);
    read.event.Occurs.assign(read.occursText);
    read.event.Email.assign(read.emailText);
    read.textsTaken = true;
}

bool ReadEventLine(std::string_view line, EventLineRead &read, bool withTexts)
{
    const LeadingFields split = SplitLeadingFields(line);
    if (split.count < 5)
        return false;
    clsEvent &event = read.event;
    try {
        event.Period = TextToInt16(split.field[4]);
    } catch (const MoonrillError &error) {
        if (error.number() == MoonrillError::Overflow)
            throw;
        return false;
    }
    if (split.count < 6)
        return false;
    try {
        event.StartingOn = TextToDate(split.field[2]);
    } catch (const MoonrillError &) {
        return false;
    }
    event.Id.clear();
    read.descriptionText = split.field[1];
    read.occursText = split.field[3];
    read.emailText = split.field[5];
    read.textsTaken = false;
    if (withTexts)
        TakeEventTexts(read);
    read.dateText = split.field[2];
    read.periodText = split.field[4];
    event.BirthYear =
        split.count > 6
            ? ReadBirthYear(split.field[6], read.occursText, event.StartingOn).value_or(0)
            : int16_t{0};
    if (split.count == split.field.size())
        event.Options = ReadEventOptions(split.rest, event.StartingOn);
    else
        ClearEventOptions(event.Options);
    // Every date text the load accepts in ten characters is exactly what the writer writes; what
    // follows the e-mail field must be what the writer makes of the values it kept.
    bool tailCanonical = split.count == 6;
    if (!tailCanonical) {
        std::string tail;
        appendTail(tail, event.BirthYear, event.Options, event.StartingOn, read.occursText);
        const size_t tailStart = static_cast<size_t>(split.field[6].data() - line.data()) - 2;
        tailCanonical = line.substr(tailStart) == tail;
    }
    read.canonical = split.field[0].empty() && read.dateText.size() == 10 &&
                     plainNumber(read.periodText) && tailCanonical;
    return true;
}

std::optional<EventLineRead> ReadEventLine(std::string_view line)
{
    EventLineRead read;
    if (!ReadEventLine(line, read))
        return std::nullopt;
    return read;
}

WrittenEvent Written(clsEvent event)
{
    std::string periodText = IntToText(event.Period);
    return WrittenEvent{.event = std::move(event), .periodText = std::move(periodText)};
}

void AppendEventLine(std::string &out, const clsEvent &event)
{
    // The date and the period are short enough to stay inside their strings.
    std::string date;
    AppendDateText(date, event.StartingOn);
    std::string period;
    AppendIntText(period, event.Period);
    for (const std::string_view field : {std::string_view(event.Description),
                                         std::string_view(date), std::string_view(event.Occurs),
                                         std::string_view(period), std::string_view(event.Email)}) {
        out += "$$";
        out += field;
    }
    appendTail(out, event.BirthYear, event.Options, event.StartingOn, event.Occurs);
}

std::string FormatEventLine(const clsEvent &event)
{
    std::string line;
    AppendEventLine(line, event);
    return line;
}

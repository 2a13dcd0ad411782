// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventLine.h"

#include "BirthYear.h"
#include "Conversions.h"
#include "MoonrillError.h"

LeadingFields SplitLeadingFields(std::string_view line)
{
    // One walk over the line: event lines are short, and most "$" begin a separator.
    LeadingFields result;
    size_t start = 0;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        if (line[i] != '$' || line[i + 1] != '$')
            continue;
        result.field[result.count++] = line.substr(start, i - start);
        if (result.count == result.field.size()) {
            result.rest = line.substr(i + 2);
            return result;
        }
        start = i + 2;
        ++i;
    }
    result.field[result.count++] = line.substr(start);
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

std::optional<EventLineFields> ReadEventLine(std::string_view line)
{
    const LeadingFields split = SplitLeadingFields(line);
    if (split.count < 5)
        return std::nullopt;
    EventLineFields result;
    try {
        result.Period = TextToInt16(split.field[4]);
    } catch (const MoonrillError &error) {
        if (error.number() == MoonrillError::Overflow)
            throw;
        return std::nullopt;
    }
    if (split.count < 6)
        return std::nullopt;
    try {
        result.StartingOn = TextToDate(split.field[2]);
    } catch (const MoonrillError &) {
        return std::nullopt;
    }
    result.Description = split.field[1];
    result.DateText = split.field[2];
    result.Occurs = split.field[3];
    result.PeriodText = split.field[4];
    result.Email = split.field[5];
    if (split.count > 6)
        result.BirthYear =
            ReadBirthYear(split.field[6], result.Occurs, result.StartingOn).value_or(0);
    if (split.count == split.field.size())
        result.Options = ReadEventOptions(split.rest, result.StartingOn);
    // Every date text the load accepts in ten characters is exactly what the writer writes; what
    // follows the e-mail field must be what the writer makes of the values it kept.
    bool tailCanonical = split.count == 6;
    if (!tailCanonical) {
        std::string tail;
        appendTail(tail, result.BirthYear, result.Options, result.StartingOn, result.Occurs);
        const size_t tailStart = static_cast<size_t>(split.field[6].data() - line.data()) - 2;
        tailCanonical = line.substr(tailStart) == tail;
    }
    result.Canonical = split.field[0].empty() && result.DateText.size() == 10 &&
                       plainNumber(result.PeriodText) && tailCanonical;
    return result;
}

EventFields FieldsOf(const clsEvent &event)
{
    return EventFields{.Description = event.Description,
                       .StartingOn = event.StartingOn,
                       .Occurs = event.Occurs,
                       .Period = event.Period,
                       .PeriodText = IntToText(event.Period),
                       .Email = event.Email,
                       .BirthYear = event.BirthYear,
                       .Options = event.Options};
}

EventFields OwnedFields(const EventLineFields &line, Date startingOn)
{
    return EventFields{std::string(line.Description),
                       startingOn,
                       std::string(line.Occurs),
                       line.Period,
                       std::string(line.PeriodText),
                       std::string(line.Email),
                       line.BirthYear,
                       line.Options};
}

namespace {

/// The first six fields from their texts.
void appendFields(std::string &out, std::string_view description, std::string_view dateText,
                  std::string_view occurs, int16_t period, std::string_view email)
{
    std::string periodText; // short enough to stay inside the string itself
    AppendIntText(periodText, period);
    for (const std::string_view field :
         {description, dateText, occurs, std::string_view(periodText), email}) {
        out += "$$";
        out += field;
    }
}

} // namespace

void AppendEventLine(std::string &out, std::string_view description, std::string_view dateText,
                     std::string_view occurs, int16_t period, std::string_view email, int birthYear)
{
    appendFields(out, description, dateText, occurs, period, email);
    if (birthYear > 0) {
        out += "$$";
        AppendBirthYearText(out, birthYear);
    }
}

void AppendEventLine(std::string &out, std::string_view description, Date startingOn,
                     std::string_view occurs, int16_t period, std::string_view email, int birthYear,
                     const EventOptions &options)
{
    std::string date; // short enough to stay inside the string itself
    AppendDateText(date, startingOn);
    appendFields(out, description, date, occurs, period, email);
    appendTail(out, birthYear, options, startingOn, occurs);
}

void AppendEventLine(std::string &out, const clsEvent &event)
{
    AppendEventLine(out, event.Description, event.StartingOn, event.Occurs, event.Period,
                    event.Email, event.BirthYear, event.Options);
}

std::string FormatEventLine(const clsEvent &event)
{
    std::string line;
    AppendEventLine(line, event);
    return line;
}

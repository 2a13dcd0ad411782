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
        if (result.count == result.field.size())
            return result;
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
    // Every date text the load accepts in ten characters is exactly what the writer writes, and
    // a year of birth that is kept stands as exactly four digits, at the very end of the line:
    // fields after it are dropped by the writer.
    const std::string_view last = split.field[split.count - 1];
    const bool endsWithLastField = last.data() + last.size() == line.data() + line.size();
    result.Canonical = split.field[0].empty() && result.DateText.size() == 10 &&
                       plainNumber(result.PeriodText) &&
                       (split.count == 6 || (result.BirthYear > 0 && endsWithLastField));
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
                       .BirthYear = event.BirthYear};
}

EventFields OwnedFields(const EventLineFields &line, Date startingOn)
{
    return EventFields{std::string(line.Description),
                       startingOn,
                       std::string(line.Occurs),
                       line.Period,
                       std::string(line.PeriodText),
                       std::string(line.Email),
                       line.BirthYear};
}

namespace {

/// The line from its five texts and the year of birth: the one place that lays out the fields.
void appendFields(std::string &out, std::string_view description, std::string_view dateText,
                  std::string_view occurs, std::string_view periodText, std::string_view email,
                  int birthYear)
{
    for (const std::string_view field : {description, dateText, occurs, periodText, email}) {
        out += "$$";
        out += field;
    }
    if (birthYear > 0) {
        out += "$$";
        AppendBirthYearText(out, birthYear);
    }
}

} // namespace

void AppendEventLine(std::string &out, std::string_view description, std::string_view dateText,
                     std::string_view occurs, int16_t period, std::string_view email, int birthYear)
{
    std::string periodText; // short enough to stay inside the string itself
    AppendIntText(periodText, period);
    appendFields(out, description, dateText, occurs, periodText, email, birthYear);
}

void AppendEventLine(std::string &out, std::string_view description, Date startingOn,
                     std::string_view occurs, int16_t period, std::string_view email, int birthYear)
{
    std::string date; // short enough to stay inside the string itself
    AppendDateText(date, startingOn);
    AppendEventLine(out, description, std::string_view(date), occurs, period, email, birthYear);
}

void AppendEventLine(std::string &out, const clsEvent &event)
{
    AppendEventLine(out, event.Description, event.StartingOn, event.Occurs, event.Period,
                    event.Email, event.BirthYear);
}

std::string FormatEventLine(const clsEvent &event)
{
    std::string line;
    AppendEventLine(line, event);
    return line;
}

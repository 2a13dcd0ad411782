#include "EventLine.h"

#include "Conversions.h"

std::vector<std::string_view> SplitEventLine(std::string_view line)
{
    std::vector<std::string_view> fields;
    fields.reserve(7);
    size_t start = 0;
    for (;;) {
        const size_t at = line.find("$$", start);
        if (at == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, at - start));
        start = at + 2;
    }
}

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

void AppendEventLine(std::string &out, std::string_view description, std::string_view dateText,
                     std::string_view occurs, int16_t period, std::string_view email)
{
    out += "$$";
    out += description;
    out += "$$";
    out += dateText;
    out += "$$";
    out += occurs;
    out += "$$";
    AppendIntText(out, period);
    out += "$$";
    out += email;
}

void AppendEventLine(std::string &out, std::string_view description, Date startingOn,
                     std::string_view occurs, int16_t period, std::string_view email)
{
    std::string date; // short enough to stay inside the string itself
    AppendDateText(date, startingOn);
    AppendEventLine(out, description, std::string_view(date), occurs, period, email);
}

void AppendEventLine(std::string &out, const clsEvent &event)
{
    AppendEventLine(out, event.Description, event.StartingOn, event.Occurs, event.Period,
                    event.Email);
}

std::string FormatEventLine(const clsEvent &event)
{
    std::string line;
    AppendEventLine(line, event);
    return line;
}

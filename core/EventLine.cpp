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

void AppendEventLine(std::string &out, const clsEvent &event)
{
    out += "$$";
    out += event.Description;
    out += "$$";
    out += DateToText(event.StartingOn);
    out += "$$";
    out += event.Occurs;
    out += "$$";
    out += IntToText(event.Period);
    out += "$$";
    out += event.Email;
}

std::string FormatEventLine(const clsEvent &event)
{
    std::string line;
    AppendEventLine(line, event);
    return line;
}

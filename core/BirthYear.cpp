// SPDX-License-Identifier: GPL-3.0-or-later
#include "BirthYear.h"

#include "Conversions.h"
#include "Occurrence.h"

bool KeepsFirstYear(std::string_view occurs)
{
    const Recurrence steps = RecurrenceOf(occurs);
    const bool months =
        steps.unit == Recurrence::Unit::Months || steps.unit == Recurrence::Unit::Weekdays;
    return months && steps.step % 12 == 0;
}

std::optional<int16_t> ReadBirthYear(std::string_view field, std::string_view occurs, Date date)
{
    if (field.size() != 4 || !KeepsFirstYear(occurs))
        return std::nullopt;
    int year = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        year = year * 10 + (c - '0');
    }
    if (year < 1 || year > date.year())
        return std::nullopt;
    return static_cast<int16_t>(year);
}

void AppendBirthYearText(std::string &out, int year)
{
    const char digits[] = {char('0' + year / 1000 % 10), char('0' + year / 100 % 10),
                           char('0' + year / 10 % 10), char('0' + year % 10)};
    out.append(digits, sizeof digits);
}

std::string EnglishOrdinal(int number)
{
    const int lastTwo = number % 100;
    const char *suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (number % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return IntToText(number) + suffix;
}

std::string WithAge(std::string_view description, int age)
{
    std::string text(description);
    text += " (";
    text += IntToText(age);
    text += ')';
    return text;
}

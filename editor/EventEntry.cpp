// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventEntry.h"

#include "BirthYear.h"
#include "Conversions.h"
#include "EventFields.h"
#include "Translatable.h"

EntryVerdict CheckEventEntry(const EventEntry &entry)
{
    EntryVerdict verdict;
    const clsEvent &typed = entry.typed.event;
    verdict.description = WithoutControlCharacters(typed.Description);
    verdict.email = WithoutControlCharacters(typed.Email);
    const auto refuse = [&verdict](const char *message, EntryField focus) {
        verdict.message = message;
        verdict.focus = focus;
        return verdict;
    };
    if (verdict.description.empty())
        return refuse(QT_TRANSLATE_NOOP("Messages", "Description missing!"),
                      EntryField::Description);
    if (verdict.description.find("$$") != std::string::npos)
        return refuse(
            QT_TRANSLATE_NOOP("Messages",
                              "Event cannot contain: $$\r\nPlease retype event descripton!"),
            EntryField::Description);
    if (verdict.description.ends_with('$'))
        verdict.description += ' ';
    if (verdict.email.find('$') != std::string::npos)
        return refuse(QT_TRANSLATE_NOOP(
                          "Messages",
                          "E-mail address cannot contain: $\r\nPlease retype the e-mail address!"),
                      EntryField::Email);
    if (entry.sendsMail && (verdict.email.find('.') == std::string::npos ||
                            verdict.email.find('@') == std::string::npos))
        return refuse(QT_TRANSLATE_NOOP("Messages", "Please enter a valid e-mail address!"),
                      EntryField::Email);
    // Only a Birthday carries a year of birth, and a yearly event the year it was first; neither
    // can lie after the date given.
    const int birthYear = KeepsFirstYear(typed.Occurs) ? typed.BirthYear : 0;
    if (birthYear > typed.StartingOn.year())
        return refuse(
            typed.Occurs == BirthdayType
                ? QT_TRANSLATE_NOOP("Messages", "The year of birth cannot lie after the date!")
                : QT_TRANSLATE_NOOP("Messages", "The first year cannot lie after the date!"),
            EntryField::BirthYear);
    verdict.event = WrittenEvent{.event = {.Id = {},
                                           .Description = verdict.description,
                                           .StartingOn = typed.StartingOn,
                                           .Occurs = typed.Occurs,
                                           .Period = TextToInt16(entry.typed.periodText),
                                           .Email = verdict.email,
                                           .BirthYear = static_cast<int16_t>(birthYear),
                                           .Options = typed.Options},
                                 .periodText = entry.typed.periodText};
    return verdict;
}

EventOptions KeptOptions(const clsEvent &stored, Date entered)
{
    // The event stays the same one for a calendar; the day it is meant for is its date's.
    EventOptions options = stored.Options;
    for (const OptionalField &field : OptionalFields) {
        if (field.kind == FieldKind::DayOfMonth && entered != stored.StartingOn)
            options.*field.day = 0;
    }
    return options;
}

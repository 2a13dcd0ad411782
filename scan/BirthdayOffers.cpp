// SPDX-License-Identifier: GPL-3.0-or-later
#include "BirthdayOffers.h"

#include "BirthYear.h"
#include "Conversions.h"

namespace {

/// The ordinal of `number` as the language of `words` writes it: English forms its own ("1st",
/// "2nd", "71st"); a translation gives its one form, and the ordinal of one where that differs.
std::string ordinal(int number, const Words &words)
{
    //: How the language writes an ordinal number; English forms its own ("1st", "2nd", "71st").
    const std::string form = words(QT_TRANSLATE_NOOP("Messages", "%1th"));
    if (form == "%1th")
        return EnglishOrdinal(number);
    //: The ordinal of one, where it differs from the other numbers' form ("1er").
    const std::string first = words(QT_TRANSLATE_NOOP("Messages", "1th"));
    if (number == 1 && first != "1th")
        return first;
    return Compose(form, {IntToText(number)});
}

} // namespace

std::string BirthdayQuestion(const MailOffer &offer, OfferKind kind, const Words &words)
{
    const bool today = kind == OfferKind::Today;
    if (!offer.age)
        return Compose(
            words(today ? QT_TRANSLATE_NOOP("Messages",
                                            "Birthday: '%1'\r\nDo you want to e-mail this person?")
                        : QT_TRANSLATE_NOOP(
                              "Messages",
                              "Belated birthday: '%1'\r\nDo you want to e-mail this person?")),
            {offer.name});
    return Compose(
        words(today
                  ? QT_TRANSLATE_NOOP(
                        "Messages", "Birthday: '%1' turns %2\r\nDo you want to e-mail this person?")
                  : QT_TRANSLATE_NOOP("Messages", "Belated birthday: '%1' turned %2\r\nDo you "
                                                  "want to e-mail this person?")),
        {offer.name, IntToText(*offer.age)});
}

std::string BirthdayMailSubject(const MailOffer &offer, OfferKind kind, const Words &words)
{
    const bool today = kind == OfferKind::Today;
    if (!offer.age)
        return words(today ? QT_TRANSLATE_NOOP("Messages", "Happy birthday!")
                           : QT_TRANSLATE_NOOP("Messages", "Happy belated birthday!"));
    return Compose(words(today ? QT_TRANSLATE_NOOP("Messages", "Happy %1 birthday!")
                               : QT_TRANSLATE_NOOP("Messages", "Happy belated %1 birthday!")),
                   {ordinal(*offer.age, words)});
}

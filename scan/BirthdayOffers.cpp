// SPDX-License-Identifier: GPL-3.0-or-later
#include "BirthdayOffers.h"

#include "BirthYear.h"
#include "Conversions.h"

std::string BirthdayQuestion(const MailOffer &offer, OfferKind kind)
{
    std::string text = kind == OfferKind::Today ? "Birthday: '" : "Belated birthday: '";
    text += offer.name;
    text += '\'';
    if (offer.age) {
        text += kind == OfferKind::Today ? " turns " : " turned ";
        text += IntToText(*offer.age);
    }
    text += "\r\nDo you want to e-mail this person?";
    return text;
}

std::string BirthdayMailSubject(const MailOffer &offer, OfferKind kind)
{
    std::string text = "Happy ";
    if (kind == OfferKind::Belated)
        text += "belated ";
    if (offer.age) {
        text += EnglishOrdinal(*offer.age);
        text += ' ';
    }
    text += "birthday!";
    return text;
}

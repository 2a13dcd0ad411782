#include "BirthdayOffers.h"

#include "BirthYear.h"
#include "Conversions.h"

MailOffer ReadMailOffer(std::string_view entry)
{
    // The name never holds "$$" and the address never a "$", so the first two separators are
    // the entry's own.
    MailOffer offer;
    const size_t first = entry.find("$$");
    offer.name = std::string(entry.substr(0, first));
    if (first == std::string_view::npos)
        return offer;
    const std::string_view rest = entry.substr(first + 2);
    const size_t second = rest.find("$$");
    offer.address = std::string(rest.substr(0, second));
    if (second == std::string_view::npos)
        return offer;
    const std::string_view age = rest.substr(second + 2);
    if (!age.empty() && age.size() <= 5 &&
        age.find_first_not_of("0123456789") == std::string_view::npos)
        offer.age = std::stoi(std::string(age));
    return offer;
}

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

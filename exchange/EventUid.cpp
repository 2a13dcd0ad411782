// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventUid.h"

#include "ContentStamp.h"
#include "Conversions.h"

#include <cstdio>
#include <string_view>

std::string EventIdentity(const clsEvent &event)
{
    std::string identity = event.Description;
    for (const std::string_view part :
         {std::string_view(event.Occurs), std::string_view(event.Email)}) {
        identity += '\0';
        identity += part;
    }
    identity += '\0';
    identity += IntToText(event.BirthYear);
    return identity;
}

std::string EventUid(const clsEvent &event, int twinsBefore)
{
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx",
                  static_cast<unsigned long long>(StampOf(EventIdentity(event)).hash));
    std::string uid = "moonrill-";
    uid += hex;
    if (twinsBefore > 0) {
        uid += '-';
        uid += IntToText(twinsBefore);
    }
    return uid;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventFiles.h"

#include "Conversions.h"

#include <random>

std::string MixedEventFile(int count, Date today)
{
    static const char *const types[] = {
        "Daily",          "Weekly",           "Monthly",        "Yearly", "Birthday",
        "Every 3th week", "Every 10th month", "Every 2th year", "Once"};
    std::mt19937 random(1234);
    std::string content;
    content.reserve(static_cast<size_t>(count) * 64);
    for (int i = 0; i < count; ++i) {
        const char *type = types[i % 9];
        // One-time events lie ahead so they stay; the others up to 100 years back.
        const int32_t offset = type[0] == 'O' ? static_cast<int32_t>(random() % 400)
                                              : -static_cast<int32_t>(random() % 36525);
        content += "$$Event number " + std::to_string(i) + "$$" +
                   DateToText(today.addDays(offset)) + "$$" + type + "$$" +
                   std::to_string(random() % 30) + "$$" +
                   (i % 5 == 0 ? "friend" + std::to_string(i) + "@example.org" : "") + "\r\n";
    }
    content += "\r\n";
    return content;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "MutedText.h"

#include <algorithm>
#include <cmath>

namespace {

/// The relative luminance of a colour (WCAG): its channels made linear, weighted by how bright
/// each looks.
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

QColor blend(const QColor &from, const QColor &to, double share)
{
    const auto mix = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(float(mix(from.redF(), to.redF())),
                            float(mix(from.greenF(), to.greenF())),
                            float(mix(from.blueF(), to.blueF())));
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor MutedTextColour(const QColor &text, const QColor &background)
{
    constexpr double Readable = 4.5;
    // From halfway towards the background back to the text, the first blend that reads.
    for (int step = 10; step > 0; --step) {
        const QColor muted = blend(text, background, step * 0.05);
        if (ContrastRatio(muted, background) >= Readable)
            return muted;
    }
    return text;
}

QColor TodayRed(const QColor &background)
{
    const QColor red(255, 0, 0);
    if (luminance(background) >= 0.5)
        return red;
    for (int step = 0; step <= 20; ++step) {
        const QColor lighter = blend(red, Qt::white, step * 0.05);
        if (ContrastRatio(lighter, background) >= 4.5)
            return lighter;
    }
    return Qt::white;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintLayout.h"

namespace PrintLayout {

std::vector<Place> RowPlaces(size_t rows)
{
    std::vector<Place> places;
    places.reserve(rows);
    int page = 0;
    double w = FirstRowY;
    for (size_t i = 0; i < rows; ++i) {
        places.push_back({page, w});
        w += RowPitch;
        if (w > LastRowY) {
            ++page;
            w = LaterFirstRowY;
        }
    }
    return places;
}

Place NoticePlace(size_t rows, double lineHeight)
{
    const std::vector<Place> places = RowPlaces(rows);
    if (places.empty())
        return {0, FirstRowY - RowPitch + 5 * lineHeight};
    const Place last = places.back();
    // The last row filled its page: the new page was started, and the lines begin at its top.
    if (last.y + RowPitch > LastRowY)
        return {last.page + 1, 4 * lineHeight};
    return {last.page, last.y + 5 * lineHeight};
}

} // namespace PrintLayout

std::string PrintingNowText(const std::string &device, const std::string &port,
                            std::string_view words)
{
    std::string shownPort = port;
    if (!shownPort.empty() && shownPort.back() == ':')
        shownPort.pop_back();
    return Compose(words, {device, shownPort});
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintLayout.h"

#include <algorithm>

namespace PrintLayout {

std::array<double, 4> ColumnsFor(double widestType, double pageWidth)
{
    const double room = pageWidth - ColumnX[0] - ColumnX[3];
    const double shift =
        std::clamp(widestType - room, 0.0, ColumnX[1] - ColumnX[0] - NarrowestEventColumn);
    return {ColumnX[0], ColumnX[1] - shift, ColumnX[2] - shift, ColumnX[3] - shift};
}

std::vector<Place> RowPlaces(const std::vector<int> &lines, double lineHeight)
{
    std::vector<Place> places;
    places.reserve(lines.size());
    int page = 0;
    double w = FirstRowY;
    for (const int count : lines) {
        const double extra = (count > 1 ? count - 1 : 0) * lineHeight;
        // A row whose later lines would run past the last line starts the next page, unless
        // it opens its page already.
        const double top = page == 0 ? FirstRowY : LaterFirstRowY;
        if (w + extra > LastRowY && w > top) {
            ++page;
            w = LaterFirstRowY;
        }
        places.push_back({page, w, w + extra});
        w += RowPitch + extra;
        if (w > LastRowY) {
            ++page;
            w = LaterFirstRowY;
        }
    }
    return places;
}

Place NoticePlace(const std::vector<Place> &rows, double lineHeight)
{
    if (rows.empty())
        return {0, FirstRowY - RowPitch + 5 * lineHeight, FirstRowY - RowPitch + 5 * lineHeight};
    const Place last = rows.back();
    // The last row filled its page: the new page was started, and the lines begin at its top.
    if (last.lastY + RowPitch > LastRowY)
        return {last.page + 1, 4 * lineHeight, 4 * lineHeight};
    return {last.page, last.lastY + 5 * lineHeight, last.lastY + 5 * lineHeight};
}

namespace {

/// The length of the UTF-8 character that starts at `text[at]`.
size_t characterLength(std::string_view text, size_t at)
{
    size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end - at;
}

} // namespace

std::vector<std::string> WrapText(std::string_view text, double width,
                                  const std::function<double(std::string_view)> &measure)
{
    std::vector<std::string> lines;
    std::string line;
    size_t at = 0;
    while (at < text.size()) {
        const size_t space = text.find(' ', at);
        const std::string_view word =
            text.substr(at, space == std::string_view::npos ? std::string_view::npos : space - at);
        at = space == std::string_view::npos ? text.size() : space + 1;
        if (word.empty())
            continue;
        const std::string joined =
            line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (measure(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.empty())
            lines.push_back(line);
        line.clear();
        // A word wider than the column on its own: as many characters on each line as fit,
        // at least one, so that the text always ends.
        size_t from = 0;
        while (from < word.size()) {
            size_t end = from + characterLength(word, from);
            while (end < word.size() &&
                   measure(word.substr(from, end + characterLength(word, end) - from)) <= width)
                end += characterLength(word, end);
            if (end < word.size()) {
                lines.emplace_back(word.substr(from, end - from));
            } else {
                line = std::string(word.substr(from));
            }
            from = end;
        }
    }
    if (!line.empty() || lines.empty())
        lines.push_back(line);
    return lines;
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

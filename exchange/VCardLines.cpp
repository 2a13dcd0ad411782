// SPDX-License-Identifier: GPL-3.0-or-later
#include "VCardLines.h"

#include "TextEncoding.h"

LineUnfolder::LineUnfolder(std::string_view text) : m_text(text)
{
    if (m_text.starts_with("\xEF\xBB\xBF"))
        m_at = 3;
}

std::optional<std::string_view> LineUnfolder::next()
{
    if (m_at >= m_text.size())
        return std::nullopt;
    m_line.clear();
    m_headEnded = false;
    m_quoted = false;
    m_quotedPrintable = false;
    for (bool first = true;; first = false) {
        std::string_view segment = physical();
        if (!first)
            segment.remove_prefix(m_softBreak ? 0 : 1);
        append(segment);
        m_softBreak = m_quotedPrintable && segment.ends_with('=');
        if (m_softBreak && m_line.ends_with('='))
            m_line.pop_back(); // the "=" of the soft break
        if (m_at >= m_text.size())
            break;
        const char following = m_text[m_at];
        if (!m_softBreak && following != ' ' && following != '\t')
            break;
    }
    return std::string_view(m_line);
}

std::string_view LineUnfolder::physical()
{
    size_t end = m_text.find_first_of("\r\n", m_at);
    if (end == std::string_view::npos)
        end = m_text.size();
    const std::string_view line = m_text.substr(m_at, end - m_at);
    m_at = end;
    if (m_at < m_text.size() && m_text[m_at] == '\r')
        ++m_at;
    if (m_at < m_text.size() && m_text[m_at] == '\n')
        ++m_at;
    return line;
}

void LineUnfolder::append(std::string_view segment)
{
    segment = segment.substr(0, MaxLineBytes - m_line.size());
    m_line += segment;
    // Only the new bytes of the head are looked at, so a long chain stays linear.
    for (size_t i = 0; i < segment.size() && !m_headEnded; ++i) {
        if (segment[i] == '"')
            m_quoted = !m_quoted;
        else if (segment[i] == ':' && !m_quoted)
            m_headEnded = true;
        m_head.push_back(AsciiUpper(segment[i]));
    }
    if (m_headEnded && m_head.find("QUOTED-PRINTABLE") != std::string::npos)
        m_quotedPrintable = true;
    if (m_headEnded)
        m_head.clear();
}

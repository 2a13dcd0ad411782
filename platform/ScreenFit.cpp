// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenFit.h"

#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

/// The frame the window manager draws around `window`: as it is, once known; until then the
/// style's title bar over a thin border stands in for it.
QMargins frameOf(const QWidget &window)
{
    const QRect frame = window.frameGeometry(), inside = window.geometry();
    if (frame != inside)
        return {inside.left() - frame.left(), inside.top() - frame.top(),
                frame.right() - inside.right(), frame.bottom() - inside.bottom()};
    const int border = 4;
    return {border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border,
            border};
}

} // namespace

ScreenFit::ScreenFit(QWidget &window, QScrollArea &area) : m_window(window), m_area(area)
{
    m_area.setFrameShape(QFrame::NoFrame);
    m_area.setWidgetResizable(false);
    // The area only holds the content: the keyboard goes to what is in it, never to the area
    // itself, which has nothing to say to a screen reader and takes no keys.
    m_area.setFocusPolicy(Qt::NoFocus);
    m_area.setFixedSize(m_area.widget()->size());
}

void ScreenFit::FitAndCentre()
{
    fit(true);
}

void ScreenFit::FrameKnown()
{
    // A window coming back from the task bar reports its frame anew: it keeps its place.
    if (!m_window.isVisible() || m_window.isMinimized())
        return;
    if (m_window.frameGeometry() != m_window.geometry() && frameOf(m_window) != m_frame)
        fit(false);
}

void ScreenFit::fit(bool centre)
{
    const QScreen *screen = m_window.screen();
    if (screen == nullptr)
        return;
    m_frame = frameOf(m_window);
    const QRect room = screen->availableGeometry();
    const QSize designed = m_area.widget()->size();
    // What the window holds beside the area: its menu bar, a status bar.
    const QSize around = m_window.size() - m_area.size();
    const QSize most = room.size() -
                       QSize(m_frame.left() + m_frame.right(), m_frame.top() + m_frame.bottom()) -
                       around;
    QSize shown = designed.boundedTo(most.expandedTo(QSize(1, 1)));
    // A scroll bar takes its room from the content's other side: where the room allows, the
    // area grows by it, so that a window too tall for the screen does not scroll sideways too.
    const int bar = m_area.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &m_area);
    if (shown.height() < designed.height())
        shown.setWidth(std::min(std::max(most.width(), 1), designed.width() + bar));
    if (shown.width() < designed.width())
        shown.setHeight(std::min(std::max(most.height(), 1), designed.height() + bar));
    m_area.setFixedSize(shown);
    m_window.adjustSize();

    QRect frame = m_window.frameGeometry();
    frame.setSize(m_window.size().grownBy(m_frame));
    if (centre)
        frame.moveCenter(room.center());
    frame.moveLeft(std::clamp(frame.left(), room.left(),
                              std::max(room.left(), room.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), room.top(),
                             std::max(room.top(), room.bottom() - frame.height() + 1)));
    m_window.move(frame.topLeft());
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>

class QScrollArea;
class QWidget;

/// Keeps a window whose content has a fixed, designed size on its screen. The content sits in a
/// frameless scroll area: wherever the window fits the screen's free area it is exactly as
/// designed, without scroll bars; on a screen too small for it (a small screen, or a large scale
/// factor) the area shrinks to what fits and scrolls. The window's frame, title bar included,
/// is never placed off the free area.
class ScreenFit
{
public:
    /// `area` holds the designed content as its widget, at the content's size.
    ScreenFit(QWidget &window, QScrollArea &area);

    /// Sizes the area for the window's screen and centres the window on it.
    void FitAndCentre();
    /// Once the window manager has framed the window, its frame is known: fits again when it is
    /// not the one the last fit reckoned with.
    void FrameKnown();

private:
    void fit(bool centre);

    QWidget &m_window;
    QScrollArea &m_area;
    QMargins m_frame; // the frame the last fit reckoned with
};

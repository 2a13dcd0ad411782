// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AviReader.h"

#include <QObject>
#include <QTimer>

#include <string>

class MoonrillError;
class QLabel;
class QWidget;

/// Tells the user why a clip could not be opened: "Animation missing. Please reinstall the
/// program" for a missing file, the common error report for anything else.
void ReportClipError(const MoonrillError &error, QWidget *parent);

/// Plays an AVI clip into a label, frame by frame on a timer: the animation control of the
/// windows that show a clip.
class Animation final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Animation)

public:
    explicit Animation(QLabel *view);
    ~Animation() override;

    /// Loads the clip at `path`. Throws a MoonrillError: 53 when the file is missing, another
    /// number when it is not a clip this player reads.
    void Open(const std::string &path);
    /// Opens the clip `name` of the anim folder; a failure is reported to the user (see
    /// ReportClipError) and gives false.
    bool OpenClip(const std::string &name, QWidget *parent);
    /// Plays `times` rounds, or without end when `times` is negative.
    void Play(int times);
    /// With auto-play on, an open clip plays on its own without end; off stops it.
    void SetAutoPlay(bool on);
    void Stop();
    /// Stops and releases the clip.
    void Close();

    [[nodiscard]] bool isOpen() const { return !m_clip.frames.empty(); }

private:
    void showFrame(int index);
    void advance();

    QLabel *m_view;
    QTimer m_timer;
    AviClip m_clip;
    int m_frame = 0;
    int m_roundsLeft = 0; // negative: without end
    bool m_autoPlay = false;
};

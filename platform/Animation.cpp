// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animation.h"

#include "MessageBox.h"
#include "MoonrillError.h"
#include "Paths.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

void ReportClipError(const MoonrillError &error, QWidget *parent)
{
    if (error.number() == MoonrillError::FileNotFound)
        ShowMessage(std::string_view(QT_TRANSLATE_NOOP(
                        "Messages", "Animation missing. Please reinstall the program")),
                    MsgStyle::OkCritical, parent);
    else
        ShowErrorReport(error.description(), parent);
}

Animation::Animation(QLabel *view) : QObject(view), m_view(view)
{
    connect(&m_timer, &QTimer::timeout, this, &Animation::advance);
}

Animation::~Animation() = default;

void Animation::Open(const std::string &path)
{
    Close();
    m_clip = LoadAviClip(path);
    m_timer.setInterval(std::max(20, m_clip.microsecondsPerFrame / 1000));
    showFrame(0);
    if (m_autoPlay)
        Play(-1);
}

bool Animation::OpenClip(const std::string &name, QWidget *parent)
{
    try {
        Open(AssetPath("anim/" + name));
        return true;
    } catch (const MoonrillError &error) {
        ReportClipError(error, parent);
        return false;
    }
}

void Animation::Play(int times)
{
    if (!isOpen() || times == 0)
        return;
    m_roundsLeft = times;
    showFrame(0);
    m_timer.start();
}

void Animation::SetAutoPlay(bool on)
{
    m_autoPlay = on;
    if (on)
        Play(-1);
    else
        Stop();
}

void Animation::Stop()
{
    m_timer.stop();
}

void Animation::Close()
{
    Stop();
    m_clip = AviClip{};
    m_frame = 0;
    m_view->clear();
}

void Animation::advance()
{
    int next = m_frame + 1;
    if (next >= int(m_clip.frames.size())) {
        if (m_roundsLeft > 0 && --m_roundsLeft == 0) {
            Stop();
            return;
        }
        next = 0;
    }
    showFrame(next);
}

void Animation::showFrame(int index)
{
    m_frame = index;
    // The clip's background colour (the first frame's top-left pixel) is drawn transparent, as
    // the desktop's own animation control does, so a clip sits on any theme's window colour.
    std::vector<uint32_t> pixels = m_clip.frames[size_t(index)];
    const uint32_t background =
        m_clip.frames.front().empty() ? 0 : m_clip.frames.front()[0] & 0xFFFFFFu;
    for (uint32_t &pixel : pixels)
        pixel = (pixel & 0xFFFFFFu) == background ? 0u : (pixel | 0xFF000000u);
    const QImage image(reinterpret_cast<const uchar *>(pixels.data()), m_clip.width, m_clip.height,
                       qsizetype{m_clip.width} * 4, QImage::Format_ARGB32);
    QPixmap pixmap = QPixmap::fromImage(image.copy());
    const QSize target = m_view->size();
    if (target.width() > 0 && target.height() > 0 && target != pixmap.size())
        pixmap = pixmap.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_view->setPixmap(pixmap);
}

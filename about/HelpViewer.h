// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpFile.h"

#include <QSize>
#include <QWidget>

#include <functional>

#include <vector>

class QListWidget;
class QTextBrowser;

/// The program's one help window: the topics on the left, the chosen topic's text (Markdown,
/// laid out to the window's width) on the right. It lives with the program's main window; a
/// modal window that asks for help has it lent for as long as it is open, so that the viewer
/// answers the mouse and keyboard meanwhile, and gets it back when it closes.
class HelpViewer final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpViewer)

public:
    HelpViewer(std::vector<HelpTopic> topics, QWidget *owner);
    ~HelpViewer() override;

    /// Shows topic `number`, or the contents when there is no such topic.
    void ShowTopic(int number);
    [[nodiscard]] int CurrentTopic() const;

    /// Lets `window` (a window inside the viewer's home) hold the viewer until it hides.
    void LendTo(QWidget *window);
    /// Moves and sizes the viewer so that it lies wholly on its screen's free area, its frame
    /// included.
    void FitOnScreen();
    /// Puts the viewer beside `window`, wholly on the screen.
    void PlaceBeside(const QWidget *window);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void moveTo(QWidget *owner);
    void fitTopicList();

    std::vector<HelpTopic> m_topics;
    QListWidget *m_list;
    QTextBrowser *m_text;
    QWidget *m_home;     // the outermost window, which the viewer belongs to
    QSize m_fittedFrame; // the frame the last FitOnScreen allowed for
};

/// The help file's path: "Moonrill.hlp" beside the program or in its share folder.
[[nodiscard]] std::string HelpFilePath();

/// Opens the help at topic `topic` (HelpContents for the contents) in the program's one viewer,
/// which belongs to the outermost window above `asker` and goes when that window goes; `asker`'s
/// window holds it while it is open. A missing or unreadable help file is said in a message.
/// Returns the viewer, or nullptr.
HelpViewer *ShowHelpTopic(QWidget *asker, int topic);

/// Gives `window` the F1 key: it opens the help at the topic `topic()` returns.
void AddHelpKey(QWidget *window, std::function<int()> topic);

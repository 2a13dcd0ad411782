#pragma once

#include "HelpFile.h"

#include <QWidget>

#include <functional>

#include <vector>

class QListWidget;
class QTextBrowser;

/// A small help window: the topics on the left, the chosen topic's text on the right.
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

private:
    std::vector<HelpTopic> m_topics;
    QListWidget *m_list;
    QTextBrowser *m_text;
};

/// The help file's path: "Moonrill.hlp" beside the program or in its share folder.
[[nodiscard]] std::string HelpFilePath();

/// Opens the help at topic `topic` (HelpContents for the contents) in a viewer that belongs to
/// `owner`, so that it goes when the owner goes and a modal owner does not block it. A missing
/// or unreadable help file is said in a message. Returns the viewer, or nullptr.
HelpViewer *ShowHelpTopic(QWidget *owner, int topic);

/// Gives `window` the F1 key: it opens the help at the topic `topic()` returns.
void AddHelpKey(QWidget *window, std::function<int()> topic);

#include "HelpViewer.h"

#include "FileRead.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "Text.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QShortcut>
#include <QTextBrowser>

HelpViewer::HelpViewer(std::vector<HelpTopic> topics, QWidget *owner)
    : QWidget(owner, Qt::Window), m_topics(std::move(topics)), m_list(new QListWidget(this)),
      m_text(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Moonrill Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 440);
    m_list->setObjectName(QStringLiteral("lstTopics"));
    m_text->setObjectName(QStringLiteral("txtTopic"));
    for (const HelpTopic &topic : m_topics)
        m_list->addItem(FromBytes(topic.title));
    m_list->setMaximumWidth(200);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_text, 1);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && size_t(row) < m_topics.size())
            m_text->setPlainText(FromBytes(m_topics[size_t(row)].text));
    });
}

HelpViewer::~HelpViewer() = default;

void HelpViewer::ShowTopic(int number)
{
    int row = 0;
    for (size_t i = 0; i < m_topics.size(); ++i) {
        if (m_topics[i].number == number)
            row = int(i);
    }
    m_list->setCurrentRow(row);
}

int HelpViewer::CurrentTopic() const
{
    const int row = m_list->currentRow();
    return row >= 0 && size_t(row) < m_topics.size() ? m_topics[size_t(row)].number : 0;
}

std::string HelpFilePath()
{
    return AssetPath("Moonrill.hlp");
}

HelpViewer *ShowHelpTopic(QWidget *owner, int topic)
{
    const std::string path = HelpFilePath();
    std::vector<HelpTopic> topics;
    try {
        if (const std::optional<std::string> content = ReadWholeFile(path))
            topics = ParseHelpFile(*content);
    } catch (const MoonrillError &) {
        // Said below, as for a missing file.
    }
    if (topics.empty()) {
        ShowMessage(QStringLiteral(
                        "The help file %1 cannot be found or read. Please reinstall the program.")
                        .arg(FromBytes(path)),
                    MsgStyle::OkCritical, owner);
        return nullptr;
    }
    // One viewer per owner: a second request turns the open one to the topic.
    HelpViewer *viewer = owner->findChild<HelpViewer *>(QString(), Qt::FindDirectChildrenOnly);
    if (viewer == nullptr)
        viewer = new HelpViewer(std::move(topics), owner);
    viewer->ShowTopic(topic);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

void AddHelpKey(QWidget *window, std::function<int()> topic)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window,
                     [window, topic = std::move(topic)] { ShowHelpTopic(window, topic()); });
}

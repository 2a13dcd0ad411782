// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpViewer.h"

#include "FileRead.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "Text.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>

#include <algorithm>

#include <unistd.h>

HelpViewer::HelpViewer(std::vector<HelpTopic> topics, QWidget *owner)
    : QWidget(owner, Qt::Window), m_topics(std::move(topics)), m_list(new QListWidget(this)),
      m_text(new QTextBrowser(this)), m_home(owner)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Moonrill Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 440);
    m_list->setObjectName(QStringLiteral("lstTopics"));
    m_text->setObjectName(QStringLiteral("txtTopic"));
    m_list->setAccessibleName(tr("Topics"));
    m_text->setAccessibleName(tr("Help text"));
    for (const HelpTopic &topic : m_topics)
        m_list->addItem(FromBytes(topic.title));
    fitTopicList();
    // The text beside the topics keeps the room it always had.
    resize(std::max(640, m_list->width() + 440), 440);
    // The text takes a caret, so that the keyboard (and a screen reader with it) moves through
    // it line by line and word by word.
    m_text->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_text, 1);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && size_t(row) < m_topics.size())
            m_text->setMarkdown(FromBytes(m_topics[size_t(row)].text));
    });
}

HelpViewer::~HelpViewer() = default;

void HelpViewer::fitTopicList()
{
    // As wide as the longest title in the font and style in use, whatever the language, so
    // that no title is cut; with room for a scroll bar, which a short window shows.
    m_list->ensurePolished();
    m_list->setFixedWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() +
                          m_list->verticalScrollBar()->sizeHint().width());
}

void HelpViewer::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the help, as it closes every other window of the program.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

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

void HelpViewer::LendTo(QWidget *window)
{
    if (window == nullptr || window == parentWidget())
        return;
    if (window != m_home)
        window->installEventFilter(this);
    moveTo(window);
}

void HelpViewer::moveTo(QWidget *owner)
{
    const bool shown = isVisible();
    const QRect place = geometry();
    setParent(owner, Qt::Window);
    setGeometry(place);
    if (shown)
        show();
}

bool HelpViewer::eventFilter(QObject *watched, QEvent *event)
{
    // The window that held the viewer closes: the viewer goes home, open as it was.
    if (watched == parentWidget() && watched != m_home && event->type() == QEvent::Hide) {
        watched->removeEventFilter(this);
        moveTo(m_home);
    }
    return QWidget::eventFilter(watched, event);
}

void HelpViewer::FitOnScreen()
{
    const QScreen *where = screen();
    if (where == nullptr)
        return;
    // The frame the window manager draws is known once the window is up; until then the home
    // window's own frame stands in for it.
    const QWidget *framed = frameGeometry() != geometry() || m_home == nullptr ? this : m_home;
    m_fittedFrame = framed->frameGeometry().size() - framed->geometry().size();
    const QMargins frame(framed->geometry().left() - framed->frameGeometry().left(),
                         framed->geometry().top() - framed->frameGeometry().top(),
                         framed->frameGeometry().right() - framed->geometry().right(),
                         framed->frameGeometry().bottom() - framed->geometry().bottom());
    const QRect room = where->availableGeometry().marginsRemoved(frame);
    QRect place = geometry();
    place.setSize(place.size().boundedTo(room.size()));
    place.moveLeft(std::clamp(place.left(), room.left(), room.right() - place.width() + 1));
    place.moveTop(std::clamp(place.top(), room.top(), room.bottom() - place.height() + 1));
    setGeometry(place);
}

void HelpViewer::PlaceBeside(const QWidget *window)
{
    // Right of the window when there is room, else left of it, at its top; FitOnScreen then
    // keeps it on the screen.
    const QRect beside = window->frameGeometry();
    const QRect free = window->screen() ? window->screen()->availableGeometry() : QRect();
    int left = beside.right() + 1;
    if (left + width() > free.right() && beside.left() - width() >= free.left())
        left = beside.left() - frameGeometry().width();
    move(left, beside.top());
    FitOnScreen();
}

bool HelpViewer::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    // The window deletes itself when closed: after that event nothing of it may be touched.
    if (type == QEvent::DeferredDelete)
        return QWidget::event(event);
    const bool handled = QWidget::event(event);
    if (type == QEvent::FontChange || type == QEvent::StyleChange)
        fitTopicList();
    // Only once the window manager has framed the window: while it reframes one that was lent
    // to another window, the position reported for a moment is the frame's own corner, and
    // fitting to that pinned the viewer to the screen's top left.
    const QSize frame = frameGeometry().size() - geometry().size();
    if ((type == QEvent::Move || type == QEvent::WindowActivate) && isVisible() &&
        !frame.isNull() && frame != m_fittedFrame)
        FitOnScreen();
    return handled;
}

std::string HelpFilePath()
{
    // The help in the desktop's language where there is one ("Moonrill_de.hlp"), else English.
    if (const QString language = DesktopLanguage(); !language.isEmpty()) {
        std::string translated = AssetPath("Moonrill_" + ToBytes(language) + ".hlp");
        if (::access(translated.c_str(), R_OK) == 0)
            return translated;
    }
    return AssetPath("Moonrill.hlp");
}

HelpViewer *ShowHelpTopic(QWidget *asker, int topic)
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
        ShowMessage(QCoreApplication::translate(
                        "HelpViewer",
                        "The help file %1 cannot be found or read. Please reinstall the program.")
                        .arg(FromBytes(path)),
                    MsgStyle::OkCritical, asker);
        return nullptr;
    }
    // One viewer for the program: it lives with the outermost window and is found wherever it
    // is lent; a second request turns the open one to the topic.
    QWidget *home = asker;
    while (home->parentWidget() != nullptr)
        home = home->parentWidget();
    auto *viewer = home->findChild<HelpViewer *>();
    const bool isNew = viewer == nullptr;
    if (isNew)
        viewer = new HelpViewer(std::move(topics), home);
    viewer->LendTo(asker->window());
    viewer->ShowTopic(topic);
    if (isNew)
        viewer->PlaceBeside(home);
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

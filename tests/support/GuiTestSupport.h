// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MessageBox.h"
#include "ScopedEnv.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <functional>
#include <vector>

#include <QTextDocument>

/// The control of `dialog` named `name`; a test without it cannot go on.
template <typename T> T *child(QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no control %s", name);
    return found;
}

/// What a tooltip shows of its text: markup laid out as the tooltip lays it out, plain text as it
/// is.
inline QString shownText(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

/// Answers every message box in place of a person and remembers what each showed.
class MessageAnswerer
{
public:
    struct Shown
    {
        QString text;
        QString title;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    MessageAnswerer()
    {
        SetMessageHook([this](QMessageBox &box) {
            shown.push_back({box.text(), box.windowTitle(), box.icon(), box.standardButtons()});
            if (answers.empty())
                return box.standardButtons().testFlag(QMessageBox::Ok) ? MsgAnswer::Ok
                                                                       : MsgAnswer::No;
            const MsgAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~MessageAnswerer() { SetMessageHook({}); }
    MessageAnswerer(const MessageAnswerer &) = delete;
    MessageAnswerer &operator=(const MessageAnswerer &) = delete;

    [[nodiscard]] QStringList texts() const
    {
        QStringList all;
        for (const Shown &s : shown)
            all << s.text;
        return all;
    }

    std::deque<MsgAnswer> answers; // given in order; OK (or No) once they run out
    std::vector<Shown> shown;
};

/// Receives the links the program hands to the desktop, instead of a browser or mail program.
/// The desktop's links, caught where the desktop would hand them to a program; a mail program is
/// named for mailto: links (in folders of its own, as the desktop keeps it) unless `noMail`.
class LinkCatcher : public QObject
{
    Q_OBJECT

public:
    explicit LinkCatcher(bool noMail = false)
    {
        const QString folder = m_folder.path();
        QDir().mkpath(folder + QStringLiteral("/data/applications"));
        if (!noMail) {
            writeFile(folder + QStringLiteral("/mimeapps.list"),
                      "[Default Applications]\nx-scheme-handler/mailto=mail.desktop\n");
            writeFile(folder + QStringLiteral("/data/applications/mail.desktop"),
                      "[Desktop Entry]\nType=Application\nName=Mail\nExec=true %u\n"
                      "MimeType=x-scheme-handler/mailto;\n");
        }
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
            m_env.emplace_back(name, folder.toStdString());
        for (const char *name : {"XDG_DATA_HOME", "XDG_DATA_DIRS"})
            m_env.emplace_back(name, (folder + QStringLiteral("/data")).toStdString());
        for (const char *scheme : {"mailto", "http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~LinkCatcher() override
    {
        for (const char *scheme : {"mailto", "http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }

private:
    static void writeFile(const QString &path, const char *text)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir m_folder;
    std::deque<ScopedEnv> m_env;
};

/// Shows a window and waits until it is on the screen.
inline void showAndWait(QWidget &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

/// The whole content of a file; empty when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

/// Points the data and configuration folders of the program at fresh temporary folders.
struct TestHome
{
    QTemporaryDir home;
    QTemporaryDir config;
    ScopedEnv homeVariable{"MOONRILL_HOME", home.path().toStdString()};
    ScopedEnv configVariable{"XDG_CONFIG_HOME", config.path().toStdString()};
    // The first start writes the session bus's service file there.
    ScopedEnv dataVariable{"XDG_DATA_HOME", config.path().toStdString() + "/data"};
};

/// Runs each step on a modal window of type T once it is open, one window after the other.
template <typename T> class ModalScript : public QObject
{
public:
    explicit ModalScript(std::vector<std::function<void(T &)>> steps) : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
            if (window == nullptr || window == m_last || m_steps.empty())
                return;
            m_last = window;
            auto step = m_steps.front();
            m_steps.erase(m_steps.begin());
            step(*window);
        });
        m_timer.start(10);
    }
    [[nodiscard]] bool done() const { return m_steps.empty(); }

private:
    std::vector<std::function<void(T &)>> m_steps;
    QTimer m_timer;
    QPointer<T> m_last; // clears itself when that window is gone
};

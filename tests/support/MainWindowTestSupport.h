// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// moc needs none of this and cannot parse the C++20 headers under it.
#ifndef Q_MOC_RUN

// Helpers for tests that drive the main window and its modal editor.

#include "Conversions.h"
#include "GuiTestSupport.h"
#include "frmAddEvent.h"
#include "frmMain.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>

#include <memory>

// The window reaches the sync only through its services; a test that links them and opens the
// sync dialog itself makes the dialog's CalendarSync beside the window.
#if __has_include("CalendarSync.h")
#include "CalendarSync.h"
#endif

inline QByteArray dateText(int daysAhead)
{
    return QByteArray::fromStdString(DateToText(Date::today().addDays(daysAhead)));
}

inline QStringList column(frmMain &window, int column)
{
    QStringList texts;
    const QAbstractItemModel *model = window.EventView()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

using EditorScript = ModalScript<frmAddEvent>;

inline void type(frmAddEvent &editor, const char *description, const char *occurs, int interval = 1)
{
    QTest::keyClicks(editor.findChild<QLineEdit *>(QStringLiteral("txtDescription")),
                     QString::fromUtf8(description));
    auto *combo = editor.findChild<QComboBox *>(QStringLiteral("comOccurs"));
    combo->setCurrentIndex(combo->findText(QString::fromLatin1(occurs)));
    editor.findChild<QSpinBox *>(QStringLiteral("UpDown2"))->setValue(interval);
}

inline void pickDate(frmAddEvent &editor, int daysAhead)
{
    editor.findChild<QCalendarWidget *>(QStringLiteral("calSetDate"))
        ->setSelectedDate(QDate::currentDate().addDays(daysAhead));
}

inline void ok(frmAddEvent &editor)
{
    QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("cmdOk")), Qt::LeftButton);
}
inline void cancel(frmAddEvent &editor)
{
    QTest::keyClick(&editor, Qt::Key_Escape);
}

inline QAction *action(frmMain &window, const char *name)
{
    return window.findChild<QAction *>(QString::fromLatin1(name));
}

/// Adds a Birthday event through the editor, dated `born`; whether the editor took it.
inline bool addBirthday(frmMain &window, const char *name, QDate born)
{
    EditorScript add({[name, born](frmAddEvent &e) {
        type(e, name, "Birthday");
        e.findChild<QCalendarWidget *>(QStringLiteral("calSetDate"))->setSelectedDate(born);
        ok(e);
    }});
    action(window, "mnuEventNewEvent")->trigger();
    return add.done();
}

inline int rowOf(frmMain &window, const char *description)
{
    return int(column(window, 0).indexOf(QString::fromLatin1(description)));
}

inline void selectByText(frmMain &window, const char *description)
{
    window.SelectRow(rowOf(window, description));
}

/// A main window started on a file of the test's, in a home of its own, with every message
/// answered and recorded. A test class derives from it and calls finish() in its cleanup slot.
class MainWindowFixture : public QObject
{
protected:
    std::unique_ptr<TestHome> home;
    std::unique_ptr<MessageAnswerer> answers;
    std::unique_ptr<frmMain> window;

    void start(const QByteArray &content)
    {
        home = std::make_unique<TestHome>();
        answers = std::make_unique<MessageAnswerer>();
        writeFile(home->home.filePath(QStringLiteral("events.mrl")), content);
        window = std::make_unique<frmMain>();
        QVERIFY(window->StartUp());
    }
    void finish()
    {
        if (window) {
            window->Events().SetSaved(true);
            window->close();
        }
        window.reset();
        answers.reset();
        home.reset();
    }
};

#endif // Q_MOC_RUN

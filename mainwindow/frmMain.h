#pragma once

// moc cannot parse the C++20 standard headers the event model uses; it needs none of it.
#ifndef Q_MOC_RUN
#include "EventState.h"
#endif

#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

class MoonrillError;
class QAction;
class QMenu;
class SingleInstance;

/// The main window: the program's start-up object and only top-level window. It owns the event
/// state for the whole run and is where every command starts.
class frmMain final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    /// Runs the start-up sequence: single instance, load and save, then either the scan (with
    /// `whatsup`) or the main window. Returns false when the program is to end now.
    bool StartUp(bool whatsup);

    /// The common error report for an error an operation raised.
    void ReportError(const std::exception &error);
    /// Asks to save when the list is not saved; ends the program unless the user cancels (or
    /// the save fails). Returns true when the window is to stay open.
    bool ConfirmSave();

    /// Loads the event file into the list; reports what it has to. Returns success.
    bool LoadEvents();
    /// Saves the list; reports a failure. Returns success.
    bool SaveEvents();
    /// Shows the events that fall due, if any, and returns when the scan window has closed.
    void ScanEvents();

    [[nodiscard]] EventState &State() { return m_state; }
    [[nodiscard]] const std::string &EventFilePath() const { return m_eventFile; }
    [[nodiscard]] const std::string &HelpFile() const { return m_helpFile; }
    /// True once the program has been told to end.
    [[nodiscard]] bool HasEnded() const { return m_ended; }

    /// The program-wide birthday offers the scan fills and the scan window empties.
    std::vector<std::string> BirthdayMails;
    /// The help topic of the main window.
    int HelpContextID = 0;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createMenus();
    void mnuConfigRunOn_Click();
    void mnuConfigRunOff_Click();
    void showRunAtLogonTicks(bool on);
    void runStartUpSteps(bool whatsup);
    /// Ends the program at once: no further question, the window closes.
    void endProgram();

    EventState m_state;
    std::string m_eventFile;
    std::string m_helpFile;
    std::unique_ptr<SingleInstance> m_instance;
    bool m_ended = false;

    QMenu *mnuConfig = nullptr;
    QMenu *mnuConfigRun = nullptr;
    QAction *mnuConfigRunOn = nullptr;
    QAction *mnuConfigRunOff = nullptr;
};

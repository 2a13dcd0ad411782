// SPDX-License-Identifier: GPL-3.0-or-later
// The plain start's road through the real main window, offscreen: load 30,000 events, fill and
// order the list, show the window and paint it once.

#include "EventFiles.h"

#include "AtomicFile.h"
#include "EventListModel.h"
#include "MessageBox.h"
#include "frmFind.h"
#include "frmMain.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

void PlainStartWithThirtyThousand(benchmark::State &bench)
{
    QTemporaryDir home;
    QTemporaryDir config;
    qputenv("MOONRILL_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const std::string path = home.filePath(QStringLiteral("events.mrl")).toStdString();
    const std::string content = MixedEventFile(30000, Date::today());
    for (auto _ : bench) {
        bench.PauseTiming();
        WriteFileAtomically(path, content);
        bench.ResumeTiming();
        frmMain window;
        if (!window.StartUp())
            bench.SkipWithError("start-up ended");
        window.EventView()->viewport()->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.EventView()->model()->rowCount());
        bench.PauseTiming();
        window.Events().SetSaved(true);
        window.close();
        bench.ResumeTiming();
    }
}
BENCHMARK(PlainStartWithThirtyThousand)->Unit(benchmark::kMillisecond);

/// A window started on 30,000 events (or `count`), for the commands below.
class StartedWindow
{
public:
    explicit StartedWindow(int count = 30000)
    {
        qputenv("MOONRILL_HOME", m_home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        WriteFileAtomically(m_home.filePath(QStringLiteral("events.mrl")).toStdString(),
                            MixedEventFile(count, Date::today()));
        window.StartUp();
        SetMessageHook([](QMessageBox &) { return MsgAnswer::Yes; });
    }
    ~StartedWindow()
    {
        SetMessageHook({});
        window.Events().SetSaved(true);
        window.close();
    }

private:
    QTemporaryDir m_home;
    QTemporaryDir m_config;

public:
    frmMain window;
};

/// One Find Next step that has to walk the whole list (the match is in the last row).
void FindNextThroughThirtyThousand(benchmark::State &bench)
{
    StartedWindow started;
    frmFind find(
        started.window.List(), [&](int row) { started.window.SelectRow(row); }, &started.window);
    auto *text = find.findChild<QLineEdit *>(QStringLiteral("txtFind"));
    auto *button = find.findChild<QPushButton *>(QStringLiteral("cmdFind"));
    const QString last =
        started.window.List().index(started.window.List().rowCount() - 1, 0).data().toString();
    text->setText(last);
    for (auto _ : bench) {
        text->setText(last); // starts again at the top
        button->click();
    }
}
BENCHMARK(FindNextThroughThirtyThousand)->Unit(benchmark::kMillisecond);

/// Delete one event, then Delete All, then Undo, on a list of 30,000.
void DeleteAllAndUndo(benchmark::State &bench)
{
    for (auto _ : bench) {
        StartedWindow started;
        started.window.SelectRow(100);
        started.window.DeleteEvent();
        const auto start = std::chrono::steady_clock::now();
        started.window.DeleteAllEvents();
        started.window.UndoDelete();
        QApplication::processEvents();
        bench.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(DeleteAllAndUndo)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

/// Delete one event and undo it, on a list of 30,000.
void DeleteAndUndo(benchmark::State &bench)
{
    StartedWindow started;
    for (auto _ : bench) {
        started.window.SelectRow(100);
        started.window.DeleteEvent();
        started.window.UndoDelete();
        QApplication::processEvents();
    }
}
BENCHMARK(DeleteAndUndo)->Unit(benchmark::kMillisecond);

/// An address book of 10,000 contacts imported into a list of 20,000 events.
void ImportTenThousandIntoTwentyThousand(benchmark::State &bench)
{
    QTemporaryDir folder;
    const QString book = folder.filePath(QStringLiteral("contacts.vcf"));
    std::string cards;
    for (int i = 0; i < 10000; ++i)
        cards += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Contact " + std::to_string(i) + "\r\nEMAIL:c" +
                 std::to_string(i) + "@example.org\r\nBDAY:19" + std::to_string(50 + i % 50) +
                 "-0" + std::to_string(1 + i % 9) + "-1" + std::to_string(i % 9) +
                 "\r\nEND:VCARD\r\n";
    WriteFileAtomically(book.toStdString(), cards);
    for (auto _ : bench) {
        StartedWindow started(20000);
        const auto start = std::chrono::steady_clock::now();
        started.window.ImportBirthdaysFrom(book);
        bench.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (started.window.State().Events().size() != 30000)
            bench.SkipWithError("the import did not add every contact");
    }
}
BENCHMARK(ImportTenThousandIntoTwentyThousand)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseManualTime();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

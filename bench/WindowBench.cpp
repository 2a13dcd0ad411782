// The plain start's road through the real main window, offscreen: load 30,000 events, fill and
// order the list, show the window and paint it once.

#include "EventFiles.h"

#include "AtomicFile.h"
#include "frmMain.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

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
        if (!window.StartUp(false))
            bench.SkipWithError("start-up ended");
        window.EventView()->viewport()->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.EventView()->model()->rowCount());
        bench.PauseTiming();
        window.State().SetSaved(true);
        window.close();
        bench.ResumeTiming();
    }
}
BENCHMARK(PlainStartWithThirtyThousand)->Unit(benchmark::kMillisecond);

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

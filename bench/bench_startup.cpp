// Start-up of the main window on a fresh program folder, beside a bare Qt window.
#include "BenchSupport.h"
#include "Dialogs.h"
#include "MDIMain.h"
#include "ProgramState.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_StartUpToReady(benchmark::State& bench)
{
    benchsupport::AnswerOk dialogs;
    for (auto _ : bench) {
        bench.PauseTiming();
        QTemporaryDir dir;
        benchsupport::copyDatabases(dir.path());
        bench.ResumeTiming();
        {
            ProgramState state(dir.path(), dialogs);
            MDIMain window(state);
            window.MDIForm_Load();
            window.show();
            QApplication::processEvents();
        }
    }
}
BENCHMARK(BM_StartUpToReady)->Unit(benchmark::kMillisecond);

void BM_BareQtWindow(benchmark::State& bench)
{
    for (auto _ : bench) {
        QMainWindow window;
        window.resize(1000, 700);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BareQtWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return benchsupport::runBenchmarks(argc, argv);
}

// Start-up of the main window on a fresh program folder, beside a bare Qt window.
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

class AnswerOk : public platform::Dialogs
{
public:
    platform::MsgResult msgBox(const QString&, platform::MsgButtons, platform::MsgIcon,
                               const QString&) override
    {
        return platform::MsgResult::OK;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    QStringList openFiles(const platform::FileOpenRequest&) override { return {}; }
    bool printDialog(QPrinter&) override { return false; }
};

void freshFolder(const QString& path)
{
    const QString templates = QStringLiteral(OSTREL_DB_TEMPLATES);
    QFile::copy(templates + "/Ostrel7_supp.mdb", path + "/Ostrel7_supp.mdb");
    QFile::copy(templates + "/Ostrel7_user.mdb", path + "/Ostrel7_user.mdb");
    QFile::setPermissions(path + "/Ostrel7_user.mdb", QFile::ReadOwner | QFile::WriteOwner);
}

void BM_StartUpToReady(benchmark::State& bench)
{
    AnswerOk dialogs;
    for (auto _ : bench) {
        bench.PauseTiming();
        QTemporaryDir dir;
        freshFolder(dir.path());
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
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral("9.0.1"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#pragma once

// What the benchmarks of the whole program share.
#include "Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QString>

#include <benchmark/benchmark.h>

#include <functional>

namespace benchsupport {

// Answers every message box with OK and cancels every other dialog, so no run waits on a user.
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

// Fresh copies of both database templates in a program folder.
inline void copyDatabases(const QString& folder)
{
    const QString templates = QStringLiteral(OSTREL_DB_TEMPLATES);
    QFile::copy(templates + "/Ostrel7_supp.mdb", folder + "/Ostrel7_supp.mdb");
    QFile::copy(templates + "/Ostrel7_user.mdb", folder + "/Ostrel7_user.mdb");
    QFile::setPermissions(folder + "/Ostrel7_user.mdb", QFile::ReadOwner | QFile::WriteOwner);
}

// Runs the registered benchmarks headless inside an application object; `around`, when given,
// runs them itself (to keep shared state alive for the whole run).
inline int runBenchmarks(int argc, char** argv, const std::function<void()>& around = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral("9.0.1"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (around)
        around();
    else
        benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace benchsupport

#pragma once

#include "ProgramLog.h"

#include <QSqlDatabase>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {
class Dialogs;
class Presentation;
class PresentationProgram;
class ProcessStarter;
} // namespace platform

// The program-wide state of one run. The main window creates one and hands it to every part
// of the program; tests build a fresh one each.
struct ProgramState
{
    ProgramState(QString programFolder, platform::Dialogs& dialogs);
    ~ProgramState();

    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    // The program's folder: the databases, pictures, log and media library live there.
    const QString programFolder;
    platform::Dialogs& dialogs;

    ProgramLog gLog;
    QString gstrErrorLoggedNote;
    QSqlDatabase gcnnUser;
    int16_t gintBlowerCount = 1;
    int16_t gintHLFirstRowTop = 0;
    int16_t gintHLRowPitch = 0;
    // How deep the running database actions nest (see runDatabaseAction).
    int databaseActionDepth = 0;

    // The slide shows' presentation program, once started, and the presentation the last show
    // left open; the shut-down closes and quits them.
    std::shared_ptr<platform::PresentationProgram> gobjPowerPoint;
    std::shared_ptr<platform::Presentation> gobjPresentation;
    // How the slide shows find the presentation program and start the viewer program; when
    // empty, the machine's own are used. Tests put fakes here.
    std::function<std::shared_ptr<platform::PresentationProgram>()> createPresentationProgram;
    std::shared_ptr<platform::ProcessStarter> processStarter;

    // Ends the program after an error no handler took; tests replace it.
    std::function<void()> endProgram;

    QString path(const QString& fileName) const { return programFolder + '/' + fileName; }
    // The name every message box carries as its caption.
    static QString title();
    // A connection name unique to this run, so several runs can live in one test process.
    QString connectionName() const { return m_connectionName; }

private:
    QString m_connectionName;
};

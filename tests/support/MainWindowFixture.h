#pragma once

#include "MDIMain.h"
#include "ProgramErrorSink.h"
#include "ProgramFolder.h"
#include "ProgramState.h"
#include "ScriptedDialogs.h"
#include "frmHVACMain.h"
#include "vberror.h"

#include <QStringList>

#include <memory>
#include <optional>

using testsupport::ScriptedDialogs;

namespace testsupport {
// Makes the window the active one and waits until it is, so that focus moves run the checks.
bool activate(QWidget* window);
} // namespace testsupport

// A whole program run in a temporary program folder, with scripted message boxes. The window
// is created by start(); an error that would end the program is recorded instead. An error no
// handler caught while the run lives gets the program's own run-time error report, whose box
// fails the test unless it was scripted.
class MainWindowFixture
{
public:
    // RecordOnly lets a run answer every box it did not script (with Cancel or No), for tests
    // that judge the boxes afterwards.
    explicit MainWindowFixture(
        ScriptedDialogs::OnFailure dialogsMode = ScriptedDialogs::OnFailure::FailTest);
    ~MainWindowFixture();

    // Runs the start-up; returns false when it raised (the error is in startError()).
    bool start();
    // Closes the window as the user would.
    void close();
    // Makes the window the active one; false when it did not become active.
    bool activate() { return testsupport::activate(window.get()); }

    ProgramFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<ProgramState> state;
    std::unique_ptr<MDIMain> window;

    frmHVACMain& form() const { return *window->form(); }
    bool programEnded() const { return m_ended; }
    const std::optional<vbrt::Error>& startError() const { return m_startError; }
    // The errors no handler caught during the run, each "<number>: <description>".
    const QStringList& unhandledErrors() const { return m_unhandled; }

private:
    void unhandled(const vbrt::Error& error);

    bool m_ended = false;
    std::optional<vbrt::Error> m_startError;
    QStringList m_unhandled;
    testsupport::RunErrorSink m_errorSink{[this](const vbrt::Error& e) { unhandled(e); }};
};

#pragma once

#include "MDIMain.h"
#include "ProgramFolder.h"
#include "ProgramState.h"
#include "ScriptedDialogs.h"
#include "frmHVACMain.h"
#include "vberror.h"

#include <memory>
#include <optional>

using testsupport::ScriptedDialogs;

// A whole program run in a temporary program folder, with scripted message boxes. The window
// is created by start(); an error that would end the program is recorded instead.
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

    ProgramFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<ProgramState> state;
    std::unique_ptr<MDIMain> window;

    frmHVACMain& form() const { return *window->form(); }
    bool programEnded() const { return m_ended; }
    const std::optional<vbrt::Error>& startError() const { return m_startError; }

private:
    bool m_ended = false;
    std::optional<vbrt::Error> m_startError;
};

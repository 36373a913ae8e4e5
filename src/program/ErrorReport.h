#pragma once

#include <QApplication>
#include <QString>

#include <exception>
#include <functional>

struct ProgramState;
namespace vbrt {
class Error;
}

// Turns any exception into the program's error type: foreign exceptions become error 5 with
// their text, so nothing escapes unnumbered.
vbrt::Error toError(std::exception_ptr error);

// An error no handler took: the run-time error report, a log entry, and the end of the program.
void reportUnhandledError(ProgramState& state, const vbrt::Error& error);

// The main form's logging handlers: which lead-in and short message the log and the user get.
enum class HandledError
{
    Preparing,
    Calculating,
    Unexpected
};

// Logs "<lead-in>frmHVACMain.<procedure>.  Error number:  <n>.  Error Text:  '<text>'" and tells
// the user the short message followed by the logged-error notice.
void logHandledError(ProgramState& state, HandledError kind, const QString& procedure,
                     const vbrt::Error& error);

// The application object: every event handler runs inside its dispatch, so an error that no
// handler caught ends here instead of tearing the process down.
class Application : public QApplication
{
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Where unhandled errors go; set by the main window once the program state exists.
    void setUnhandledErrorSink(std::function<void(const vbrt::Error&)> sink);

private:
    std::function<void(const vbrt::Error&)> m_sink;
};

#include "ErrorReport.h"

#include "Dialogs.h"
#include "ProgramState.h"
#include "vberror.h"
#include "vbformat.h"

#include <QMessageBox>

vbrt::Error toError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const vbrt::Error& e) {
        return e;
    } catch (const std::exception& e) {
        return vbrt::Error(vbrt::ErrInvalidCall, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return vbrt::Error(vbrt::ErrInvalidCall, QStringLiteral("Unknown error"));
    }
}

void reportUnhandledError(ProgramState& state, const vbrt::Error& error)
{
    const QString number = vbrt::cstr(qint64(error.number()));
    state.gLog.NewEntry(QStringLiteral("Run-time error '%1': %2").arg(number, error.description()));
    state.dialogs.msgBox(
        QStringLiteral("Run-time error '%1':\n\n%2").arg(number, error.description()),
        platform::MsgButtons::OK, platform::MsgIcon::Critical, ProgramState::title());
    if (state.endProgram)
        state.endProgram();
}

void logHandledError(ProgramState& state, HandledError kind, const QString& procedure,
                     const vbrt::Error& error)
{
    QString leadIn;
    QString message;
    switch (kind) {
    case HandledError::Preparing:
        leadIn = QStringLiteral("An error occurred while preparing to calculate results in ");
        message = QStringLiteral("An error occurred while preparing to calculate your results.  "
                                 "Please ensure that your entries are valid.");
        break;
    case HandledError::Calculating:
        leadIn = QStringLiteral("An error occurred while calculating results in ");
        message = QStringLiteral("An error occurred while calculating your results.  Please "
                                 "ensure that your entries are valid.");
        break;
    case HandledError::Unexpected:
        leadIn = QStringLiteral("An unexpected error occurred in ");
        message = QStringLiteral("An unknown error has occurred.  The program may or may not "
                                 "continue successfully.  Saving your work and restarting the "
                                 "program is recommended.");
        break;
    }
    state.gLog.NewEntry(leadIn + QStringLiteral("frmHVACMain.") + procedure +
                        QStringLiteral(".  Error number:  ") + vbrt::cstr(qint64(error.number())) +
                        QStringLiteral(".  Error Text:  '") + error.description() +
                        QStringLiteral("'"));
    state.dialogs.msgBox(message + state.gstrErrorLoggedNote, platform::MsgButtons::OK,
                         platform::MsgIcon::Exclamation, ProgramState::title());
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

void Application::setUnhandledErrorSink(std::function<void(const vbrt::Error&)> sink)
{
    m_sink = std::move(sink);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const vbrt::Error error = toError(std::current_exception());
        if (m_sink) {
            m_sink(error);
        } else {
            QMessageBox::critical(nullptr, ProgramState::title(),
                                  QStringLiteral("Run-time error '%1':\n\n%2")
                                      .arg(error.number())
                                      .arg(error.description()));
            exit(1);
        }
        return true;
    }
}

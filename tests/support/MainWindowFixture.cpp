#include "MainWindowFixture.h"

#include "ErrorReport.h"

#include <QApplication>
#include <QTest>

MainWindowFixture::MainWindowFixture(ScriptedDialogs::OnFailure dialogsMode) : dialogs(dialogsMode)
{
    QCoreApplication::setApplicationVersion(QStringLiteral("9.0.1"));
    state = std::make_unique<ProgramState>(folder.path(), dialogs);
    state->endProgram = [this] { m_ended = true; };
    window = std::make_unique<MDIMain>(*state);
}

MainWindowFixture::~MainWindowFixture()
{
    window.reset();
    state.reset();
}

bool MainWindowFixture::start()
{
    try {
        window->MDIForm_Load();
        window->show();
        return true;
    } catch (...) {
        m_startError = toError(std::current_exception());
        return false;
    }
}

void MainWindowFixture::close()
{
    window->close();
}

void MainWindowFixture::unhandled(const vbrt::Error& error)
{
    m_unhandled << testsupport::describe(error);
    if (state)
        reportUnhandledError(*state, error); // as the program's own main does
    else
        testsupport::failOnError(error);
}

bool testsupport::activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

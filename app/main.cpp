#include "ErrorReport.h"
#include "MDIMain.h"
#include "ProgramState.h"
#include "QtDialogs.h"
#include "StartupChecks.h"
#include "vberror.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    Application::setApplicationName(ProgramState::title());
    Application::setApplicationVersion(QStringLiteral(OSTREL_VERSION));

    platform::QtDialogs dialogs;
    ProgramState state(Application::applicationDirPath(), dialogs);
    app.setUnhandledErrorSink(
        [&state](const vbrt::Error& error) { reportUnhandledError(state, error); });

    MDIMain window(state);
    try {
        window.MDIForm_Load();
    } catch (const StartupRefused&) {
        return 1; // told and logged already
    } catch (...) {
        state.endProgram = [] {};
        reportUnhandledError(state, toError(std::current_exception()));
        return 1;
    }
    window.show();
    return app.exec();
}

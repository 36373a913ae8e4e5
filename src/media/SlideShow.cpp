#include "SlideShow.h"

#include "Dialogs.h"
#include "PresentationProgram.h"
#include "ProcessStarter.h"
#include "ProgramState.h"
#include "Settings.h"

#include <QDir>
#include <QRegularExpression>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

const QString ViewerSetting = QStringLiteral("PPView32Path");

// Runs the step and forgets whatever it raised: a failing step leaves its result empty and
// the next test decides.
template <typename Step> void ignoringErrors(Step&& step)
{
    try {
        step();
    } catch (...) {
    }
}

// The presentation program, started once and kept until the shut-down quits it.
std::shared_ptr<platform::PresentationProgram> presentationProgram(ProgramState& state)
{
    if (!state.gobjPowerPoint) {
        ignoringErrors([&] {
            state.gobjPowerPoint = state.createPresentationProgram
                                       ? state.createPresentationProgram()
                                       : platform::createPresentationProgram();
        });
    }
    return state.gobjPowerPoint;
}

void showInPresentationProgram(ProgramState& state, platform::PresentationProgram& program,
                               const QString& file)
{
    std::shared_ptr<platform::Presentation> presentation;
    ignoringErrors([&] { presentation = program.Open(file, false); });
    state.gobjPresentation = presentation;
    if (!presentation) {
        state.dialogs.msgBox(QStringLiteral("Could not open the presentation."), MsgButtons::OK,
                             MsgIcon::Critical, QStringLiteral("Caldrovane by Varnholt"));
        return;
    }
    ignoringErrors([&] {
        presentation->setShowType(1);
        presentation->Run();
    });
    state.dialogs.msgBox(slideshow::completedMessage(), MsgButtons::OK, MsgIcon::None,
                         ProgramState::title());
    ignoringErrors([&] { presentation->Close(); });
    state.gobjPresentation.reset();
}

// Starts the viewer program; false when it could not be started.
bool startViewer(ProgramState& state, const QString& file)
{
    QString viewer;
    ignoringErrors([&] { viewer = GetAppSetting(state.gcnnUser, ViewerSetting); });
    if (viewer.isEmpty())
        viewer = defaultViewerPath(state.programFolder);
    platform::ProcessStarter machine;
    platform::ProcessStarter& starter = state.processStarter ? *state.processStarter : machine;
    try {
        // One argument, so a path with blanks reaches the viewer whole.
        starter.startDetached(viewer, {QDir::toNativeSeparators(file)});
        return true;
    } catch (...) {
        // A viewer that is missing (53) and one that cannot be run both need locating: a
        // show that never started is not reported as completed.
        return false;
    }
}

} // namespace

namespace slideshow {

QString completedMessage()
{
    return QStringLiteral("Slide show display completed.\r\n\r\nClick OK to return to Caldrovane");
}

QString viewerMissingMessage()
{
    return QStringLiteral(
        "Either PowerPoint or the free PowerPoint Viewer must be installed on your computer to "
        "display slide shows.\r\n"
        "You do not have the full PowerPoint application installed, and Caldrovane cannot find "
        "PowerPoint viewer.\r\n\r\n"
        "If it is installed, please locate PowerPoint viewer - \"PPView32.exe\"\r\n\r\n"
        "It is typically installed in the folder \"PowerPoint Viewer\" in your Program Files "
        "Directory\r\n\r\n"
        "(If PowerPoint Viewer is NOT installed, press \"Cancel\"\r\n"
        " The installer for PowerPoint Viewer can be found on your Caldrovane Installer CD)");
}

} // namespace slideshow

QString defaultViewerPath(const QString& programFolder)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:/"));
    // A folder written with drive and backslashes reads the same on every system.
    const QString folder = QString(programFolder).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString root = drive.match(folder).hasMatch() ? folder.left(3) : QStringLiteral("/");
    return root + QStringLiteral("Program Files/PowerPoint Viewer/PPView32.exe");
}

void ShowSlideShow(ProgramState& state, const QString& fileName)
{
    const QString file = state.path(QStringLiteral("PowerPoints/") + fileName);
    // Each round ends in a show or a message, or goes round again after the user located the
    // viewer.
    for (;;) {
        if (const auto program = presentationProgram(state)) {
            showInPresentationProgram(state, *program, file);
            return;
        }
        if (startViewer(state, file)) {
            state.dialogs.msgBox(slideshow::completedMessage(), MsgButtons::OK, MsgIcon::None,
                                 ProgramState::title());
            return;
        }
        if (state.dialogs.msgBox(slideshow::viewerMissingMessage(), MsgButtons::OKCancel,
                                 MsgIcon::None, ProgramState::title()) != MsgResult::OK) {
            state.dialogs.msgBox(
                QStringLiteral("Please install PowerPoint or PowerPoint Viewer on this comptuer."),
                MsgButtons::OK, MsgIcon::None, ProgramState::title());
            return;
        }
        platform::FileOpenRequest locate;
        locate.title = QStringLiteral("Please locate the PowerPoint Viewer (PPView32.exe)");
        locate.filter = platform::qtFileFilter(
            QStringLiteral("PPView32.exe|PPView32.exe|Executables (*.exe)|*.exe|All Files|*.*"));
        const QStringList chosen = state.dialogs.openFiles(locate);
        if (chosen.isEmpty() || chosen.first().isEmpty()) {
            state.dialogs.msgBox(
                QStringLiteral("Caldrovane is unable to display slide shows on this machine."),
                MsgButtons::OK, MsgIcon::None, ProgramState::title());
            return;
        }
        ignoringErrors([&] {
            SaveAppSetting(state.gcnnUser, ViewerSetting, QDir::toNativeSeparators(chosen.first()));
        });
    }
}

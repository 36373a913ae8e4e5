// Slide shows through the presentation program or the viewer program, and the shut-down that
// ends them.
#include "GuiTestMain.h"
#include "MultimediaCode.h"
#include "PresentationProgram.h"
#include "ProcessStarter.h"
#include "Settings.h"
#include "SlideShow.h"
#include "ViewerRun.h"

#include <QFileInfo>
#include <QTemporaryDir>

using mediatest::choose;
using mediatest::readFile;
using mediatest::writeFile;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

// What the fake presentation program was asked to do, in order.
struct CallLog
{
    QStringList calls;
};

class FakePresentation final : public platform::Presentation
{
public:
    FakePresentation(CallLog& calls, bool failClose) : m_calls(calls), m_failClose(failClose) {}
    void setShowType(int type) override { m_type = type; }
    int showType() const override { return m_type; }
    void Run() override { m_calls.calls << QStringLiteral("Run %1").arg(m_type); }
    void Close() override
    {
        m_calls.calls << QStringLiteral("Close");
        if (m_failClose)
            throw std::runtime_error("cannot close");
    }

private:
    CallLog& m_calls;
    bool m_failClose;
    int m_type = 0;
};

// Opens every file that exists; can be told to fail closing and quitting.
class FakePresentationProgram final : public platform::PresentationProgram
{
public:
    explicit FakePresentationProgram(CallLog& calls, bool fail = false)
        : m_calls(calls), m_fail(fail)
    {
    }
    std::shared_ptr<platform::Presentation> Open(const QString& file, bool withWindow) override
    {
        m_calls.calls
            << QStringLiteral("Open %1 %2").arg(QFileInfo(file).fileName()).arg(withWindow);
        if (!QFileInfo::exists(file))
            return nullptr;
        return std::make_shared<FakePresentation>(m_calls, m_fail);
    }
    void Quit() override
    {
        m_calls.calls << QStringLiteral("Quit");
        if (m_fail)
            throw std::runtime_error("cannot quit");
    }

private:
    CallLog& m_calls;
    bool m_fail;
};

// Starts programs for real and notes what it was asked to start and what the viewer setting
// said at that moment.
class RecordingStarter final : public platform::ProcessStarter
{
public:
    explicit RecordingStarter(ProgramState& state) : m_state(state) {}
    void startDetached(const QString& program, const QStringList& arguments) override
    {
        started << program + QStringLiteral(" | ") + arguments.join(QStringLiteral(" | "));
        settingWhenStarted << GetAppSetting(m_state.gcnnUser, QStringLiteral("PPView32Path"));
        platform::ProcessStarter::startDetached(program, arguments);
    }
    QStringList started;
    QStringList settingWhenStarted;

private:
    ProgramState& m_state;
};

// A viewer program: a script that writes the arguments it was given to a file.
QString makeViewer(const QTemporaryDir& dir, const QString& argumentsFile)
{
    const QString path = dir.filePath("PPView32.exe");
    mediatest::writeFile(
        path,
        QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(argumentsFile).toUtf8());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// The program with no presentation program, the viewer started through a recorder.
struct ViewerOnly
{
    ViewerRun v;
    std::shared_ptr<RecordingStarter> starter;

    bool start()
    {
        if (!v.start())
            return false;
        v.run.state->createPresentationProgram = [] { return nullptr; };
        starter = std::make_shared<RecordingStarter>(*v.run.state);
        v.run.state->processStarter = starter;
        return true;
    }
};

} // namespace

class TestSlideShows : public QObject
{
    Q_OBJECT
private slots:
    void showRunsInThePresentationProgram()
    {
        CallLog calls; // outlives the program, whose shut-down quits the fake
        ViewerRun v;
        QVERIFY(writeFile(v.folder("PowerPoints/Heat Loss.ppt")));
        int created = 0;
        QVERIFY(v.start());
        v.run.state->createPresentationProgram = [&] {
            ++created;
            return std::make_shared<FakePresentationProgram>(calls);
        };
        v.open();
        v.dialogs().expect(MsgResult::OK, slideshow::completedMessage());
        QVERIFY(choose(v.ui().cboSlideShowFiles, "Heat Loss.ppt"));
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(v.dialogs().boxes().at(0).title, ProgramState::title());
        QCOMPARE(v.dialogs().boxes().at(0).text,
                 QStringLiteral("Slide show display completed.\r\n\r\nClick OK to return to "
                                "Caldrovane"));
        QCOMPARE(calls.calls, (QStringList{"Open Heat Loss.ppt 0", "Run 1", "Close"}));
        QVERIFY(!v.run.state->gobjPresentation);
        QVERIFY(v.run.state->gobjPowerPoint);

        // The program stays running: a second show uses it again, the Go button as well.
        v.dialogs().expect(MsgResult::OK, "Slide show display completed.");
        QTest::mouseClick(v.ui().cmdSlideShowFilesGo, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(created, 1);
        QCOMPARE(calls.calls.size(), 6);

        // The shut-down quits it.
        v.viewer.reset();
        v.run.close();
        QCOMPARE(calls.calls.last(), QStringLiteral("Quit"));
        QVERIFY(!v.run.state->gobjPowerPoint);
    }

    void presentationThatCannotBeOpened()
    {
        CallLog calls; // outlives the program, whose shut-down quits the fake
        ViewerRun v;
        QVERIFY(v.start());
        v.run.state->createPresentationProgram = [&] {
            return std::make_shared<FakePresentationProgram>(calls);
        };
        v.dialogs().expect(MsgResult::OK, "Could not open the presentation.");
        ShowSlideShow(*v.run.state, "gone.ppt");
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(v.dialogs().boxes().at(0).icon, MsgIcon::Critical);
        QCOMPARE(v.dialogs().boxes().at(0).title, QStringLiteral("Caldrovane by Varnholt"));
        QCOMPARE(calls.calls, QStringList{"Open gone.ppt 0"});
    }

    void shutDownIgnoresErrorsOfClosingAndQuitting()
    {
        CallLog calls; // outlives the program, whose shut-down quits the fake
        ViewerRun v;
        QVERIFY(v.start());
        auto program = std::make_shared<FakePresentationProgram>(calls, true);
        v.run.state->gobjPowerPoint = program;
        v.run.state->gobjPresentation = program->Open(v.folder("Ostrel7_user.mdb"), false);
        CloseSlideShows(*v.run.state);
        QCOMPARE(calls.calls, (QStringList{"Open Ostrel7_user.mdb 0", "Close", "Quit"}));
        QVERIFY(!v.run.state->gobjPresentation);
        QVERIFY(!v.run.state->gobjPowerPoint);
        CloseSlideShows(*v.run.state); // nothing left: nothing happens
    }

    void missingViewerLocatedThenStartedWithoutAsking()
    {
        ViewerOnly o;
        QTemporaryDir tools;
        const QString arguments = tools.filePath("arguments.txt");
        const QString viewer = makeViewer(tools, arguments);
        QVERIFY(writeFile(o.v.folder("PowerPoints/Heat Loss.ppt")));
        QVERIFY(o.start());
        o.v.open();

        o.v.dialogs().expect(MsgResult::OK, slideshow::viewerMissingMessage());
        o.v.dialogs().expectOpenFiles({viewer});
        o.v.dialogs().expect(MsgResult::OK, slideshow::completedMessage());
        QVERIFY(choose(o.v.ui().cboSlideShowFiles, "Heat Loss.ppt"));
        VERIFY_DIALOGS_DONE(o.v.dialogs());

        const auto& boxes = o.v.dialogs().boxes();
        QCOMPARE(boxes.at(0).buttons, MsgButtons::OKCancel);
        QCOMPARE(boxes.at(0).title, ProgramState::title());
        QCOMPARE(boxes.at(1).request.title,
                 QStringLiteral("Please locate the PowerPoint Viewer (PPView32.exe)"));
        QCOMPARE(boxes.at(1).request.filter,
                 platform::qtFileFilter(
                     "PPView32.exe|PPView32.exe|Executables (*.exe)|*.exe|All Files|*.*"));
        QVERIFY(!boxes.at(1).request.multiSelect);
        // First the default place, then the located viewer, with the setting already stored.
        const QString show = o.v.folder("PowerPoints/Heat Loss.ppt");
        QCOMPARE(o.starter->started,
                 (QStringList{"/Program Files/PowerPoint Viewer/PPView32.exe | " + show,
                              viewer + " | " + show}));
        QCOMPARE(o.starter->settingWhenStarted, (QStringList{"", viewer}));
        QTRY_COMPARE(readFile(arguments), (show + "\n").toUtf8());

        // A second show starts the viewer without asking.
        QFile::remove(arguments);
        o.v.dialogs().expect(MsgResult::OK, slideshow::completedMessage());
        QTest::mouseClick(o.v.ui().cmdSlideShowFilesGo, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(o.v.dialogs());
        QCOMPARE(o.starter->started.size(), 3);
        QTRY_COMPARE(readFile(arguments), (show + "\n").toUtf8());
    }

    void viewerNotInstalled_data()
    {
        QTest::addColumn<bool>("locate");
        QTest::addColumn<QString>("lastMessage");
        QTest::newRow("cancel") << false
                                << "Please install PowerPoint or PowerPoint Viewer on this "
                                   "comptuer.";
        QTest::newRow("nothing located")
            << true << "Caldrovane is unable to display slide shows on this machine.";
    }
    void viewerNotInstalled()
    {
        QFETCH(bool, locate);
        QFETCH(QString, lastMessage);
        ViewerOnly o;
        QVERIFY(o.start());
        o.v.dialogs().expect(locate ? MsgResult::OK : MsgResult::Cancel,
                             slideshow::viewerMissingMessage());
        if (locate)
            o.v.dialogs().expectOpenFiles({});
        o.v.dialogs().expect(MsgResult::OK, lastMessage);
        ShowSlideShow(*o.v.run.state, "Heat Loss.ppt");
        VERIFY_DIALOGS_DONE(o.v.dialogs());
        QCOMPARE(o.v.dialogs().lastBox().text, lastMessage);
        QCOMPARE(GetAppSetting(o.v.run.state->gcnnUser, "PPView32Path"), QString());
    }

    void viewerThatCannotRunIsLocatedAgain()
    {
        ViewerOnly o;
        QTemporaryDir tools;
        QVERIFY(writeFile(tools.filePath("notes.txt"))); // no program
        QVERIFY(o.start());
        SaveAppSetting(o.v.run.state->gcnnUser, "PPView32Path", tools.filePath("notes.txt"));
        o.v.dialogs().expect(MsgResult::Cancel, slideshow::viewerMissingMessage());
        o.v.dialogs().expect(MsgResult::OK, "Please install PowerPoint");
        ShowSlideShow(*o.v.run.state, "Heat Loss.ppt");
        VERIFY_DIALOGS_DONE(o.v.dialogs());
    }

    void viewerMissingMessageText()
    {
        QCOMPARE(
            slideshow::viewerMissingMessage(),
            QStringLiteral(
                "Either PowerPoint or the free PowerPoint Viewer must be installed on your "
                "computer to display slide shows.\r\nYou do not have the full PowerPoint "
                "application installed, and Caldrovane cannot find PowerPoint viewer.\r\n\r\n"
                "If it is installed, please locate PowerPoint viewer - \"PPView32.exe\"\r\n\r\n"
                "It is typically installed in the folder \"PowerPoint Viewer\" in your "
                "Program Files Directory\r\n\r\n(If PowerPoint Viewer is NOT installed, "
                "press \"Cancel\"\r\n The installer for PowerPoint Viewer can be found on "
                "your Caldrovane Installer CD)"));
    }

    void defaultViewerPath_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("drive D") << "D:\\Ostrel9"
                                 << "D:/Program Files/PowerPoint Viewer/PPView32.exe";
        QTest::newRow("drive c, forward") << "c:/Tools/Ostrel9"
                                          << "c:/Program Files/PowerPoint Viewer/PPView32.exe";
        QTest::newRow("file system root") << "/home/tech/Ostrel9"
                                          << "/Program Files/PowerPoint Viewer/PPView32.exe";
    }
    void defaultViewerPath()
    {
        QFETCH(QString, programFolder);
        QFETCH(QString, expected);
        QCOMPARE(::defaultViewerPath(programFolder), expected);
    }

    void impressRunsAndEndsItsShowProcess()
    {
        QTemporaryDir tools;
        const QString pidFile = tools.filePath("pid");
        const QString arguments = tools.filePath("arguments.txt");
        const QString soffice = tools.filePath("soffice");
        QVERIFY(writeFile(soffice, QStringLiteral("#!/bin/sh\necho $$ > '%1'\nprintf '%s\\n' "
                                                  "\"$@\" > '%2'\nexec sleep 60\n")
                                       .arg(pidFile, arguments)
                                       .toUtf8()));
        QFile::setPermissions(soffice, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString show = tools.filePath("Heat Loss.ppt");
        QVERIFY(writeFile(show));

        platform::ImpressProgram impress(soffice, tools.filePath("profile"));
        QVERIFY(!impress.Open(tools.filePath("missing.ppt"), false));
        QVERIFY(!impress.Open(tools.path(), false)); // a folder is no presentation
        auto presentation = impress.Open(show, false);
        QVERIFY(presentation);
        presentation->setShowType(1);
        presentation->Run();
        QTRY_VERIFY(readFile(arguments).endsWith(("--show\n" + show + "\n").toUtf8()));
        QVERIFY(readFile(arguments).startsWith("-env:UserInstallation=file://"));
        const QString pid = QString::fromUtf8(readFile(pidFile)).trimmed();
        QVERIFY(QFileInfo::exists("/proc/" + pid));
        presentation->Close();
        QVERIFY(!QFileInfo::exists("/proc/" + pid));

        // Quit ends a show still running.
        QFile::remove(pidFile);
        auto second = impress.Open(show, false);
        second->Run();
        QTRY_VERIFY(!readFile(pidFile).isEmpty());
        const QString secondPid = QString::fromUtf8(readFile(pidFile)).trimmed();
        impress.Quit();
        QVERIFY(!QFileInfo::exists("/proc/" + secondPid));
    }
};

OSTREL_GUI_TEST_MAIN(TestSlideShows)
#include "test_slideshows.moc"

#include "Database.h"
#include "ErrorReport.h"
#include "GuiTestMain.h"
#include "ListFunctions.h"
#include "MainWindowFixture.h"
#include "ProgramFolder.h"
#include "ProgramLog.h"
#include "ProgramState.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "vberror.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

using testsupport::ScriptedDialogs;

class TestServices : public QObject
{
    Q_OBJECT
private slots:
    void logSizeQuestion_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("asks");
        QTest::newRow("exactly 10,240 bytes") << 10240 << false;
        QTest::newRow("10,241 bytes") << 10241 << true;
    }
    void logSizeQuestion()
    {
        QFETCH(int, size);
        QFETCH(bool, asks);
        ProgramFolder folder;
        const QString path = folder.file("Ostrel7.log");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(size, 'x'));
        }
        ScriptedDialogs dialogs;
        if (asks)
            dialogs.expect(platform::MsgResult::Yes,
                           "The log file for this program has exceeded 10 "
                           "kilobytes.  If the information in this file "
                           "is needed for troubleshooting, then it should "
                           "be retained.  Otherwise it can be deleted.  "
                           "Delete the log file?");
        {
            ProgramLog log(dialogs);
            log.setFilename(path);
        }
        dialogs.verifyDone();
        if (asks) {
            QCOMPARE(dialogs.boxes().first().title, QStringLiteral("Program Log"));
            // Yes discarded the old file; the new entries follow.
            QVERIFY(folder.logTexts().startsWith("Program log discarded.  Starting new log."));
        } else {
            QVERIFY(folder.log().startsWith(QString(size, 'x')));
        }
        const QStringList texts = folder.logTexts();
        QVERIFY(texts.contains("ProgramLog object initialized."));
        QCOMPARE(texts.last(), QString());
    }

    void deletingAMissingLogStillLogs()
    {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        ProgramLog log(dialogs);
        log.setQuiet(true);
        log.setFilename(folder.file("Ostrel7.log"));
        log.DeleteLogFile();
        log.DeleteLogFile();
        QCOMPARE(folder.logTexts(), (QStringList{"Program log discarded.  Starting new log."}));
    }

    void settingsRoundTrip()
    {
        ProgramFolder folder;
        auto db = openUserDatabase(folder.file("Ostrel7_user.mdb"), "settings");
        QCOMPARE(GetAppSetting(db, "MRUTechnician"), QString());
        SaveAppSetting(db, "MRUTechnician", "3");
        SaveAppSetting(db, "MRUTechnician", "7");
        SaveAppSetting(db, "Quote'Key", "it's");
        QCOMPARE(GetAppSetting(db, "MRUTechnician"), QStringLiteral("7"));
        QCOMPARE(GetAppSetting(db, "Quote'Key"), QStringLiteral("it's"));
        QSqlQuery q =
            execSql(db, "SELECT COUNT(*) FROM Settings WHERE SettingName = ?", {"MRUTechnician"});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        q.finish();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("settings");
    }

    void listFunctions()
    {
        QComboBox list;
        QCOMPARE(LocateComboItemData(&list, 0), -1);
        QCOMPARE(ComboData(&list), -1);
        addComboItem(&list, "Alpha", 10);
        addComboItem(&list, "Beta", 20);
        addComboItem(&list, "beta", 30);
        list.setCurrentIndex(-1);
        QCOMPARE(ComboData(&list), -1);
        list.setCurrentIndex(2);
        QCOMPARE(ComboData(&list), 30);
        QCOMPARE(LocateComboItemData(&list, 20), 1);
        QCOMPARE(LocateComboItemData(&list, 99), -1);
        QCOMPARE(LocateComboText(&list, "beta"), 2);
        QCOMPARE(LocateComboText(&list, "BETA"), -1);
        QCOMPARE(Max(0, 0.0001), 0.0001);
        QCOMPARE(Max(-0.0, 0.0), 0.0);
        QVERIFY(!std::signbit(Max(-0.0, 0.0))); // equal values give the second
    }

    void saveableTextCutsToTheDeclaredSize()
    {
        ProgramFolder folder;
        auto db = openUserDatabase(folder.file("Ostrel7_user.mdb"), "sizes");
        const int size = fieldSize(db, "Technicians", "TechName");
        QVERIFY(size > 0);
        QLineEdit box;
        box.setText(QString(size, 'a'));
        SaveableText(db, "Technicians", "TechName", &box);
        QCOMPARE(box.text().size(), size);
        box.setText(QString(size + 5, 'b'));
        QCOMPARE(SaveableText(db, "Technicians", "TechName", &box), &box);
        QCOMPARE(box.text(), QString(size, 'b'));
        // A character outside the basic plane is never split.
        const QString emoji = QString::fromUtf8("\xF0\x9F\x8F\xA0");
        QCOMPARE(fitText(QString(3, 'c') + emoji, 4), QString(3, 'c'));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("sizes");
    }

    void handledErrorsAreLoggedAndShown()
    {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        ProgramState state(folder.path(), dialogs);
        state.gLog.setQuiet(true);
        state.gLog.setFilename(folder.file("Ostrel7.log"));
        state.gstrErrorLoggedNote = "\r\n\r\nNOTE";
        dialogs.expect(platform::MsgResult::OK,
                       "An error occurred while preparing to calculate your "
                       "results.  Please ensure that your entries are "
                       "valid.\r\n\r\nNOTE");
        logHandledError(state, HandledError::Preparing, "HLCalculate", vbrt::Error(13));
        dialogs.verifyDone();
        QVERIFY(folder.logTexts().contains(
            "An error occurred while preparing to calculate results in frmHVACMain.HLCalculate.  "
            "Error number:  13.  Error Text:  'Type mismatch'"));
    }

    void unhandledErrorIsReportedLoggedAndEnds()
    {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        ProgramState state(folder.path(), dialogs);
        state.gLog.setQuiet(true);
        state.gLog.setFilename(folder.file("Ostrel7.log"));
        bool ended = false;
        state.endProgram = [&] { ended = true; };
        dialogs.expect(platform::MsgResult::OK, "Run-time error '6':\n\nOverflow");
        reportUnhandledError(state, toError(std::make_exception_ptr(vbrt::Error(6))));
        dialogs.verifyDone();
        QVERIFY(ended);
        QVERIFY(folder.log().contains("Run-time error '6': Overflow"));
    }

    // The same error in an event of a whole program run reaches the program's own report
    // through the shared fixture, so that an unscripted one fails the test.
    void unhandledErrorInARunGetsTheProgramsReport()
    {
        MainWindowFixture run;
        QVERIFY(run.start());
        run.dialogs.expect(platform::MsgResult::OK, "Run-time error '6':\n\nOverflow");
        QTimer::singleShot(0, run.window.get(), [] { throw vbrt::Error(6); });
        QVERIFY(QTest::qWaitFor([&run] { return run.programEnded(); }));
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(run.unhandledErrors(), QStringList{QStringLiteral("6: Overflow")});
        QVERIFY(run.folder.log().contains("Run-time error '6': Overflow"));
    }
};

OSTREL_GUI_TEST_MAIN(TestServices)
#include "test_services.moc"

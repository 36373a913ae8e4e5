#include "Database.h"
#include "GuiTestMain.h"
#include "MainWindowFixture.h"
#include "Pages.h"
#include "SeededProgram.h"
#include "ui_HomePage.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QScreen>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

namespace {

int count(const QSqlDatabase& db, const QString& sql, std::initializer_list<QVariant> values = {})
{
    QSqlQuery q = execSql(db, sql, values);
    return q.next() ? q.value(0).toInt() : -1;
}

QStringList suppliedTables(const QString& file)
{
    QStringList names;
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
        db.setDatabaseName(file);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
        while (q.next())
            names << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    return names;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void freshFolderStartsReady()
    {
        MainWindowFixture run;
        QVERIFY(run.folder.isValid());
        // A log of an earlier run is discarded.
        {
            QFile old(run.folder.file("Ostrel7.log"));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old run\n");
        }
        QVERIFY(run.start());

        const QStringList log = run.folder.logTexts();
        QVERIFY(!log.isEmpty());
        QCOMPARE(log.first(), QStringLiteral("Program log discarded.  Starting new log."));
        QVERIFY(!run.folder.log().contains("old run"));

        auto& form = run.form();
        QCOMPARE(run.form().session.gintClientID(), -1);
        QCOMPARE(form.session.mintCurrentHltID, -1);
        QCOMPARE(form.session.mintCurrentDlaID, -1);
        QCOMPARE(form.session.mintCurrentFHTestID, -1);
        QVERIFY(form.mblnFormReady);
        QVERIFY(!form.session.mblnDataChanged);
        QVERIFY(form.session.mblnShowValidationMessages);
        QCOMPARE(form.tabMain->currentIndex(), 0);
        const QStringList captions{pages::Home,     pages::ClientSurvey, pages::HouseLeakage,
                                   pages::FlowHood, pages::Efficiency,   pages::Media};
        QCOMPARE(form.tabMain->count(), captions.size());
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(form.tabMain->tabText(i), captions[i]);
        QVERIFY(form.windowTitle().endsWith(" *****DEBUGGING DISABLED FOR TESTING******"));
        QCOMPARE(form.home->zlblAppRevision->text(), QStringLiteral("Version 9.0.1"));
        QVERIFY(
            run.state->gstrErrorLoggedNote.startsWith("\r\n\r\nThis error has been logged to "));
        QVERIFY(run.state->gstrErrorLoggedNote.endsWith(
            "Ostrel7.log.  This file will be overwritten the next time you run this program."));
        QVERIFY(form.home->picTab1->pixmap().isNull() ==
                !QFile::exists(run.folder.file("homepage.jpg")));
        run.dialogs.verifyDone();
    }

    void linksAreRebuiltEveryStart()
    {
        MainWindowFixture run;
        // A stale link of an earlier run, to a table the supplied file no longer has.
        {
            auto db = openUserDatabase(run.folder.file("Ostrel7_user.mdb"), "stale");
            execSql(db,
                    "INSERT INTO MSysLinks (LinkName, SourceDatabase, RemoteName) VALUES (?, ?, ?)",
                    {"OldTable", run.folder.file("Ostrel7_supp.mdb"), "OldTable"});
            db.close();
        }
        QSqlDatabase::removeDatabase("stale");
        QVERIFY(run.start());
        const auto& db = run.state->gcnnUser;
        QStringList tables = suppliedTables(run.folder.file("Ostrel7_supp.mdb"));
        tables.removeIf(
            [](const QString& t) { return t.startsWith("Msys") || t.startsWith("sqlite_"); });
        QCOMPARE(count(db, "SELECT COUNT(*) FROM MSysLinks"), tables.size());
        QCOMPARE(count(db, "SELECT COUNT(*) FROM MSysLinks WHERE LinkName = 'OldTable'"), 0);
        for (const auto& t : tables) {
            QCOMPARE(count(db,
                           "SELECT COUNT(*) FROM MSysLinks WHERE LinkName = ? AND RemoteName = ?",
                           {t, t}),
                     1);
            // Each link is reachable under its own name.
            QVERIFY(count(db, QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(t)) >= 0);
        }
        run.dialogs.verifyDone();
    }

    void unwritableUserDatabaseIsRefused()
    {
        MainWindowFixture run;
        // Another program holds the write lock: the links cannot be removed.
        auto blocker = QSqlDatabase::addDatabase("QSQLITE", "blocker");
        blocker.setDatabaseName(run.folder.file("Ostrel7_user.mdb"));
        QVERIFY(blocker.open());
        QSqlQuery lock(blocker);
        QVERIFY(lock.exec("BEGIN EXCLUSIVE"));
        run.dialogs.expect(platform::MsgResult::OK,
                           "Unable to access MsysObjects table in program database, probably "
                           "because of insufficient permissions.");
        QVERIFY(!run.start());
        QVERIFY(run.startError().has_value());
        lock.exec("ROLLBACK");
        blocker.close();
        blocker = QSqlDatabase();
        QSqlDatabase::removeDatabase("blocker");
        run.dialogs.verifyDone();
    }

    void lastTechnicianIsChosenAndContinueTakesTheFocus()
    {
        MainWindowFixture run;
        testsupport::SeededProgram(run.folder)
            .technician(QStringLiteral("Ann"), false)
            .technician(QStringLiteral("Bob"));
        QVERIFY(run.start());
        QVERIFY(run.activate());
        auto& home = *run.form().home;
        QCOMPARE(home.cmbTechnician->currentText(), QStringLiteral("Bob"));
        QVERIFY(home.cmdContinueFromHome->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), home.cmdContinueFromHome);
        run.dialogs.verifyDone();
    }

    void mainWindowFitsTheScreenAndItsAreaScrolls()
    {
        MainWindowFixture run;
        QVERIFY(run.start());
        MDIMain& window = *run.window;
        const QRect area = window.screen()->availableGeometry();
        // The screen here is narrower than the main form, which keeps its designed size.
        QVERIFY(run.form().width() > area.width());
        QVERIFY(area.contains(window.frameGeometry()));
        auto* mdi = window.findChild<QMdiArea*>();
        QVERIFY(mdi);
        QTRY_VERIFY(mdi->horizontalScrollBar()->isVisible());
        for (QScrollBar* bar : {mdi->horizontalScrollBar(), mdi->verticalScrollBar()})
            bar->setValue(bar->maximum());
        // Scrolled to the end, the form's bottom right corner is in view.
        const QWidget* last = run.form().home->cmdContinueFromHome;
        const QPoint corner = last->mapTo(mdi->viewport(), QPoint(last->width(), last->height()));
        QVERIFY(mdi->viewport()->rect().contains(corner - QPoint(1, 1)));
        run.dialogs.verifyDone();
    }

    void withoutATechnicianContinueIsDisabled()
    {
        MainWindowFixture run;
        QVERIFY(run.start());
        QCOMPARE(run.form().home->cmbTechnician->currentIndex(), -1);
        QVERIFY(!run.form().home->cmdContinueFromHome->isEnabled());
        run.dialogs.verifyDone();
    }

    void missingHomePictureIsLoggedNotFatal()
    {
        MainWindowFixture run;
        QFile::remove(run.folder.file("homepage.jpg"));
        QVERIFY(run.start());
        QVERIFY(run.form().home->picTab1->pixmap().isNull());
        QVERIFY(run.folder.log().contains("homepage.jpg"));
        run.dialogs.verifyDone();
    }

    void closingWritesTheClosingEntries()
    {
        MainWindowFixture run;
        QVERIFY(run.start());
        run.close();
        QVERIFY(!run.state->gcnnUser.isOpen());
        run.window.reset();
        run.state.reset();
        const QStringList log = run.folder.logTexts();
        QCOMPARE(log.mid(log.size() - 2), (QStringList{"ProgramLog terminating.", ""}));
    }
};

OSTREL_GUI_TEST_MAIN(TestStartup)
#include "test_startup.moc"

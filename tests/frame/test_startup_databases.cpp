// Start-up with database files that are missing, damaged, foreign, newer, locked or
// write-protected: one clear message naming the file, a log entry with the technical text, the
// end of the start-up, and a user database left exactly as it was.
#include "GuiTestMain.h"
#include "MainWindowFixture.h"
#include "OtherProgramLock.h"
#include "SchemaUpgrade.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <functional>

using platform::MsgResult;

namespace {

QByteArray hashOf(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Runs statements on a file the way another program (or a person with sqlite3) would.
bool runSql(const QString& file, const QStringList& statements)
{
    bool ok = true;
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("editor"));
        db.setDatabaseName(file);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString& sql : statements) {
            if (ok && !q.exec(sql)) {
                qWarning() << sql << q.lastError().text();
                ok = false;
            }
        }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("editor"));
    return ok;
}

bool overwrite(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(QByteArray(8192, '\x5a')) == 8192;
}

bool chattr(const QString& flag, const QString& file)
{
    return QProcess::execute(QStringLiteral("chattr"), {flag, file}) == 0;
}

using Damage = std::function<bool(ProgramFolder&)>;

} // namespace

Q_DECLARE_METATYPE(Damage)

class TestStartupDatabases : public QObject
{
    Q_OBJECT
private slots:
    void unfitFileEndsStartUpUnwritten_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("todo");
        const QString user = QStringLiteral("Ostrel7_user.mdb");
        const QString supp = QStringLiteral("Ostrel7_supp.mdb");
        const QString reinstall = QStringLiteral("Rebuild or reinstall the program");
        const QString restore = QStringLiteral("Restore");

        QTest::newRow("supplied missing")
            << Damage([](ProgramFolder& f) { return QFile::remove(f.file("Ostrel7_supp.mdb")); })
            << supp << "could not be found." << reinstall;
        QTest::newRow("supplied damaged")
            << Damage([](ProgramFolder& f) { return overwrite(f.file("Ostrel7_supp.mdb")); })
            << supp << "is damaged or is not a database." << reinstall;
        QTest::newRow("supplied missing a table") << Damage([](ProgramFolder& f) {
            return runSql(f.file("Ostrel7_supp.mdb"), {"DROP TABLE Ranges"});
        }) << supp << "has no table \"Ranges\"." << reinstall;
        QTest::newRow("user missing")
            << Damage([](ProgramFolder& f) { return QFile::remove(f.file("Ostrel7_user.mdb")); })
            << user << "could not be found."
            << "create an empty one";
        QTest::newRow("user missing a table") << Damage([](ProgramFolder& f) {
            return runSql(f.file("Ostrel7_user.mdb"), {"DROP TABLE Technicians"});
        }) << user << "has no table \"Technicians\"."
                                              << restore;
        QTest::newRow("user damaged")
            << Damage([](ProgramFolder& f) { return overwrite(f.file("Ostrel7_user.mdb")); })
            << user << "is damaged or is not a database." << restore;
        QTest::newRow("user of no known schema") << Damage([](ProgramFolder& f) {
            return runSql(f.file("Ostrel7_user.mdb"), {"PRAGMA user_version = 0"});
        }) << user << "is not a database of this program."
                                                 << restore;
        QTest::newRow("user of a newer version") << Damage([](ProgramFolder& f) {
            return runSql(f.file("Ostrel7_user.mdb"), {"PRAGMA user_version = 99"});
        }) << user << "was made by a newer version of this program"
                                                 << "newer version";
        QTest::newRow("user of the next version, with a column added")
            << Damage([](ProgramFolder& f) {
                   return runSql(
                       f.file("Ostrel7_user.mdb"),
                       {"ALTER TABLE Clients ADD COLUMN ClientEmail TEXT(80)",
                        QStringLiteral("PRAGMA user_version = %1").arg(UserSchemaVersion + 1)});
               })
            << user << "was made by a newer version of this program"
            << "newer version";
    }

    void unfitFileEndsStartUpUnwritten()
    {
        QFETCH(Damage, damage);
        QFETCH(QString, file);
        QFETCH(QString, says);
        QFETCH(QString, todo);
        MainWindowFixture run;
        QVERIFY(damage(run.folder));
        const QString userFile = run.folder.file("Ostrel7_user.mdb");
        const QByteArray before = hashOf(userFile);

        run.dialogs.expect(MsgResult::OK, says);
        QVERIFY(!run.start());
        VERIFY_DIALOGS_DONE(run.dialogs);
        const auto box = run.dialogs.lastBox();
        QVERIFY2(box.text.contains(run.folder.file(file)), qPrintable(box.text));
        QVERIFY2(box.text.contains(todo), qPrintable(box.text));
        QVERIFY(box.text.endsWith(run.state->gstrErrorLoggedNote));
        QCOMPARE(box.icon, platform::MsgIcon::Critical);
        for (const char* sql : {"SELECT", "sqlite", "PRAGMA", "no such"})
            QVERIFY2(!box.text.contains(QLatin1String(sql)), qPrintable(box.text));
        // The log has what went wrong, for whoever helps the user.
        QVERIFY(run.folder.log().contains("Start-up ended: "));
        QVERIFY(run.folder.log().contains("Error Text:  '"));
        QCOMPARE(hashOf(userFile), before);
        QVERIFY(!run.state->gcnnUser.isOpen());
    }

    void unreadableColumnEndsStartUpWithoutSql()
    {
        MainWindowFixture run;
        QVERIFY(runSql(run.folder.file("Ostrel7_user.mdb"),
                       {"ALTER TABLE Technicians RENAME COLUMN TechName TO FullName"}));
        run.dialogs.expect(MsgResult::OK, "The program could not prepare its database");
        QVERIFY(!run.start());
        VERIFY_DIALOGS_DONE(run.dialogs);
        const QString text = run.dialogs.lastBox().text;
        QVERIFY(text.contains(run.folder.file("Ostrel7_user.mdb")));
        QVERIFY(text.contains("Restore it from a backup copy."));
        QVERIFY2(!text.contains("SELECT") && !text.contains("TechName"), qPrintable(text));
        QVERIFY(run.folder.log().contains("no such column"));
    }

    void suppliedDatabaseLockedByAnotherProgram()
    {
        MainWindowFixture run;
        OtherProgramLock lock(run.folder.file("Ostrel7_supp.mdb"));
        QVERIFY2(lock.isHeld(), qPrintable(lock.problem()));
        const QByteArray before = hashOf(run.folder.file("Ostrel7_user.mdb"));
        run.dialogs.expect(MsgResult::OK, "is in use by another program.");
        QVERIFY(!run.start());
        lock.release();
        VERIFY_DIALOGS_DONE(run.dialogs);
        QVERIFY(run.dialogs.lastBox().text.contains(run.folder.file("Ostrel7_supp.mdb")));
        QCOMPARE(hashOf(run.folder.file("Ostrel7_user.mdb")), before);
    }

    void writeProtectedUserDatabaseIsRefused_data()
    {
        QTest::addColumn<bool>("withLinks");
        QTest::newRow("no links") << false;
        QTest::newRow("links of an earlier run") << true;
    }

    void writeProtectedUserDatabaseIsRefused()
    {
        QFETCH(bool, withLinks);
        MainWindowFixture run;
        const QString user = run.folder.file("Ostrel7_user.mdb");
        if (withLinks) {
            MainWindowFixture earlier;
            QVERIFY(QFile::remove(earlier.folder.file("Ostrel7_user.mdb")));
            QVERIFY(QFile::copy(user, earlier.folder.file("Ostrel7_user.mdb")));
            QVERIFY(earlier.start());
            earlier.close();
            earlier.window.reset();
            earlier.state.reset();
            QVERIFY(QFile::remove(user));
            QVERIFY(QFile::copy(earlier.folder.file("Ostrel7_user.mdb"), user));
        }
        if (!chattr("+i", user))
            QSKIP("chattr +i is not supported here");
        const QByteArray before = hashOf(user);
        run.dialogs.expect(MsgResult::OK,
                           "Unable to access MsysObjects table in program database, probably "
                           "because of insufficient permissions.");
        const bool started = run.start();
        chattr("-i", user);
        QVERIFY(!started);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(hashOf(user), before);
    }
};

OSTREL_GUI_TEST_MAIN(TestStartupDatabases)
#include "test_startup_databases.moc"

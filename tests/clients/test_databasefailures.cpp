// A user database that fails while the program runs: another program holding a lock, a file
// made write-protected. The action is told and undone, the entries stay, the program goes on.
#include "DatabaseError.h"
#include "GuiTestMain.h"
#include "OtherProgramLock.h"
#include "ProgramDriving.h"

#include <QElapsedTimer>
#include <QProcess>

using namespace driving;

namespace {

const QString Locked = QStringLiteral("Another program is using the database.");

// chattr +i on a file for the life of the object; root ignores ordinary permissions.
class WriteProtection
{
public:
    explicit WriteProtection(QString file) : m_file(std::move(file))
    {
        m_on = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_file}) == 0;
    }
    ~WriteProtection() { off(); }
    void off()
    {
        if (m_on)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_file});
        m_on = false;
    }
    bool isOn() const { return m_on; }

private:
    QString m_file;
    bool m_on = false;
};

// A named client begun with valid house data, waiting to be saved.
void enterClient(frmHVACMain& form)
{
    auto* ui = form.survey.get();
    beginNewClient(form);
    typeAndLeave(ui->txtClientName, "Ann Lee");
    typeAndLeave(ui->txtClientStreet, "12 Elm St");
    typeAndLeave(ui->txtHLLivingArea, "1800");
    typeAndLeave(ui->txtHLBedrooms, "3");
}

} // namespace

class TestDatabaseFailures : public QObject
{
    Q_OBJECT
private slots:
    void lockedDatabaseRefusesTheTechnicianAndKeepsTheName()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        const QString user = run.folder.file("Ostrel7_user.mdb");
        {
            OtherProgramLock lock(user);
            QVERIFY2(lock.isHeld(), qPrintable(lock.problem()));
            run.dialogs.expect(MsgResult::OK, "The technician could not be added.");
            QElapsedTimer waited;
            waited.start();
            addTechnician(form, "Tess");
            // The lock was waited for before giving up.
            QVERIFY(waited.elapsed() >= DatabaseLockWaitMs - 500);
        }
        VERIFY_DIALOGS_DONE(run.dialogs);
        const auto box = run.dialogs.lastBox();
        QVERIFY(box.text.contains(Locked));
        QVERIFY(box.text.endsWith(run.state->gstrErrorLoggedNote));
        QCOMPARE(box.icon, platform::MsgIcon::Exclamation);
        QVERIFY(!run.programEnded());
        // The technical text is logged, not shown.
        QVERIFY(!box.text.contains("SELECT") && !box.text.contains("INSERT"));
        QVERIFY(run.folder.log().contains(
            "A database error occurred: The technician could not be added."));
        QVERIFY(run.folder.log().contains("database is locked"));
        // Nothing was written; the name waits to be tried again.
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM Technicians"), 0);
        QCOMPARE(form.home->txtAddTechnician->text(), QStringLiteral("Tess"));
        QCOMPARE(form.home->cmbTechnician->count(), 0);

        form.home->txtAddTechnician->setFocus();
        QTest::keyClick(form.home->txtAddTechnician, Qt::Key_Return);
        QCOMPARE(form.home->cmbTechnician->currentText(), QStringLiteral("Tess"));
        QVERIFY(form.home->txtAddTechnician->text().isEmpty());
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM Technicians"), 1);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void aShortLockIsWaitedOut()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        OtherProgramLock lock(run.folder.file("Ostrel7_user.mdb"), "EXCLUSIVE", 1500);
        QVERIFY2(lock.isHeld(), qPrintable(lock.problem()));
        addTechnician(run.form(), "Tess");
        QCOMPARE(run.form().home->cmbTechnician->currentText(), QStringLiteral("Tess"));
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM Technicians"), 1);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void lockedDatabaseRefusesTheClientSave_data()
    {
        QTest::addColumn<bool>("leavingThePage");
        QTest::newRow("Save & Continue") << false;
        QTest::newRow("Yes to saving on leaving the page") << true;
    }

    void lockedDatabaseRefusesTheClientSave()
    {
        QFETCH(bool, leavingThePage);
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        auto* ui = form.survey.get();
        enterClient(form);
        // Whatever lock the other program holds, a write has to wait for it.
        OtherProgramLock lock(run.folder.file("Ostrel7_user.mdb"),
                              leavingThePage ? "EXCLUSIVE" : "IMMEDIATE");
        QVERIFY2(lock.isHeld(), qPrintable(lock.problem()));
        if (leavingThePage) {
            run.dialogs.expect(MsgResult::Yes, "Save changes before switching tabs?");
            run.dialogs.expect(MsgResult::OK, "The client could not be saved.");
            form.tabMain->setCurrentWidget(form.pageHome);
        } else {
            run.dialogs.expect(MsgResult::OK, "The client could not be saved.");
            QTest::mouseClick(ui->cmdSaveClient, Qt::LeftButton);
        }
        lock.release();
        VERIFY_DIALOGS_DONE(run.dialogs);
        QVERIFY(run.dialogs.lastBox().text.contains(Locked));
        QVERIFY(!run.programEnded());
        // Still on the page with every entry, still a new client waiting to be saved.
        QCOMPARE(shownPage(form), pages::ClientSurvey);
        QCOMPARE(ui->txtClientName->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(ui->txtClientStreet->text(), QStringLiteral("12 Elm St"));
        QCOMPARE(ui->txtHLLivingArea->text(), QStringLiteral("1,800"));
        QCOMPARE(ui->cmdSaveClient->text(), ClientRecords::SaveCaption);
        QVERIFY(form.clients->isNewClient());
        QCOMPARE(run.form().session.gintClientID(), -1);
        QVERIFY(form.session.mblnDataChanged);
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM Clients"), 0);

        // Once the other program is done the same entries are saved, once.
        QTest::mouseClick(ui->cmdSaveClient, Qt::LeftButton);
        QCOMPARE(shownPage(form), pages::HouseLeakage);
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM Clients"), 1);
        QCOMPARE(clientRow(run.state->gcnnUser, run.form().session.gintClientID())
                     .value("ClientName")
                     .toString(),
                 QStringLiteral("Ann Lee"));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void lockedDatabaseKeepsTheClientOnDelete()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        addTechnician(form, "Tess");
        const int32_t id = insertClient(run.state->gcnnUser, "Ann Lee");
        QVERIFY(selectClient(form, id));
        OtherProgramLock lock(run.folder.file("Ostrel7_user.mdb"));
        QVERIFY2(lock.isHeld(), qPrintable(lock.problem()));
        run.dialogs.expect(MsgResult::Yes, "Do you want to delete this client?");
        run.dialogs.expect(MsgResult::OK, "The client could not be deleted.");
        QTest::mouseClick(form.home->cmdDeleteClient, Qt::LeftButton);
        lock.release();
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(run.form().session.gintClientID(), id);
        QCOMPARE(form.survey->txtClientName->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(form.home->cmbClientSelect->currentData().toInt(), id);
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM Clients"), 1);
    }

    void fileMadeWriteProtectedIsToldAsReadOnly()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        WriteProtection readOnly(run.folder.file("Ostrel7_user.mdb"));
        if (!readOnly.isOn())
            QSKIP("chattr +i is not supported here");
        run.dialogs.expect(MsgResult::OK, "The technician could not be added.");
        addTechnician(form, "Tess");
        readOnly.off();
        VERIFY_DIALOGS_DONE(run.dialogs);
        QVERIFY(run.dialogs.lastBox().text.contains("The database file is read-only"));
        QVERIFY(!run.programEnded());
        QCOMPARE(form.home->txtAddTechnician->text(), QStringLiteral("Tess"));
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM Technicians"), 0);
    }
};

OSTREL_GUI_TEST_MAIN(TestDatabaseFailures)
#include "test_databasefailures.moc"

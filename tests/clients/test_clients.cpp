#include "GuiTestMain.h"
#include "ProgramDriving.h"
#include "vbdate.h"
#include "vberror.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

using namespace driving;

namespace {

const QString NameRequired =
    QStringLiteral("Every client must have a name. Please enter a name for this client.");

void addTests(const QSqlDatabase& db, int32_t clientId)
{
    testsupport::SeededProgram(db)
        .houseLeakageTest({{"ClientId", clientId}})
        .efficiencyAnalysis({{"ClientID", clientId}})
        .flowHoodTest({{"ClientID", clientId}});
}

int testRows(const QSqlDatabase& db, int32_t clientId)
{
    int rows = 0;
    for (const char* table : {"[House Leakage Tests]", "[Duct Leak Analysis]", "[Flow Hood Tests]"})
        rows += count(db, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ClientID = ?").arg(table),
                      {clientId});
    return rows;
}

} // namespace

class TestClients : public QObject
{
    Q_OBJECT
private slots:
    void startsWithTheClientDataLocked()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        QVERIFY(!form.survey->txtClientName->isEnabled());
        QVERIFY(!form.survey->txtHLBedrooms->isEnabled());
        QVERIFY(!form.survey->cmbSurveyYesNo_7->isEnabled());
        QVERIFY(!form.survey->cmdClientComments->isEnabled());
        QVERIFY(!form.home->cmdDeleteClient->isEnabled());
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        QCOMPARE(form.home->cmbClientSelect->currentIndex(), -1);
        QVERIFY(form.survey->cmbClientCity->findText("Boston") >= 0);
        QVERIFY(form.survey->cmbClientState->findText("MA") >= 0);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void newClientIsSavedAndFoundAfterRestart()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        auto* ui = form.survey.get();
        beginNewClient(form);
        QCOMPARE(shownPage(form), pages::ClientSurvey);
        QCOMPARE(ui->cmdSaveClient->text(), ClientRecords::SaveCaption);
        QVERIFY(form.clients->isNewClient());
        QVERIFY(vbrt::isDate(ui->txtClientEnteredDate->text()));
        QCOMPARE(ui->txtHLCeilingHeight->text(), QStringLiteral("8"));
        QVERIFY(!form.home->lblEnterNewClientInfo->isHidden());
        QVERIFY(hasFocus(ui->txtClientName));

        // An apostrophe is part of the name like any other character.
        typeAndLeave(ui->txtClientName, "O'Brien");
        typeAndLeave(ui->txtClientStreet, "12 Elm St");
        typeAndLeave(ui->cmbClientCity, "Boston");
        typeAndLeave(ui->cmbClientState, "MA");
        typeAndLeave(ui->txtHLLivingArea, "1800");
        QCOMPARE(ui->txtHLLivingArea->text(), QStringLiteral("1,800"));
        ui->cmbHLStories->setCurrentIndex(ui->cmbHLStories->findText("2 Stories"));
        typeAndLeave(ui->txtHLCeilingHeight, "8.5");
        typeAndLeave(ui->txtHLBedrooms, "3");
        QVERIFY(form.session.mblnDataChanged);
        const QString dateShown = ui->txtClientEnteredDate->text();
        const QString climate = form.session.mstrClimateUniqueID();
        QVERIFY(!climate.isEmpty());

        QTest::mouseClick(ui->cmdSaveClient, Qt::LeftButton);
        QCOMPARE(shownPage(form), pages::HouseLeakage);
        QCOMPARE(ui->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        QVERIFY(!form.clients->isNewClient());
        const int32_t id = run.form().session.gintClientID();
        QVERIFY(id > 0);
        QCOMPARE(form.home->cmbClientSelect->currentData().toInt(), id);
        QVERIFY(form.home->lblEnterNewClientInfo->isHidden());

        const QSqlRecord row = clientRow(run.state->gcnnUser, id);
        QCOMPARE(row.value("ClientName").toString(), QStringLiteral("O'Brien"));
        QCOMPARE(row.value("ClientAddress").toString(), QStringLiteral("12 Elm St"));
        QCOMPARE(row.value("ClientCity").toString(), QStringLiteral("Boston"));
        QCOMPARE(row.value("ClientState").toString(), QStringLiteral("MA"));
        QCOMPARE(row.value("HltLivingArea").toInt(), 1800);
        QCOMPARE(row.value("HltStories").toInt(), 2);
        QCOMPARE(row.value("StoriesText").toString(), QStringLiteral("2 Stories"));
        QCOMPARE(row.value("HltAverageCeilingHeight").toDouble(), 8.5);
        QCOMPARE(row.value("HltBedrooms").toDouble(), 3.0);
        QCOMPARE(row.value("ZoneID").toString(), climate);
        QCOMPARE(row.value("ClientDateAdded").toDateTime(), *vbrt::parseDate(dateShown));

        QVERIFY(restart(run));
        auto& again = run.form();
        QComboBox* list = again.home->cmbClientSelect;
        QCOMPARE(list->currentIndex(), -1);
        const int index = list->findText("O'Brien");
        QVERIFY(index >= 0);
        list->setCurrentIndex(index);
        QCOMPARE(run.form().session.gintClientID(), id);
        auto* shown = again.survey.get();
        QCOMPARE(shown->txtClientName->text(), QStringLiteral("O'Brien"));
        QCOMPARE(shown->txtClientStreet->text(), QStringLiteral("12 Elm St"));
        QCOMPARE(shown->cmbClientCity->currentText(), QStringLiteral("Boston"));
        QCOMPARE(shown->cmbClientState->currentText(), QStringLiteral("MA"));
        QCOMPARE(shown->txtClientEnteredDate->text(), dateShown);
        QCOMPARE(shown->txtHLLivingArea->text(), QStringLiteral("1,800"));
        QCOMPARE(shown->cmbHLStories->currentText(), QStringLiteral("2 Stories"));
        QCOMPARE(shown->txtHLCeilingHeight->text(), QStringLiteral("8.5"));
        QCOMPARE(shown->txtHLBedrooms->text(), QStringLiteral("3"));
        QCOMPARE(again.session.mstrClimateUniqueID(), climate);
        QCOMPARE(shown->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        QVERIFY(shown->txtClientName->isEnabled());
        QVERIFY(again.home->cmdDeleteClient->isEnabled());
        QVERIFY(!again.session.mblnDataChanged);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void continueWritesNothing()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        addTechnician(form, "Tess");
        const auto& db = run.state->gcnnUser;
        const int32_t id = insertClient(
            db, "Ann",
            {{"ClientDateAdded", QDateTime({2020, 1, 2}, {3, 4})}, {"HltLivingArea", 1200}});
        QVERIFY(selectClient(form, id));
        form.tabMain->setCurrentWidget(form.pageClientSurvey);
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        // Whatever the boxes show now is not written while nothing is pending.
        {
            const QSignalBlocker block(form.survey->txtClientName);
            form.survey->txtClientName->setText("Changed behind the caption");
        }
        QTest::mouseClick(form.survey->cmdSaveClient, Qt::LeftButton);
        QCOMPARE(shownPage(form), pages::HouseLeakage);
        const QSqlRecord row = clientRow(db, id);
        QCOMPARE(row.value("ClientName").toString(), QStringLiteral("Ann"));
        QCOMPARE(row.value("ClientDateAdded").toDateTime(), QDateTime({2020, 1, 2}, {3, 4}));
        QVERIFY(row.value("ZoneID").isNull());
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void clientWithoutNameIsNotSaved()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        beginNewClient(form);
        typeAndLeave(form.survey->txtHLLivingArea, "1500");
        run.dialogs.expect(MsgResult::OK, NameRequired);
        QTest::mouseClick(form.survey->cmdSaveClient, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM Clients"), 0);
        QCOMPARE(shownPage(form), pages::ClientSurvey);
        QVERIFY(hasFocus(form.survey->txtClientName));

        // Emptying the name of a client says the same at once.
        typeAndLeave(form.survey->txtClientName, "Ann");
        run.dialogs.expect(MsgResult::OK, NameRequired);
        type(form.survey->txtClientName, "");
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void doubleQuotesAreStoredAsApostrophes()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        auto* ui = form.survey.get();
        beginNewClient(form);
        typeAndLeave(ui->txtClientName, "Bob \"Sparky\" Lee");
        QCOMPARE(ui->txtClientName->text(), QStringLiteral("Bob 'Sparky' Lee"));
        typeAndLeave(ui->txtClientStreet, "1 \"Old\" Rd");
        typeAndLeave(ui->cmbClientCity, "North \"Bay\"");
        QCOMPARE(ui->cmbClientCity->currentText(), QStringLiteral("North 'Bay'"));
        typeAndLeave(ui->txtHLLivingArea, "1500");
        typeAndLeave(ui->txtHLBedrooms, "2");
        QVERIFY(form.clients->SaveThisClient());
        const QSqlRecord row = clientRow(run.state->gcnnUser, run.form().session.gintClientID());
        QCOMPARE(row.value("ClientName").toString(), QStringLiteral("Bob 'Sparky' Lee"));
        QCOMPARE(row.value("ClientAddress").toString(), QStringLiteral("1 'Old' Rd"));
        QCOMPARE(row.value("ClientCity").toString(), QStringLiteral("North 'Bay'"));
        // A city typed that is not in the list still shows once the client is loaded again.
        QCOMPARE(ui->cmbClientCity->currentText(), QStringLiteral("North 'Bay'"));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void leavingThePageSavesOrDiscardsTheEdits()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        auto* ui = form.survey.get();
        addTechnician(form, "Tess");
        const auto& db = run.state->gcnnUser;
        const int32_t id = insertClient(db, "Ann",
                                        {{"ClientAddress", "1 Oak"},
                                         {"HltLivingArea", 1200},
                                         {"HltAverageCeilingHeight", 8},
                                         {"HltBedrooms", 2}});
        QVERIFY(selectClient(form, id));
        form.tabMain->setCurrentWidget(form.pageClientSurvey);

        typeAndLeave(ui->txtClientStreet, "2 Pine");
        QCOMPARE(ui->cmdSaveClient->text(), ClientRecords::SaveCaption);
        run.dialogs.expect(MsgResult::No, "Save changes before switching tabs?");
        form.tabMain->setCurrentWidget(form.pageHome);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(ui->txtClientStreet->text(), QStringLiteral("1 Oak"));
        QCOMPARE(ui->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        QCOMPARE(clientRow(db, id).value("ClientAddress").toString(), QStringLiteral("1 Oak"));

        form.tabMain->setCurrentWidget(form.pageClientSurvey);
        typeAndLeave(ui->txtClientStreet, "3 Ash");
        run.dialogs.expect(MsgResult::Yes, "Save changes before switching tabs?");
        form.tabMain->setCurrentWidget(form.pageHome);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(clientRow(db, id).value("ClientAddress").toString(), QStringLiteral("3 Ash"));
        QCOMPARE(ui->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM Clients"), 1);
    }

    void deleteRemovesTheClientAndAllItsTests()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        addTechnician(form, "Tess");
        const auto& db = run.state->gcnnUser;
        const int32_t gone = insertClient(db, "O'Hara");
        const int32_t kept = insertClient(db, "Kept");
        addTests(db, gone);
        addTests(db, kept);
        QVERIFY(selectClient(form, gone));
        QVERIFY(form.home->cmdDeleteClient->isEnabled());

        run.dialogs.expect(MsgResult::No, "This will delete the client record and all associated "
                                          "test records.  Do you want to delete this client?");
        QTest::mouseClick(form.home->cmdDeleteClient, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(testRows(db, gone), 3);

        run.dialogs.expect(MsgResult::Yes, "Do you want to delete this client?");
        run.dialogs.expect(MsgResult::OK, "Client and all test data deleted.");
        QTest::mouseClick(form.home->cmdDeleteClient, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM Clients WHERE ClientID = ?", {gone}), 0);
        QCOMPARE(testRows(db, gone), 0);
        QCOMPARE(testRows(db, kept), 3);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM Clients WHERE ClientID = ?", {kept}), 1);

        // The form is left ready for a new client.
        QComboBox* list = form.home->cmbClientSelect;
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(list->findText("O'Hara"), -1);
        QVERIFY(list->findText("Kept") >= 0);
        QVERIFY(form.survey->txtClientName->text().isEmpty());
        QVERIFY(vbrt::isDate(form.survey->txtClientEnteredDate->text()));
        QVERIFY(!form.home->lblEnterNewClientInfo->isHidden());
        QVERIFY(form.clients->isNewClient());
        QCOMPARE(run.form().session.gintClientID(), -1);
        // Nothing is left to delete until a client is loaded again.
        QVERIFY(!form.home->cmdDeleteClient->isEnabled());
        form.survey->txtClientName->setText("Next");
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::SaveCaption);
        QVERIFY(!form.home->cmdDeleteClient->isEnabled());
        form.clients->cmdDeleteClient_Click();
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void deleteIsAllOrNothing()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        const auto& db = run.state->gcnnUser;
        const int32_t id = insertClient(db, "Ann");
        addTests(db, id);
        execSql(db, "CREATE TEMP TRIGGER lockTests BEFORE DELETE ON main.[House Leakage Tests] "
                    "BEGIN SELECT RAISE(ABORT, 'tests are locked'); END");
        // The failure is told; no "deleted" message for a delete that did not happen.
        run.dialogs.expect(platform::MsgResult::OK, "The client could not be deleted.");
        QVERIFY(!form.clients->DeleteClientRecord(id));
        QCOMPARE(count(db, "SELECT COUNT(*) FROM Clients WHERE ClientID = ?", {id}), 1);
        QCOMPARE(testRows(db, id), 3);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void missingClientSaysItemNotFound()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        addTechnician(form, "Tess");
        const auto& db = run.state->gcnnUser;
        const int32_t shown = insertClient(db, "Shown", {{"ClientAddress", "1 Oak"}});
        const int32_t gone = insertClient(db, "Gone");
        QVERIFY(selectClient(form, shown));
        execSql(db, "DELETE FROM Clients WHERE ClientID = ?", {gone});
        run.dialogs.expect(MsgResult::OK, "Item not found.");
        QComboBox* list = form.home->cmbClientSelect;
        list->setCurrentIndex(list->findData(gone));
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(form.survey->txtClientStreet->text(), QStringLiteral("1 Oak"));
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::ContinueCaption);
    }

    void anotherClientStartsWithoutTheOldOnesTests()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        addTechnician(form, "Tess");
        const auto& db = run.state->gcnnUser;
        const int32_t first = insertClient(db, "First");
        const int32_t second = insertClient(db, "Second");
        QVERIFY(selectClient(form, first));
        form.session.mintCurrentHltID = 7;
        form.session.mintCurrentDlaID = 8;
        QVERIFY(selectClient(form, second));
        QCOMPARE(form.session.mintCurrentHltID, -1);
        QCOMPARE(form.session.mintCurrentDlaID, -1);

        // A new client has no id yet, so nothing of the client before can be deleted.
        form.session.mintCurrentHltID = 7;
        QTest::mouseClick(form.home->cmdAddClient, Qt::LeftButton);
        QCOMPARE(run.form().session.gintClientID(), -1);
        QCOMPARE(form.session.mintCurrentHltID, -1);
        QVERIFY(!form.home->cmdDeleteClient->isEnabled());
        QVERIFY(form.survey->txtClientName->text().isEmpty());
        QVERIFY(form.survey->txtClientName->isEnabled());
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void leavingThePageFromABoxGoesWhereChosen_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("name") << "txtClientName";
        QTest::newRow("bedrooms") << "txtHLBedrooms";
    }

    void leavingThePageFromABoxGoesWhereChosen()
    {
        // Boxes that bring their page back when left while hidden must not turn back a
        // page change made with the focus in them.
        QFETCH(QString, box);
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        beginNewClient(form);
        typeAndLeave(form.survey->txtClientName, "Ann");
        auto* field = form.pageClientSurvey->findChild<QLineEdit*>(box);
        type(field, "3");
        run.dialogs.expect(MsgResult::No, "Save changes before switching tabs?");
        QTabBar* bar = form.tabMain->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(shownPage(form), pages::Home);
    }

    void enteredDateMustBeADate()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        addTechnician(form, "Tess");
        const auto& db = run.state->gcnnUser;
        const int32_t id = insertClient(
            db, "Ann",
            {{"HltLivingArea", 1200}, {"HltAverageCeilingHeight", 8}, {"HltBedrooms", 2}});
        QVERIFY(selectClient(form, id));
        QCOMPARE(form.survey->txtClientEnteredDate->text(), QString());
        form.tabMain->setCurrentWidget(form.pageClientSurvey);
        typeAndLeave(form.survey->txtClientEnteredDate, "tomorrow");
        run.dialogs.expect(MsgResult::OK, "The date entered is not a valid date.");
        QVERIFY(!form.clients->SaveThisClient());
        VERIFY_DIALOGS_DONE(run.dialogs);
        QVERIFY(hasFocus(form.survey->txtClientEnteredDate));
        QVERIFY(clientRow(db, id).value("ClientDateAdded").isNull());

        typeAndLeave(form.survey->txtClientEnteredDate, "12/10/2026 3:05 pm");
        QVERIFY(form.clients->SaveThisClient());
        QCOMPARE(clientRow(db, id).value("ClientDateAdded").toDateTime(),
                 QDateTime({2026, 12, 10}, {15, 5}));
        QCOMPARE(form.survey->txtClientEnteredDate->text(), QStringLiteral("12/10/2026 3:05 pm"));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }
};

OSTREL_GUI_TEST_MAIN(TestClients)
#include "test_clients.moc"

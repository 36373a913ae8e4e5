#include "ClientSurvey.h"
#include "GuiTestMain.h"
#include "ProgramDriving.h"
#include "frmClientComments.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace driving;

namespace {

// Saves a new client named Ann with valid house data from the Client Survey page.
void fillHouse(frmHVACMain& form)
{
    auto* ui = form.survey.get();
    typeAndLeave(ui->txtClientName, "Ann");
    ui->txtHLLivingArea->setText("1500");
    ui->txtHLBedrooms->setText("3");
}

// Answers the comments window: types text (replacing what it shows), then OK or Cancel.
void answerComments(const QString& text, bool ok, QString* shownFirst = nullptr)
{
    whenModal<frmClientComments>([=](frmClientComments& window) {
        auto* box = window.findChild<QPlainTextEdit*>("txtComments");
        if (shownFirst)
            *shownFirst = box->toPlainText();
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        const QStringList lines = text.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClicks(box, lines[i]);
        }
        window.findChild<QPushButton*>(ok ? "cmdOK" : "cmdCancel")->click();
    });
}

} // namespace

class TestSurvey : public QObject
{
    Q_OBJECT
private slots:
    void answersAreStoredAsTextsAndShownAgain()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        ClientSurvey& survey = form.clients->survey();
        beginNewClient(form);
        fillHouse(form);
        const auto pick = [](QComboBox* list, int index) {
            list->setCurrentIndex(index);
            return list->currentText();
        };
        QStringList picked;
        for (std::size_t i = 0; i < survey.cmbHowLongHowMany.size(); ++i)
            picked << pick(survey.cmbHowLongHowMany[i], int(i) + 1);
        for (std::size_t i = 0; i < survey.cmbSurveyYesNo.size(); ++i)
            picked << pick(survey.cmbSurveyYesNo[i], 1 + int(i) % 3);
        for (std::size_t i = 0; i < survey.cmbSurveyUtilities.size(); ++i) {
            picked << pick(survey.cmbSurveyUtilities[i], int(i) + 1);
            picked << pick(survey.cmbSurveyUtilitiesType[i], int(i) + 2);
        }
        // A room name of 30 characters is stored as its first 25; a picked one as it is.
        typeAndLeave(survey.cboSurveyRoomName[0], "Upstairs bedroom over garage");
        QCOMPARE(survey.cboSurveyRoomName[0]->currentText().size(), 28);
        typeAndLeave(survey.cboSurveyRoomName[0], "Bedroom over the garage, NW");
        survey.cboSurveyRoomName[1]->setCurrentIndex(
            survey.cboSurveyRoomName[1]->findText("Kitchen"));
        typeAndLeave(survey.txtSurveyRoomComment[0], "Cold in winter");
        typeAndLeave(survey.txtSurveyRoomComment[1], "Hot in summer");
        QVERIFY(form.clients->SaveThisClient());
        const int32_t id = run.form().session.gintClientID();

        const QSqlRecord row = clientRow(run.state->gcnnUser, id);
        QCOMPARE(row.value("SurveyHowLong2").toString(), picked[2]);
        QCOMPARE(row.value("SurveyYesNo7").toString(), picked[3 + 7]);
        QCOMPARE(row.value("SurveyUtilities3").toString(), picked[11 + 6]);
        QCOMPARE(row.value("SurveyUtilitiesType3").toString(), picked[11 + 7]);
        QCOMPARE(row.value("SurveyRoomName0").toString(),
                 QStringLiteral("Bedroom over the garage, "));
        QCOMPARE(row.value("SurveyRoomName1").toString(), QStringLiteral("Kitchen"));
        QCOMPARE(row.value("SurveyRoomComment1").toString(), QStringLiteral("Hot in summer"));

        QVERIFY(restart(run));
        auto& again = run.form();
        QVERIFY(selectClient(again, id));
        ClientSurvey& shown = again.clients->survey();
        QStringList seen;
        for (QComboBox* list : shown.cmbHowLongHowMany)
            seen << list->currentText();
        for (QComboBox* list : shown.cmbSurveyYesNo)
            seen << list->currentText();
        for (std::size_t i = 0; i < shown.cmbSurveyUtilities.size(); ++i)
            seen << shown.cmbSurveyUtilities[i]->currentText()
                 << shown.cmbSurveyUtilitiesType[i]->currentText();
        QCOMPARE(seen, picked);
        // A typed room name shows as stored, though it is no entry of the list.
        QCOMPARE(shown.cboSurveyRoomName[0]->currentText(),
                 QStringLiteral("Bedroom over the garage, "));
        QCOMPARE(shown.cboSurveyRoomName[1]->currentText(), QStringLiteral("Kitchen"));
        QCOMPARE(shown.txtSurveyRoomComment[0]->text(), QStringLiteral("Cold in winter"));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void anAnswerNoLongerListedSurvivesASave()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        beginNewClient(form);
        fillHouse(form);
        QVERIFY(form.clients->SaveThisClient());
        const int32_t id = run.form().session.gintClientID();
        // An answer from an older list of answers.
        execSql(run.state->gcnnUser, "UPDATE Clients SET SurveyYesNo2 = ? WHERE ClientID = ?",
                {"Sometimes", id});
        QVERIFY(restart(run));
        auto& again = run.form();
        QVERIFY(selectClient(again, id));
        QCOMPARE(again.clients->survey().cmbSurveyYesNo[2]->currentText(),
                 QStringLiteral("Sometimes"));
        QVERIFY(again.clients->SaveThisClient());
        QCOMPARE(clientRow(run.state->gcnnUser, id).value("SurveyYesNo2").toString(),
                 QStringLiteral("Sometimes"));

        // It is that client's answer only: the next client is not offered it.
        QComboBox* answer = again.clients->survey().cmbSurveyYesNo[2];
        const int listed = answer->count();
        const int32_t other = insertClient(run.state->gcnnUser, "Bob", {{"SurveyYesNo2", "No"}});
        QVERIFY(selectClient(again, other));
        QCOMPARE(answer->currentText(), QStringLiteral("No"));
        QCOMPARE(answer->findText("Sometimes"), -1);
        QCOMPARE(answer->count(), listed - 1);
        QVERIFY(selectClient(again, id));
        QCOMPARE(answer->currentText(), QStringLiteral("Sometimes"));
        again.clients->ClearClientInfo();
        QCOMPARE(answer->findText("Sometimes"), -1);
        QCOMPARE(answer->currentIndex(), -1);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void anEmptyAnswerIsNoChange()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        addTechnician(form, "Tess");
        const int32_t id = insertClient(run.state->gcnnUser, "Ann", {{"SurveyYesNo2", "Yes"}});
        QVERIFY(selectClient(form, id));
        ClientSurvey& survey = form.clients->survey();
        QCOMPARE(survey.cmbSurveyYesNo[2]->currentText(), QStringLiteral("Yes"));
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        survey.cmbSurveyYesNo[2]->setCurrentIndex(survey.cmbSurveyYesNo[2]->findText(""));
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        QVERIFY(!form.session.mblnDataChanged);
        survey.cmbSurveyYesNo[2]->setCurrentIndex(survey.cmbSurveyYesNo[2]->findText("No"));
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::SaveCaption);
        QVERIFY(form.session.mblnDataChanged);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void commentsAreEditedInTheirWindow()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        addTechnician(form, "Tess");
        const auto& db = run.state->gcnnUser;
        const int32_t id = insertClient(db, "Ann",
                                        {{"ClientComments", "Dog in yard"},
                                         {"HltLivingArea", 1500},
                                         {"HltAverageCeilingHeight", 8},
                                         {"HltBedrooms", 3}});
        QVERIFY(selectClient(form, id));
        form.tabMain->setCurrentWidget(form.pageClientSurvey);
        QPushButton* open = form.survey->cmdClientComments;

        // Cancel, or closing the window, changes nothing: the client is not marked changed.
        QString shownFirst;
        answerComments("Scratch that", false, &shownFirst);
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(shownFirst, QStringLiteral("Dog in yard"));
        QCOMPARE(form.survey->txtHiddenComments->toPlainText(), QStringLiteral("Dog in yard"));
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        QVERIFY(!form.session.mblnDataChanged);
        whenModal<frmClientComments>([](frmClientComments& window) {
            QTest::keyClicks(window.findChild<QPlainTextEdit*>("txtComments"), "Scratch");
            window.close();
        });
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(form.survey->txtHiddenComments->toPlainText(), QStringLiteral("Dog in yard"));
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        QVERIFY(!form.session.mblnDataChanged);

        // Clearing them all and pressing OK leaves the comments as they were.
        form.clients->DisableClientSave();
        answerComments("", true);
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(form.survey->txtHiddenComments->toPlainText(), QStringLiteral("Dog in yard"));
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::ContinueCaption);

        answerComments("Dog in yard.\nCall first.", true);
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(form.survey->txtHiddenComments->toPlainText(),
                 QStringLiteral("Dog in yard.\nCall first."));
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::SaveCaption);
        QVERIFY(form.clients->SaveThisClient());
        QCOMPARE(clientRow(db, id).value("ClientComments").toString(),
                 QStringLiteral("Dog in yard.\nCall first."));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }
};

OSTREL_GUI_TEST_MAIN(TestSurvey)
#include "test_survey.moc"

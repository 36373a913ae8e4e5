#include "GuiTestMain.h"
#include "ProgramDriving.h"

using namespace driving;

namespace {

const QString Survey = pages::ClientSurvey;
const QString Home = pages::Home;
const QString HouseLeakage = pages::HouseLeakage;

QLineEdit* houseBox(frmHVACMain& form, const QString& name)
{
    return form.pageClientSurvey->findChild<QLineEdit*>(name);
}

QWidget* pageWithCaption(frmHVACMain& form, const QString& caption)
{
    for (int i = 0; i < form.tabMain->count(); ++i)
        if (form.tabMain->tabText(i) == caption)
            return form.tabMain->widget(i);
    return nullptr;
}

} // namespace

class TestHouseData : public QObject
{
    Q_OBJECT
private slots:
    void checks_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("messages");
        QTest::addColumn<QString>("message"); // empty: none shown
        QTest::addColumn<bool>("answerYes");  // for a question
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("shownAfter");

        const QString area = QStringLiteral("txtHLLivingArea");
        const QString areaAsk = QStringLiteral("You have entered a Living Area of %1 square feet.  "
                                               "This is unusual.\nDo you really want this value?");
        QTest::newRow("area empty") << area << "" << Survey << true
                                    << "A Living Area must be entered." << false << false << "";
        QTest::newRow("area empty silent")
            << area << "" << Survey << false << "" << false << false << "";
        QTest::newRow("area letters") << area << "12abc" << Survey << true
                                      << "A number is required." << false << false << "12abc";
        QTest::newRow("area dollar")
            << area << "$5" << Survey << true << "A number is required." << false << false << "$5";
        QTest::newRow("area beyond storage")
            << area << "40000" << Survey << true << "A number is required." << false << false
            << "40000";
        QTest::newRow("area zero") << area << "0" << Survey << true
                                   << "A house living area is required." << false << false << "0";
        QTest::newRow("area 0.4 is zero")
            << area << "0.4" << Survey << true << "A house living area is required." << false
            << false << "0.4";
        QTest::newRow("area 499 kept")
            << area << "499" << Survey << true << areaAsk.arg("499") << true << true << "499";
        QTest::newRow("area 499 refused")
            << area << "499" << Survey << true << areaAsk.arg("499") << false << false << "499";
        QTest::newRow("area 499 silent")
            << area << "499" << Survey << false << "" << false << true << "499";
        QTest::newRow("area 499.5 is 500")
            << area << "499.5" << Survey << true << "" << false << true << "499.5";
        QTest::newRow("area 999") << area << "999" << Survey << true << "" << false << true
                                  << "999";
        QTest::newRow("area 1500 grouped")
            << area << "1500" << Survey << true << "" << false << true << "1,500";
        QTest::newRow("area 1234.5 as stored")
            << area << "1234.5" << Survey << true << "" << false << true << "1,234";
        QTest::newRow("area typed grouped")
            << area << "1,500" << Survey << true << "" << false << true << "1,500";
        QTest::newRow("area empty on home")
            << area << "" << Home << true << "" << false << true << "";
        QTest::newRow("area zero on house leakage")
            << area << "0" << HouseLeakage << true << "" << false << true << "0";

        const QString height = QStringLiteral("txtHLCeilingHeight");
        const QString heightAsk =
            QStringLiteral("You have entered an Average Ceiling Height of %1 feet.  "
                           "This is unusual.  Do you really want this value?");
        QTest::newRow("height empty")
            << height << "" << Survey << true << "An Average Ceiling Height must be entered."
            << false << false << "";
        QTest::newRow("height letters") << height << "high" << Survey << true
                                        << "A number is required." << false << false << "high";
        QTest::newRow("height letters silent")
            << height << "high" << Survey << false << "" << false << false << "high";
        QTest::newRow("height 7") << height << "7" << Survey << true << "" << false << true << "7";
        QTest::newRow("height 40")
            << height << "40" << Survey << true << "" << false << true << "40";
        QTest::newRow("height 8.5")
            << height << "8.5" << Survey << true << "" << false << true << "8.5";
        QTest::newRow("height 6 kept")
            << height << "6" << Survey << true << heightAsk.arg("6") << true << true << "6";
        QTest::newRow("height 41 refused")
            << height << "41" << Survey << true << heightAsk.arg("41") << false << false << "41";
        QTest::newRow("height 6.5 asks")
            << height << "6.5" << Survey << true << heightAsk.arg("6.5") << true << true << "6.5";
        QTest::newRow("height 40.5 asks") << height << "40.5" << Survey << true
                                          << heightAsk.arg("40.5") << true << true << "40.5";
        QTest::newRow("height 6 silent")
            << height << "6" << Survey << false << "" << false << true << "6";
        QTest::newRow("height empty on house leakage")
            << height << "" << HouseLeakage << true << "" << false << true << "";

        const QString beds = QStringLiteral("txtHLBedrooms");
        const QString bedsAsk = QStringLiteral("You have entered %1 bedrooms.  This is unusual.  "
                                               "Do you really want this value?");
        QTest::newRow("beds empty")
            << beds << "" << Survey << true << "A number of bedrooms must be entered." << false
            << false << "";
        QTest::newRow("beds letters")
            << beds << "two" << Survey << true << "A number is required. (Enter 0 for none.)"
            << false << false << "two";
        QTest::newRow("beds negative")
            << beds << "-1" << Survey << true << "A number of bedrooms must be entered." << false
            << false << "-1";
        // The whole number is compared: -0.4 and -0.5 are 0, -0.6 is -1.
        QTest::newRow("beds -0.4 is 0")
            << beds << "-0.4" << Survey << true << "" << false << true << "-0.4";
        QTest::newRow("beds -0.5 is 0")
            << beds << "-0.5" << Survey << true << "" << false << true << "-0.5";
        QTest::newRow("beds -0.6 is -1")
            << beds << "-0.6" << Survey << true << "A number of bedrooms must be entered." << false
            << false << "-0.6";
        QTest::newRow("beds none") << beds << "0" << Survey << true << "" << false << true << "0";
        QTest::newRow("beds 12") << beds << "12" << Survey << true << "" << false << true << "12";
        QTest::newRow("beds 12.5 is 12")
            << beds << "12.5" << Survey << true << "" << false << true << "12.5";
        QTest::newRow("beds 13 refused")
            << beds << "13" << Survey << true << bedsAsk.arg(13) << false << false << "13";
        QTest::newRow("beds 13.5 is 14")
            << beds << "13.5" << Survey << true << bedsAsk.arg(14) << true << true << "13.5";
        QTest::newRow("beds 13 silent")
            << beds << "13" << Survey << false << "" << false << true << "13";
        QTest::newRow("beds empty silent")
            << beds << "" << Survey << false << "" << false << false << "";
        QTest::newRow("beds empty on house leakage")
            << beds << "" << HouseLeakage << true << "" << false << true << "";
    }

    void checks()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, page);
        QFETCH(bool, messages);
        QFETCH(QString, message);
        QFETCH(bool, answerYes);
        QFETCH(bool, accepted);
        QFETCH(QString, shownAfter);

        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        beginNewClient(form);
        form.session.mblnShowValidationMessages = messages;
        QLineEdit* field = houseBox(form, box);
        QVERIFY(field);
        if (!message.isEmpty())
            run.dialogs.expect(answerYes                           ? MsgResult::Yes
                               : message.contains("Do you really") ? MsgResult::No
                                                                   : MsgResult::OK,
                               message);
        if (page == Survey) {
            // Left as a user leaves it: typed, then Tab.
            typeAndLeave(field, text);
            QCOMPARE(hasFocus(field), !accepted);
        } else {
            field->setText(text);
            showPageQuietly(form, pageWithCaption(form, page));
            QCOMPARE(form.validation.runCheck(field), accepted);
        }
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(field->text(), shownAfter);
        if (!message.isEmpty()) {
            const auto shown = run.dialogs.lastBox();
            QCOMPARE(shown.title, ProgramState::title());
            QCOMPARE(shown.text, message);
            QCOMPARE(shown.buttons, message.contains("Do you really") ? platform::MsgButtons::YesNo
                                                                      : platform::MsgButtons::OK);
        }
    }

    void bedroomsLeftWhileHiddenOnHomeShowTheSurvey()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        beginNewClient(form);
        form.survey->txtHLBedrooms->clear();
        showPageQuietly(form, form.pageHome);
        run.dialogs.expect(MsgResult::OK, "A number of bedrooms must be entered.");
        QVERIFY(!form.validation.runCheck(form.survey->txtHLBedrooms));
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(shownPage(form), Survey);
    }

    void saveRunsTheChecksInOrderAndStopsAtTheFirst()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        auto* ui = form.survey.get();
        beginNewClient(form);
        typeAndLeave(ui->txtClientName, "Ann");
        // Bedrooms are empty too, but the living area is checked first.
        run.dialogs.expect(MsgResult::OK, "A Living Area must be entered.");
        QTest::mouseClick(ui->cmdSaveClient, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QVERIFY(hasFocus(ui->txtHLLivingArea));
        QCOMPARE(shownPage(form), Survey);
        QCOMPARE(ui->cmdSaveClient->text(), ClientRecords::SaveCaption);

        ui->txtHLLivingArea->setText("1500");
        ui->txtHLCeilingHeight->setText("5");
        run.dialogs.expect(MsgResult::No, "Average Ceiling Height of 5 feet");
        QVERIFY(!form.clients->SaveThisClient());
        VERIFY_DIALOGS_DONE(run.dialogs);
        QVERIFY(hasFocus(ui->txtHLCeilingHeight));

        ui->txtHLCeilingHeight->setText("8");
        run.dialogs.expect(MsgResult::OK, "A number of bedrooms must be entered.");
        QVERIFY(!form.clients->SaveThisClient());
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM Clients"), 0);

        ui->txtHLBedrooms->setText("0");
        QVERIFY(form.clients->SaveThisClient());
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM Clients"), 1);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void saveFromAnotherPageNeverStoresTextAsANumber()
    {
        // The checks let anything pass while another page is shown; the save still refuses
        // what cannot be stored.
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        auto* ui = form.survey.get();
        beginNewClient(form);
        typeAndLeave(ui->txtClientName, "Ann");
        ui->txtHLLivingArea->setText("1500");
        ui->txtHLBedrooms->setText("lots");
        showPageQuietly(form, form.pageHome);
        run.dialogs.expect(MsgResult::OK, "A number is required.");
        QVERIFY(!form.clients->SaveThisClient());
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM Clients"), 0);
    }

    void editsMarkANamedClientOnly()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        auto* ui = form.survey.get();
        addTechnician(form, "Tess");
        const int32_t id = insertClient(run.state->gcnnUser, "Ann");
        QVERIFY(selectClient(form, id));
        QCOMPARE(ui->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        ui->txtHLBedrooms->setText("4");
        QCOMPARE(ui->cmdSaveClient->text(), ClientRecords::SaveCaption);
        QVERIFY(form.session.mblnDataChanged);

        // An unnamed blank form never asks to be saved.
        form.clients->CancelClientChanges();
        QCOMPARE(ui->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        form.home->cmbClientSelect->setCurrentIndex(-1);
        form.clients->ClearClientInfo();
        form.clients->DisableClientSave();
        form.session.mblnDataChanged = false;
        ui->txtHLLivingArea->setText("1500");
        ui->cmbHLStories->setCurrentIndex(1);
        QCOMPARE(ui->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        QVERIFY(!form.session.mblnDataChanged);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }
};

OSTREL_GUI_TEST_MAIN(TestHouseData)
#include "test_housedata.moc"

#include "ClimateKit.h"
#include "GuiTestMain.h"
#include "Settings.h"

#include <QListWidget>

using namespace driving;
using namespace climatekit;

namespace {

// A loaded client on the Client Survey page.
int32_t clientShown(MainWindowFixture& run)
{
    auto& form = run.form();
    addTechnician(form, "Tess");
    const int32_t id =
        insertClient(run.state->gcnnUser, "Ann",
                     {{"HltLivingArea", 1500}, {"HltAverageCeilingHeight", 8}, {"HltBedrooms", 3}});
    selectClient(form, id);
    form.tabMain->setCurrentWidget(form.pageClientSurvey);
    return id;
}

void fillClimate(frmClimateEdit& editor, const QStringList& texts)
{
    const char* boxes[] = {"txtZoneCity",
                           "txtZoneState",
                           "txtZoneCountry",
                           "txtZoneLBLClimateZone",
                           "txtZoneWinterOutdoorDesignTemp",
                           "txtZoneSummerOutdoorDesignTemp",
                           "txtZoneSummerDesignGrainDifference"};
    for (int i = 0; i < texts.size(); ++i)
        child<QLineEdit>(editor, boxes[i])->setText(texts[i]);
}

} // namespace

class TestClimateDialogs : public QObject
{
    Q_OBJECT
private slots:
    void choosingTheClientsClimate()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        const int32_t id = clientShown(run);
        QVERIFY(!form.session.mblnDataChanged);
        QString chosen;
        // Typing finds the first location that begins with the letters, in any case.
        answerSelection("bos", true, &chosen);
        QTest::mouseClick(form.survey->cmdSelectClimate, Qt::LeftButton);
        const Climate boston = climateOf(run.state->gcnnUser, chosen);
        QCOMPARE(boston.city, QStringLiteral("Boston"));
        QVERIFY(same(current(form), boston));
        QCOMPARE(form.survey->lblClimate->text(), QStringLiteral("Boston, MA"));
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::SaveCaption);
        QVERIFY(form.session.mblnDataChanged);
        QVERIFY(form.clients->SaveThisClient());
        QCOMPARE(clientRow(run.state->gcnnUser, id).value("ZoneID").toString(), chosen);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void cancellingChangesNothing_data()
    {
        QTest::addColumn<bool>("standard");
        QTest::newRow("client's climate") << false;
        QTest::newRow("standard climate") << true;
    }

    void cancellingChangesNothing()
    {
        QFETCH(bool, standard);
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        clientShown(run);
        const auto& db = run.state->gcnnUser;
        SaveAppSetting(db, "DefaultZoneID", climates(db).at(3).uniqueId);
        const Climate before = current(form);
        const QString standardLabel = form.home->lblSelectClimate->text();
        bool shown = false;
        whenModal<frmClimateSelection>(
            [](frmClimateSelection& dialog) {
                QTest::keyClicks(child<QLineEdit>(dialog, "txtFind"), "Denver");
                child<QPushButton>(dialog, "cmdCancel")->click();
            },
            &shown);
        QTest::mouseClick(standard ? form.home->cmdSelectDefaultClimate
                                   : form.survey->cmdSelectClimate,
                          Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(same(current(form), before));
        QCOMPARE(GetAppSetting(db, "DefaultZoneID"), climates(db).at(3).uniqueId);
        QVERIFY(!form.session.mblnDataChanged);
        QCOMPARE(form.survey->cmdSaveClient->text(), ClientRecords::ContinueCaption);
        QCOMPARE(form.home->lblSelectClimate->text(), standardLabel);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void choosingTheStandardClimate()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        const auto& db = run.state->gcnnUser;
        const Climate before = current(form);
        QString chosen;
        answerSelection("Spokane", true, &chosen);
        QTest::mouseClick(form.home->cmdSelectDefaultClimate, Qt::LeftButton);
        QCOMPARE(climateOf(db, chosen).city, QStringLiteral("Spokane"));
        QCOMPARE(GetAppSetting(db, "DefaultZoneID"), chosen);
        // The location alone, without its state.
        QCOMPARE(form.home->lblSelectClimate->text(),
                 QStringLiteral("Standard Climate is Spokane"));
        QVERIFY(same(current(form), before));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void theListOpensOnTheCurrentClimate()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        clientShown(run);
        const QString id = climates(run.state->gcnnUser).at(77).uniqueId;
        form.climate->SetCurrentClimate(id);
        QString chosen;
        answerSelection("", false, &chosen);
        QTest::mouseClick(form.survey->cmdSelectClimate, Qt::LeftButton);
        QCOMPARE(chosen, id);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void userClimatesAreAddedEditedAndDeleted()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        const int32_t client = clientShown(run);
        const auto& db = run.state->gcnnUser;
        QString added;
        whenModal<frmClimateSelection>([&](frmClimateSelection& dialog) {
            whenModal<frmClimateEdit>([&](frmClimateEdit& editor) {
                // No climate of the user's yet: the editor opens on a new one.
                QCOMPARE(editor.currentZoneId(), -1);
                run.dialogs.expect(MsgResult::OK, "A location must be entered.");
                QVERIFY(!editor.cmdSave_Click());
                fillClimate(editor, {"Cabin \"North\"", "MT", "USA", "5", "-20", "85", "10"});
                run.dialogs.expect(MsgResult::OK, "The LBL climate zone must be 1, 2, 3 or 4.");
                QVERIFY(!editor.cmdSave_Click());
                fillClimate(editor, {"Cabin \"North\"", "MT", "USA", "1.5", "-20", "85", "10"});
                run.dialogs.expect(MsgResult::OK, "The LBL climate zone must be 1, 2, 3 or 4.");
                QVERIFY(!editor.cmdSave_Click());
                fillClimate(editor, {"Cabin \"North\"", "MT", "USA", "1", "cold", "85", "10"});
                run.dialogs.expect(MsgResult::OK, "A number is required.");
                QVERIFY(!editor.cmdSave_Click());
                QCOMPARE(editor.focusWidget(),
                         child<QLineEdit>(editor, "txtZoneWinterOutdoorDesignTemp"));
                fillClimate(editor, {"Cabin \"North\"", "MT", "USA", "1", "-20", "85", ""});
                run.dialogs.expect(MsgResult::OK, "A number is required.");
                QVERIFY(!editor.cmdSave_Click());
                QCOMPARE(count(db, "SELECT COUNT(*) FROM UserClimates"), 0);
                fillClimate(editor, {"Cabin \"North\"", "MT", "USA", "1", "-20.5", "85", "10"});
                QVERIFY(editor.cmdSave_Click());
                QVERIFY(editor.currentZoneId() > 0);
                added = QStringLiteral("U%1").arg(editor.currentZoneId());
                child<QPushButton>(editor, "cmdClose")->click();
            });
            child<QPushButton>(dialog, "cmdEditClimates")->click();
            // The list shows the new climate at once.
            QTest::keyClicks(child<QLineEdit>(dialog, "txtFind"), "cabin");
            QCOMPARE(chosenId(dialog), added);
            child<QPushButton>(dialog, "cmdOK")->click();
        });
        QTest::mouseClick(form.survey->cmdSelectClimate, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(form.session.mstrClimateUniqueID(), added);
        QCOMPARE(form.session.mstrClimateCity(), QStringLiteral("Cabin \"North\""));
        QCOMPARE(form.session.mstrClimateLBLZone(), QStringLiteral("1"));
        QCOMPARE(form.session.msngClimateWinterDesignTemp(), -20.5f);
        QVERIFY(form.clients->SaveThisClient());
        QCOMPARE(clientRow(db, client).value("ZoneID").toString(), added);
        // The climate is now the most used one.
        QCOMPARE(climates(db).first().uniqueId, added);

        // Editing changes the stored values; deleting asks first.
        frmClimateEdit editor(*run.state, &form);
        QCOMPARE(child<QListWidget>(editor, "lstUserClimates")->count(), 1);
        QCOMPARE(editor.currentZoneId(), added.mid(1).toInt());
        fillClimate(editor, {"Cabin", "MT", "USA", "2", "-10", "80", "12"});
        QVERIFY(editor.cmdSave_Click());
        QCOMPARE(climateOf(db, added).city, QStringLiteral("Cabin"));
        QCOMPARE(climateOf(db, added).lblZone, QStringLiteral("2"));
        run.dialogs.expect(MsgResult::No, "Delete this climate?");
        editor.cmdDelete_Click();
        QCOMPARE(count(db, "SELECT COUNT(*) FROM UserClimates"), 1);
        run.dialogs.expect(MsgResult::Yes, "Delete this climate?");
        editor.cmdDelete_Click();
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM UserClimates"), 0);
        QCOMPARE(editor.currentZoneId(), -1);
        QCOMPARE(run.dialogs.lastBox().title, QStringLiteral("Confirm Delete"));
    }

    // Design values outside what a climate can have are refused before anything is stored.
    void designValuesOutsideAClimateAreRefused_data()
    {
        QTest::addColumn<QStringList>("values"); // winter, summer, grain difference
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("box");
        const QString winter = frmClimateEdit::WinterDesignTemp.message;
        const QString summer = frmClimateEdit::SummerDesignTemp.message;
        const QString grain = frmClimateEdit::SummerGrainDifference.message;
        QTest::newRow("bounds accepted") << QStringList{"-60", "40", "-50"} << QString() << "";
        QTest::newRow("upper bounds accepted")
            << QStringList{"80", "130", "150"} << QString() << "";
        QTest::newRow("winter too cold")
            << QStringList{"-60.5", "90", "20"} << winter << "txtZoneWinterOutdoorDesignTemp";
        QTest::newRow("winter too warm")
            << QStringList{"81", "90", "20"} << winter << "txtZoneWinterOutdoorDesignTemp";
        QTest::newRow("summer too cool")
            << QStringList{"10", "39", "20"} << summer << "txtZoneSummerOutdoorDesignTemp";
        QTest::newRow("summer too hot")
            << QStringList{"10", "131", "20"} << summer << "txtZoneSummerOutdoorDesignTemp";
        QTest::newRow("grains too low")
            << QStringList{"10", "90", "-51"} << grain << "txtZoneSummerDesignGrainDifference";
        QTest::newRow("grains 1 and 40 zeros") << QStringList{"10", "90", "1" + QString(40, '0')}
                                               << grain << "txtZoneSummerDesignGrainDifference";
    }
    void designValuesOutsideAClimateAreRefused()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        QFETCH(QString, box);
        MainWindowFixture run;
        QVERIFY(startActive(run));
        frmClimateEdit editor(*run.state, &run.form());
        editor.show();
        fillClimate(editor, QStringList{"Ridge", "CO", "USA", "2"} + values);
        if (!message.isEmpty())
            run.dialogs.expect(MsgResult::OK, message);
        QCOMPARE(editor.cmdSave_Click(), message.isEmpty());
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(count(run.state->gcnnUser, "SELECT COUNT(*) FROM UserClimates"),
                 message.isEmpty() ? 1 : 0);
        if (!message.isEmpty())
            QCOMPARE(editor.focusWidget(), child<QLineEdit>(editor, box.toLatin1().constData()));
    }

    // A climate stored by another program beyond those bounds shows in plain digits and is
    // refused for its bound, not as "no number".
    void storedExtremeClimateShowsPlainDigits()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        const auto& db = run.state->gcnnUser;
        addUserClimate(db, "Far", "ZZ", 2, 10, 90, 1e40);
        frmClimateEdit editor(*run.state, &run.form());
        QLineEdit* grains = child<QLineEdit>(editor, "txtZoneSummerDesignGrainDifference");
        QCOMPARE(grains->text(), "1" + QString(40, '0'));
        run.dialogs.expect(MsgResult::OK, frmClimateEdit::SummerGrainDifference.message);
        QVERIFY(!editor.cmdSave_Click());
        VERIFY_DIALOGS_DONE(run.dialogs);
    }
};

OSTREL_GUI_TEST_MAIN(TestClimateDialogs)
#include "test_climate_dialogs.moc"

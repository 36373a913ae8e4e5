// Blower models and ranges, the flow tube rule, which data-set boxes are open, and the checks
// of readings as their boxes are left.

#include "GuiTestMain.h"
#include "HLFixture.h"
#include "HouseLeakageTest.h"
#include "Settings.h"
#include "vberror.h"

namespace {

const QString ModelA = QStringLiteral("Example fan A (example calibration, tube ports)");
const QString ModelB = QStringLiteral("Example fan B (example calibration)");
const QColor Cyan(0, 255, 255);

QColor base(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}
QColor window()
{
    return QApplication::palette().color(QPalette::Base);
}
QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

// Starts the program with a "BlowerModelID" setting in place (none for an empty text).
bool startWithModelSetting(HLRun& r, const QString& setting)
{
    if (!setting.isEmpty()) {
        auto db = openUserDatabase(r.run.folder.file("Ostrel7_user.mdb"), "modelsetting");
        SaveAppSetting(db, "BlowerModelID", setting);
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("modelsetting");
    }
    return r.start();
}

} // namespace

class TestHLRanges : public QObject
{
    Q_OBJECT
private slots:
    void rememberedModel_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("ranges");
        QTest::newRow("none") << "" << ModelB << 5;
        QTest::newRow("model 1") << "1" << ModelA << 6;
        QTest::newRow("no such model") << "7"
                                       << "" << 5;
        QTest::newRow("not a number") << "fan"
                                      << "" << 5;
    }
    void rememberedModel()
    {
        QFETCH(QString, setting);
        QFETCH(QString, model);
        QFETCH(int, ranges);
        HLRun r;
        QVERIFY(startWithModelSetting(r, setting));
        QCOMPARE(r.ui().cmbBlowerModel->currentText(), model);
        // Without a model the default model's ranges are offered.
        QCOMPARE(r.ui().cmbHLRange->count(), ranges);
        QCOMPARE(r.ui().cmbHLRange->currentIndex(), -1);
        // The tube controls show only once the model list is clicked.
        QVERIFY(!r.ui().cmbHLFlowTubeConnection->isVisible());
    }

    void choosingAModel()
    {
        HLRun r;
        QVERIFY(r.start());
        r.type(r.ui().txtHLInsideTemp, "70");
        r.choose(r.ui().cmbBlowerModel, ModelA);
        QCOMPARE(GetAppSetting(r.db(), "BlowerModelID"), QStringLiteral("1"));
        QVERIFY(r.ui().cmbHLFlowTubeConnection->isVisible());
        QVERIFY(r.ui().zlblHLFlowTubeConnection->isVisible());
        QCOMPARE(r.ui().cmbHLRange->count(), 6);
        QCOMPARE(r.ui().cmbHLRange->itemData(4).toInt(), 12);
        QVERIFY(r.ui().txtHLInsideTemp->text().isEmpty()); // the tab is cleared
        QVERIFY(!r.form().session.mblnDataChanged);
        r.choose(r.ui().cmbBlowerModel, ModelB);
        QCOMPARE(GetAppSetting(r.db(), "BlowerModelID"), QStringLiteral("2"));
        QVERIFY(!r.ui().cmbHLFlowTubeConnection->isVisible());
    }

    void tubeRule_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("tube");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("after");
        QTest::newRow("range 1 on 9 port")
            << "A0  = (Example fan A, open)"
            << "9 Port"
            << "Range A0  = (Example fan A, open) requires Clear Tube Connection on 18 Port."
            << "18 Port";
        QTest::newRow("range 12 on 9 port")
            << "36  = (2 blowers, plates off)"
            << "9 Port"
            << "Range 36  = (2 blowers, plates off) requires Clear Tube Connection on 18 Port."
            << "18 Port";
        QTest::newRow("range 2 on 18 port")
            << "A1  = (Example fan A, ring 1)"
            << "18 Port"
            << "Range A1  = (Example fan A, ring 1) requires Clear Tube Connection on 9 Port."
            << "9 Port";
        QTest::newRow("range 2 on 9 port") << "A1  = (Example fan A, ring 1)"
                                           << "9 Port"
                                           << ""
                                           << "9 Port";
    }
    void tubeRule()
    {
        QFETCH(QString, range);
        QFETCH(QString, tube);
        QFETCH(QString, message);
        QFETCH(QString, after);
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelA, range);
        r.choose(r.ui().cmbHLFlowTubeConnection, tube);
        if (!message.isEmpty())
            r.run.dialogs.expect(MsgResult::OK, message);
        r.leave();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(r.ui().cmbHLFlowTubeConnection->currentText(), after);
        QCOMPARE(QApplication::focusWidget() == r.ui().cmbHLFlowTubeConnection, !message.isEmpty());
    }

    void rangesAboveThirteenHaveNoTubeRule()
    {
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelB, "B1  = (Example fan B, ring 1)");
        r.ui().cmbHLFlowTubeConnection->setCurrentIndex(
            LocateComboText(r.ui().cmbHLFlowTubeConnection, "18 Port"));
        bool cancel = true;
        r.tab().cmbHLFlowTubeConnection_Validate(cancel);
        QVERIFY(!cancel);
        QCOMPARE(r.ui().cmbHLFlowTubeConnection->currentText(), QStringLiteral("18 Port"));
    }

    void rangeMustBeChosen()
    {
        HLRun r;
        QVERIFY(r.start());
        r.ui().cmbHLRange->setFocus();
        r.run.dialogs.expect(MsgResult::OK,
                             "Warning: Range must be selected from the list to complete test.");
        r.leave();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(QApplication::focusWidget(), r.ui().cmbHLRange);
        QCOMPARE(r.run.state->gintBlowerCount, int16_t(1));
        QVERIFY(r.ui().cmbHLFlowTubeConnection->isEnabled());
    }

    void rangeConstants_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<float>("k");
        QTest::addColumn<float>("n");
        QTest::newRow("depressurize inside") << 0 << 118.0f << 0.502f;
        QTest::newRow("pressurize inside") << 1 << 113.0f << 0.503f;
        QTest::newRow("depressurize outside") << 2 << 113.0f << 0.503f;
        QTest::newRow("pressurize outside") << 3 << 118.0f << 0.502f;
    }
    void rangeConstants()
    {
        QFETCH(int, direction);
        QFETCH(float, k);
        QFETCH(float, n);
        HLRun r;
        QVERIFY(r.start());
        HouseLeakageTest byId;
        r.tab().GetRangeConstantsFromID(2, direction, byId);
        HouseLeakageTest byText;
        r.tab().GetRangeConstantsFromDropText("A1  = (Example fan A, ring 1)", direction, byText);
        for (const HouseLeakageTest* t : {&byId, &byText}) {
            QCOMPARE(t->RangeK(), k);
            QCOMPARE(t->RangeN(), n);
        }
        // A text that matches no row (case counts) sets nothing.
        HouseLeakageTest none;
        r.tab().GetRangeConstantsFromDropText("a1  = (example fan a, ring 1)", direction, none);
        QVERIFY_THROWS_EXCEPTION(vbrt::Error, none.RangeK());
    }

    void openBoxes_data()
    {
        QTest::addColumn<bool>("singlePoint");
        QTest::addColumn<QString>("range");
        QTest::newRow("multi, fan") << false << "A0  = (Example fan A, open)";
        QTest::newRow("single, fan") << true << "A0  = (Example fan A, open)";
        QTest::newRow("multi, measured") << false << "CFM  = (Flow measured directly)";
        QTest::newRow("single, measured") << true << "CFM  = (Flow measured directly)";
    }
    void openBoxes()
    {
        QFETCH(bool, singlePoint);
        QFETCH(QString, range);
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelA, range);
        if (singlePoint) {
            r.choose(r.ui().cmbHLTestType, "Single-point");
            r.leave();
        }
        const bool measured = range.startsWith("CFM");
        const auto& t = r.tab();
        for (size_t i = 0; i < 6; ++i) {
            const bool rowOpen = i == 0 || !singlePoint;
            const QColor locked = rowOpen ? Cyan : buttonFace();
            QCOMPARE(t.housePressure[i]->isReadOnly(), !rowOpen);
            QCOMPARE(base(t.housePressure[i]), rowOpen ? window() : buttonFace());
            QCOMPARE(t.housePressure[i]->focusPolicy() == Qt::StrongFocus, rowOpen);
            QCOMPARE(t.flowPressure[i]->isReadOnly(), measured || !rowOpen);
            QCOMPARE(t.testFlow[i]->isReadOnly(), !measured || !rowOpen);
            QCOMPARE(base(t.testFlow[i]), measured ? (rowOpen ? window() : buttonFace()) : locked);
            QCOMPARE(base(t.testError[i]), locked);
        }
    }

    void leavingAReading_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("answer"); // -1: a plain message
        QTest::addColumn<bool>("stays");
        QTest::newRow("text") << "inside"
                              << "abc"
                              << "A number is required for the Inside Temperature." << -1 << true;
        QTest::newRow("cold inside, No") << "inside"
                                         << "40"
                                         << "You have entered an Inside Temperature of 40 degrees "
                                            "F.  This is unusual.  Do you really want this value?"
                                         << int(MsgResult::No) << true;
        QTest::newRow("cold inside, Yes") << "inside"
                                          << "40"
                                          << "This is unusual." << int(MsgResult::Yes) << false;
        QTest::newRow("cold outside") << "outside"
                                      << "-20"
                                      << "" << -1 << false;
        QTest::newRow("zero pressure")
            << "house"
            << "0"
            << "The House Pressure of set 1 must be at least 1 Pa." << -1 << true;
        QTest::newRow("negative pressure")
            << "house"
            << "-50"
            << "The House Pressure of set 1 must be at least 1 Pa." << -1 << true;
        QTest::newRow("high pressure") << "house"
                                       << "120"
                                       << "You have entered a House Pressure of 120 Pa for set 1.  "
                                          "This is unusual.  Do you really want this value?"
                                       << int(MsgResult::Yes) << false;
        QTest::newRow("grouped fan pressure")
            << "flow"
            << "1,500"
            << "a Flow Pressure of 1,500 Pa" << int(MsgResult::No) << true;
        QTest::newRow("plain") << "house"
                               << " 50 "
                               << "" << -1 << false;
    }
    void leavingAReading()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(int, answer);
        QFETCH(bool, stays);
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelB, "B0  = (Example fan B, open)");
        QLineEdit* target = box == "inside"    ? r.ui().txtHLInsideTemp
                            : box == "outside" ? r.ui().txtHLOutsideTemp
                            : box == "house"   ? r.tab().housePressure[0]
                                               : r.tab().flowPressure[0];
        r.type(target, text);
        if (!message.isEmpty())
            r.run.dialogs.expect(answer < 0 ? MsgResult::OK : MsgResult(answer), message);
        r.leave();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(QApplication::focusWidget() == target, stays);

        // With messages off nothing is asked; what can never be stored is still refused.
        if (stays || !message.isEmpty()) {
            r.form().session.mblnShowValidationMessages = false;
            r.type(target, text);
            r.leave();
            VERIFY_DIALOGS_DONE(r.run.dialogs);
            QCOMPARE(QApplication::focusWidget() == target, answer < 0 && stays);
        }
    }
};

OSTREL_GUI_TEST_MAIN(TestHLRanges)
#include "test_hl_ranges.moc"

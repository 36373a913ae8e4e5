// Typing a blower door test into the page and pressing Calculate, checked against the formulas
// worked out independently.

#include "CurrentClimate.h"
#include "GuiTestMain.h"
#include "HLFixture.h"
#include "HLReference.h"
#include "HouseLeakageTest.h"
#include "Twips.h"
#include "vbformat.h"

namespace {

const QString ModelA = QStringLiteral("Example fan A (example calibration, tube ports)");
const QString ModelB = QStringLiteral("Example fan B (example calibration)");
const QString RangeB0 = QStringLiteral("B0  = (Example fan B, open)");
const QString TwoBlowers = QStringLiteral("36  = (2 blowers, plates off)");
const QString Measured = QStringLiteral("CFM  = (Flow measured directly)");

const reference::Range B0{285, 0.5};
const reference::Range A0{350, 0.5};
const reference::House TestHouse{1500, 8, 3, 14.8, 1.0}; // 2 stories in zone 2, normal suburban

using Rows = QList<QStringList>;

std::vector<reference::Point> fanPoints(const Rows& rows, const reference::Range& range,
                                        bool twoFans)
{
    std::vector<reference::Point> points;
    for (const auto& row : rows) {
        if (row.value(0).isEmpty())
            continue;
        points.push_back({row[0].toDouble(),
                          reference::flowCfm(range, row[0].toDouble(), row[1].toDouble(),
                                             row.value(2).toDouble(), twoFans, 70, 40, false)});
    }
    return points;
}

void typeConditions(HLRun& r)
{
    r.type(r.ui().txtHLInsideTemp, "70");
    r.type(r.ui().txtHLOutsideTemp, "40");
}

// The result boxes and the used rows' flow and error boxes show the reference figures.
void compareResults(HLRun& r, const reference::Results& ref, const QList<int>& usedRows,
                    const std::vector<reference::Point>& points, bool singlePoint)
{
    auto& ui = r.ui();
    QCOMPARE(ui.txtActualLeakage->text(), vbrt::format(ref.actualLeakageSqFt, "#,##0.0"));
    QCOMPARE(ui.txtOptimumLeakage->text(), vbrt::format(ref.optimumLeakageSqFt, "#,##0.0"));
    QCOMPARE(ui.txtActualLeakageCrack->text(), vbrt::format(ref.crackFt, "#,##0.0"));
    QCOMPARE(ui.txtEstimatedAirChanges->text(), vbrt::format(ref.estimatedAchDaily, "#,##0.0"));
    QCOMPARE(ui.txtOptimumAirChanges->text(), vbrt::format(ref.optimumAchDaily, "#,##0.0"));
    for (int i = 0; i < 6; ++i) {
        const int used = int(usedRows.indexOf(i));
        QLineEdit* error = r.tab().testError[size_t(i)];
        if (used < 0) {
            QCOMPARE(error->text(), QString());
            continue;
        }
        QCOMPARE(r.tab().testFlow[size_t(i)]->text(),
                 vbrt::format(points[size_t(used)].flowCfm, "#,##0"));
        QCOMPARE(error->text(),
                 vbrt::format(ref.errors[size_t(used)], singlePoint ? "#,##0.0" : "##0.0"));
    }
    QVERIFY(r.tab().resultsCalculated());
    for (QPushButton* b :
         {ui.cmdHLViewClientReport, ui.cmdHLPrintClientReport, ui.cmdHLViewTechReport,
          ui.cmdHLPrintTechReport, ui.cmdContinueFromHLTab})
        QVERIFY(b->isEnabled());
    // The test keeps its sums in single precision.
    QVERIFY2(qAbs(r.form().houseLeakage->mobjHLTest->N() - ref.n) < 1e-4 * ref.n,
             qPrintable(QString::number(r.form().houseLeakage->mobjHLTest->N() - ref.n)));
}

const Rows CleanRows = {{"50", "400"}, {"40", "300"}, {"30", "205"},
                        {"20", "122"}, {"15", "84"},  {"10", "49"}};

} // namespace

class TestHLCalculate : public QObject
{
    Q_OBJECT
private slots:
    void multiPointTest_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QList<int>>("used");
        QTest::newRow("six data sets") << CleanRows << QList<int>{0, 1, 2, 3, 4, 5};
        // An empty house pressure skips its row; the rows after it still count.
        QTest::newRow("row 2 empty")
            << Rows{{"50", "400"}, {"40", "300"}, {"", ""}, {"20", "122"}, {"15", "84"}}
            << QList<int>{0, 1, 3, 4};
    }
    void multiPointTest()
    {
        QFETCH(Rows, rows);
        QFETCH(QList<int>, used);
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelB, RangeB0);
        typeConditions(r);
        r.typeRows(rows);
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        const auto points = fanPoints(rows, B0, false);
        compareResults(r, reference::compute(points, TestHouse, false), used, points, false);
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 1);

        // Any change of an input makes the results stale.
        r.type(r.tab().housePressure[0], "51");
        QVERIFY(!r.tab().resultsCalculated());
        QVERIFY(r.ui().txtActualLeakage->text().isEmpty());
        QVERIFY(r.tab().testFlow[0]->text().isEmpty());
        QVERIFY(r.tab().testError[0]->text().isEmpty());
        QVERIFY(!r.ui().cmdHLViewClientReport->isEnabled());
        QVERIFY(r.form().session.mblnDataChanged);
    }

    void anotherClimateClearsTheResults()
    {
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelB, RangeB0);
        typeConditions(r);
        r.typeRows(CleanRows);
        r.clickCalculate();
        QVERIFY(r.tab().resultsCalculated());
        // The same climate again keeps them; a different one makes them stale.
        r.form().climate->SetCurrentClimate(r.form().session.mstrClimateUniqueID());
        QVERIFY(r.tab().resultsCalculated());
        r.form().climate->SetCurrentClimate("1");
        QVERIFY(!r.tab().resultsCalculated());
        QVERIFY(r.ui().txtActualLeakage->text().isEmpty());
        QVERIFY(!r.ui().cmdHLViewTechReport->isEnabled());
        VERIFY_DIALOGS_DONE(r.run.dialogs);
    }

    void otherHouseDataClearTheResults()
    {
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelB, RangeB0);
        typeConditions(r);
        r.typeRows(CleanRows);
        auto& house = *r.form().survey;
        const std::pair<QLineEdit*, const char*> edits[] = {{house.txtHLLivingArea, "1900"},
                                                            {house.txtHLCeilingHeight, "9"},
                                                            {house.txtHLBedrooms, "4"}};
        for (const auto& [box, value] : edits) {
            r.clickCalculate();
            QVERIFY(r.tab().resultsCalculated());
            box->setText(QLatin1String(value));
            QVERIFY2(!r.tab().resultsCalculated(), qPrintable(box->objectName()));
            QVERIFY(r.ui().txtActualLeakage->text().isEmpty());
        }
        VERIFY_DIALOGS_DONE(r.run.dialogs);
    }

    void secondCalculationUsesOnlyItsOwnRows()
    {
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelB, RangeB0);
        typeConditions(r);
        r.typeRows(CleanRows);
        r.clickCalculate();
        // Fewer rows the second time: the earlier rows must not linger in the calculation.
        r.type(r.tab().housePressure[4], "");
        r.type(r.tab().flowPressure[4], "");
        r.type(r.tab().housePressure[5], "");
        r.type(r.tab().flowPressure[5], "");
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        const Rows four = CleanRows.mid(0, 4);
        const auto points = fanPoints(four, B0, false);
        compareResults(r, reference::compute(points, TestHouse, false), {0, 1, 2, 3}, points,
                       false);
    }

    void singlePointUsesRowZeroOnly()
    {
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelB, RangeB0);
        r.typeRows({{"50", "400"}, {"40", "300"}});
        r.choose(r.ui().cmbHLTestType, "Single-point");
        r.leave();
        // Rows 1 to 5 are emptied and locked; row 0's flow box shows the computed flow.
        for (size_t i = 1; i < 6; ++i) {
            QVERIFY(r.tab().housePressure[i]->text().isEmpty());
            QVERIFY(r.tab().housePressure[i]->isReadOnly());
        }
        QVERIFY(!r.tab().housePressure[0]->isReadOnly());
        QVERIFY(r.tab().testFlow[0]->isReadOnly());
        QCOMPARE(r.tab().testFlow[0]->palette().color(QPalette::Base), QColor(0, 255, 255));
        typeConditions(r);
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        const auto points = fanPoints({{"50", "400"}}, B0, false);
        const auto ref = reference::compute(points, TestHouse, true);
        compareResults(r, ref, {0}, points, true);
        QCOMPARE(r.tab().testError[0]->text(), QStringLiteral("0.0"));
        QCOMPARE(r.form().houseLeakage->mobjHLTest->N(), 0.65f);
    }

    void twoFans()
    {
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelA, TwoBlowers);
        QCOMPARE(r.run.state->gintBlowerCount, int16_t(2));
        // Four pitches below a house row moved up by half a box.
        const int top = r.run.state->gintHLFirstRowTop;
        const int pitch = r.run.state->gintHLRowPitch;
        const int half = platform::pixelsToTwips(r.tab().flowPressure2[0]->height()) / 2;
        QCOMPARE(r.ui().zlblHLHousePressure->y(), platform::twipsToPixels(top - half));
        QCOMPARE(r.ui().zlblHLTestError->y(), platform::twipsToPixels(top - half + 4 * pitch));
        QCOMPARE(r.ui().zlblHLFlowPressure->text(), QStringLiteral("Fan 1 Flow Pressure (Pa)"));
        QVERIFY(r.ui().zlblHLFlowPressure2->isVisible());
        for (size_t i = 0; i < 6; ++i) {
            QVERIFY(r.tab().flowPressure2[i]->isVisible());
            QCOMPARE(r.tab().flowPressure2[i]->y(), r.ui().zlblHLFlowPressure2->y());
        }
        typeConditions(r);
        const Rows rows = {
            {"50", "200", "210"}, {"40", "150", "160"}, {"30", "104", "100"}, {"20", "61", "62"}};
        r.typeRows(rows);
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        const auto points = fanPoints(rows, A0, true);
        compareResults(r, reference::compute(points, TestHouse, false), {0, 1, 2, 3}, points,
                       false);

        // Back to one fan: the second fan's row goes away.
        r.choose(r.ui().cmbHLRange, "A0  = (Example fan A, open)");
        r.leave();
        QCOMPARE(r.run.state->gintBlowerCount, int16_t(1));
        QVERIFY(!r.ui().zlblHLFlowPressure2->isVisible());
        QVERIFY(!r.tab().flowPressure2[0]->isVisible());
        QCOMPARE(r.ui().zlblHLHousePressure->y(), platform::twipsToPixels(top));
        QCOMPARE(r.ui().zlblHLFlowPressure->text(), QStringLiteral("Flow Pressure (Pa)"));
    }

    void flowMeasuredDirectly()
    {
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelA, Measured);
        QVERIFY(!r.ui().cmbHLFlowTubeConnection->isEnabled());
        QCOMPARE(r.ui().cmbHLFlowTubeConnection->currentIndex(), -1);
        for (size_t i = 0; i < 6; ++i) {
            QVERIFY(r.tab().flowPressure[i]->isReadOnly());
            QVERIFY(!r.tab().testFlow[i]->isReadOnly());
        }
        typeConditions(r);
        const Rows rows = {{"50", "2,500"}, {"40", "2172"}, {"25", "1600.4"}};
        r.typeRows(rows, &r.tab().testFlow);
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        // The typed flows are read, never rewritten.
        QCOMPARE(r.tab().testFlow[0]->text(), QStringLiteral("2,500"));
        QCOMPARE(r.tab().testFlow[2]->text(), QStringLiteral("1600.4"));
        const std::vector<reference::Point> points = {{50, 2500}, {40, 2172}, {25, 1600.4}};
        const auto ref = reference::compute(points, TestHouse, false);
        QCOMPARE(r.ui().txtActualLeakage->text(), vbrt::format(ref.actualLeakageSqFt, "#,##0.0"));
        QCOMPARE(r.ui().txtEstimatedAirChanges->text(),
                 vbrt::format(ref.estimatedAchDaily, "#,##0.0"));
        for (size_t i = 0; i < 3; ++i)
            QCOMPARE(r.tab().testError[i]->text(), vbrt::format(ref.errors[i], "##0.0"));
    }

    void warnings_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<QList<int>>("marked");
        QTest::newRow("clean") << CleanRows << QStringList{} << QList<int>{};
        // One low reading: its point is far below the line (a negative error counts too).
        QTest::newRow("outlier")
            << Rows{{"50", "400"}, {"40", "300"}, {"30", "120"}, {"20", "122"}}
            << QStringList{"ERROR CHECK!  Error % on Individual Point.  Multi-point test may be "
                           "unreliable.\r\n"
                           "This message appears if any individual reading is off by more than 5% "
                           "of the best line fit.\r\n"
                           "Review the test on House Leakage Test tab and determine which "
                           "reading(s) are in error.\r\n"
                           "If only one is way out, bring the building back up to that pressure "
                           "and double-check the data.  Rerun the test.",
                           "ERROR CHECK!  Correlation Coefficient (0.94) Under 99%.\r\n"
                           "This message appears if the Correlation Coefficient is less than "
                           "0.9900.\r\n"
                           "This is a measure of how well the data 'fits' the best fit line.\r\n"
                           "A high correlation is not always a reliable indication of test "
                           "quality, however, as a low number of poor readings can result in an "
                           "apparently 'good' fit."}
            << QList<int>{2, 3};
        QTest::newRow("flat")
            << Rows{{"50", "400"}, {"40", "390"}, {"30", "380"}}
            << QStringList{"ERROR CHECK!  N Value (0.05) Out of Bounds.\r\n"
                           "This message appears if the N value (line slope) is less than 0.40 or "
                           "greater than 1.1.\r\n"
                           "This could occur as the result of an operator error or wind, "
                           "especially if readings are taken below 20 Pa.\r\n"
                           "On a leaky building, an N value as low as 0.45 is not too unreasonable "
                           "given the error tolerances.  More data would help, especially at "
                           "higher House Pressures."}
            << QList<int>{};
    }
    void warnings()
    {
        QFETCH(Rows, rows);
        QFETCH(QStringList, warnings);
        QFETCH(QList<int>, marked);
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(ModelB, RangeB0);
        typeConditions(r);
        r.typeRows(rows);
        for (const QString& w : warnings)
            r.run.dialogs.expect(MsgResult::OK, w);
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        for (const auto& box : r.run.dialogs.boxes()) {
            QCOMPARE(box.icon, platform::MsgIcon::Exclamation);
            QVERIFY(warnings.contains(box.text));
        }
        // The warnings do not stop the save.
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 1);
        for (int i = 0; i < 6; ++i) {
            const QLineEdit* box = r.tab().testError[size_t(i)];
            QCOMPARE(box->font().bold(), marked.contains(i));
            QCOMPARE(box->palette().color(QPalette::Text) == QColor(0xC0, 0, 0),
                     marked.contains(i));
        }

        // Without messages the same results and marks, and no box.
        r.run.dialogs.reset();
        const QString leakage = r.ui().txtActualLeakage->text();
        QVERIFY(r.tab().HLCalculate(false));
        QVERIFY(r.run.dialogs.boxes().isEmpty());
        QCOMPARE(r.ui().txtActualLeakage->text(), leakage);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(r.tab().testError[size_t(i)]->font().bold(), marked.contains(i));
    }

    void calculationErrorsAreLogged_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("outside");
        QTest::addColumn<QString>("logLine");
        QTest::addColumn<QString>("message");
        QTest::newRow("no outside temperature")
            << 2 << ""
            << "An error occurred while preparing to calculate results in frmHVACMain.HLCalculate. "
               " "
               "Error number:  13.  Error Text:  'Type mismatch'"
            << "An error occurred while preparing to calculate your results.  Please ensure that "
               "your entries are valid.";
        // No LBL factor for zone 5: the air changes divide by zero.
        QTest::newRow("zone without factor")
            << 5 << "40"
            << "An error occurred while calculating results in frmHVACMain.HLCalculate.  "
               "Error number:  11.  Error Text:  'Division by zero'"
            << "An error occurred while calculating your results.  Please ensure that your entries "
               "are valid.";
    }
    void calculationErrorsAreLogged()
    {
        QFETCH(int, zone);
        QFETCH(QString, outside);
        QFETCH(QString, logLine);
        QFETCH(QString, message);
        HLRun r;
        HouseSetup house;
        house.climate.zone = zone;
        QVERIFY(r.start(house));
        r.chooseModelAndRange(ModelB, RangeB0);
        r.type(r.ui().txtHLInsideTemp, "70");
        r.type(r.ui().txtHLOutsideTemp, outside);
        r.typeRows(CleanRows);
        r.run.dialogs.expect(MsgResult::OK, message + r.run.state->gstrErrorLoggedNote);
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QVERIFY2(r.run.folder.logTexts().contains(logLine), qPrintable(r.run.folder.log()));
        // Nothing stands in the page and nothing was saved.
        QVERIFY(!r.tab().resultsCalculated());
        QVERIFY(r.ui().txtActualLeakage->text().isEmpty());
        QVERIFY(!r.ui().cmdHLViewClientReport->isEnabled());
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 0);
    }

    void incompleteEntriesAreRefused_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("range");
        QTest::addColumn<bool>("singlePoint");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("message");
        const QString fan = "Values must be entered for both House Pressure and Flow Pressure.";
        QTest::newRow("fan, flow missing")
            << ModelB << RangeB0 << false << Rows{{"50", "400"}, {"40", ""}} << fan;
        QTest::newRow("fan, house missing")
            << ModelB << RangeB0 << false << Rows{{"50", "400"}, {"", "300"}} << fan;
        QTest::newRow("single, nothing") << ModelB << RangeB0 << true << Rows{} << fan;
        QTest::newRow("one data set")
            << ModelB << RangeB0 << false << Rows{{"50", "400"}}
            << "At least two datasets must be entered for multi-point tests.";
        QTest::newRow("two fans")
            << ModelA << TwoBlowers << false << Rows{{"50", "200", "210"}, {"40", "150", ""}}
            << "Values must be entered for House Pressure and both Flow Pressures.";
        QTest::newRow("measured, multi")
            << ModelA << Measured << false << Rows{{"50", "2500"}, {"40", ""}}
            << "Values must be entered for House Pressure and Test Flow.";
        QTest::newRow("measured, single")
            << ModelA << Measured << true << Rows{{"50", ""}}
            << "Values must be entered for both House Pressure and Test Flow.";
    }
    void incompleteEntriesAreRefused()
    {
        QFETCH(QString, model);
        QFETCH(QString, range);
        QFETCH(bool, singlePoint);
        QFETCH(Rows, rows);
        QFETCH(QString, message);
        HLRun r;
        QVERIFY(r.start());
        r.chooseModelAndRange(model, range);
        if (singlePoint) {
            r.choose(r.ui().cmbHLTestType, "Single-point");
            r.leave();
        }
        typeConditions(r);
        r.typeRows(rows, range == Measured ? &r.tab().testFlow : nullptr);
        r.run.dialogs.expect(MsgResult::OK, message);
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(r.run.dialogs.lastBox().text, message);
        QVERIFY(!r.tab().resultsCalculated());
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 0);
    }
};

OSTREL_GUI_TEST_MAIN(TestHLCalculate)
#include "test_hl_calculate.moc"

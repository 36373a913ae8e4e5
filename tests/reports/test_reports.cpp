// The house and technical reports from the real window: the records the builders make for a
// calculated test, the four layouts on paper, the report windows, printing, and a report
// asked for before any calculation.
#include "BlowerDoorRun.h"
#include "GuiTestMain.h"
#include "HLResultsSnapshot.h"
#include "ReportTestSupport.h"
#include "report/ReportLayout.h"
#include "report/ReportOutput.h"
#include "report/ReportWindow.h"
#include "vberror.h"

#include <QFileInfo>
#include <QTemporaryDir>

using reporting::ReportColumns;
using reportsamples::pdfText;
using reportsamples::squeezed;
using namespace blowerdoor;

namespace {

const QString ClientInfo =
    QStringLiteral("Margaret \"Peg\" O'Neill, 1452 Juniper Ridge Road, Chicago, IL");
const QString TechInfo =
    QStringLiteral("Smith & Sons Home Performance, Loveland, Colorado, Daniel Reyes");

ReportColumns columnsOf(const QSqlRecord& row)
{
    ReportColumns columns;
    for (int i = 0; i < row.count(); ++i)
        columns.append({row.fieldName(i), row.value(i).toString()});
    return columns;
}

// Compares name by name, so that a failure names the column.
void compareColumns(const ReportColumns& actual, const ReportColumns& expected)
{
    for (qsizetype i = 0; i < qMin(actual.size(), expected.size()); ++i) {
        QCOMPARE(actual[i].first, expected[i].first);
        QVERIFY2(actual[i].second == expected[i].second,
                 qPrintable(actual[i].first + ": \"" + actual[i].second + "\" expected \"" +
                            expected[i].second + "\""));
    }
    QCOMPARE(actual.size(), expected.size());
}

ReportColumns houseColumns(bool loose)
{
    ReportColumns c = {
        {"Title",
         loose ? "Loose House Leakage Test Report #12" : "Tight House Leakage Test Report #12"},
        {"ClientInfo", ClientInfo},
        {"TechInfo", TechInfo},
        {"TestDate", "October 14, 2024"},
        {"AirExchangeRequired", "7.8 times each day."},
        {"ELARequired", "1.2 square feet"},
        {"ELAMeasured", loose ? "2.8 square feet" : "0.9 square feet"},
        {"ExchangesPerDay", loose ? "18.5 changes each day." : "6.3 changes each day."},
    };
    if (loose)
        c.append(
            QPair<QString, QString>("ExchangesMultiplier", "(2.3 times more than recommended) "));
    return c;
}

// The tight test of the kit, worked through by hand from its readings.
ReportColumns tightTechnicalColumns()
{
    ReportColumns c = {
        {"Title", "Tight House Leakage Test Report #12"},
        {"ClientInfo", ClientInfo},
        {"TechInfo", TechInfo},
        {"TestDate", "October 14, 2024"},
        {"LivingArea", "1,850 square feet on 2 Stories; 3 Bedrooms; 8.5 ft Avg. Ceiling Height"},
        {"CrackLeakage", "23 feet long."},
        {"ASHRAEWhole", "49 cfm"},
        {"ASHRAELeakage", "(assumes 37 cfm is also provided by building leakage)"},
        {"WinterNone", "+6.9 gallons/day"},
        {"Winter50", "+11.0 gallons/day"},
        {"Winter100", "+15.1 gallons/day"},
        {"Winter200", "+23.2 gallons/day"},
        {"Winter300", "+31.3 gallons/day"},
        {"SummerNone", "-4.5 gallons/day"},
        {"Summer50", "-8.9 gallons/day"},
        {"Summer100", "-13.3 gallons/day"},
        {"Summer200", "-22.0 gallons/day"},
        {"Summer300", "-30.8 gallons/day"},
        {"WindShielding", "Normal suburban (Wind Shielding Factor:  1)"},
        {"Climate", "Chicago (LBL Climate Zone:  3)"},
        {"TempDirection", "Inside = 68°F, Outside = 41°F, Depressurize from inside"},
        {"Range", "B1  = (Example fan B, ring 1)"},
        {"TestData", "50 pa House Pressure, 155 pa Flow Pressure on B1  = (Example fan B, ring 1), "
                     "1,170 CFM"},
    };
    const QStringList house = {"50", "45", "40", "35", "30", "25"};
    const QStringList fan = {"155", "136", "117", "97", "78", "60"};
    const QStringList flow = {"1,170", "1,095", "1,015", "924", "828", "726"};
    const QStringList error = {"-0.5", "0.1", "0.6", "0.4", "0.0", "-0.7"};
    for (const auto& [alias, values] :
         {std::pair{"HltHousePressure", house}, std::pair{"HltFlowPressure", fan},
          std::pair{"HltTestFlow", flow}, std::pair{"HltTestError", error}})
        for (int i = 0; i < 6; ++i)
            c.append({QString::fromLatin1(alias) + QString::number(i), values[i]});
    c += ReportColumns{
        {"OptimumLeakage", "1.21 square feet, 174.1 square inches"},
        {"MeasuredLeakage", "0.94 square feet, 135.8 square inches"},
        {"SealableLeakage",
         "-38 square inches can be sealed before reaching the Optimum Leakage Area."},
        {"BoosterVentilation",
         "150 cfm for 2 hours and 45 minutes \r\nor 100 cfm for 4 hours and 7 minutes"},
        {"AverageAirChanges", "6.26 per day, 0.26 per hour"},
        {"SeasonalAirChanges",
         "Winter = 0.33 per hour or 85 CFM\r\nSummer = 0.20 per hour or 51 CFM"},
        {"CFM50", "CFM @ 50 Pa = 1,176"},
        {"AirChanges50", "Air changes @ 50 Pa = 4.486"},
        {"Correlation", "Correlation = 99.95%"},
        {"C", "(C = 80"},
        {"N", "N = 0.686)"},
        {"MaxDuctLeakage", "Or, if there is no air conditioning, 10.3 square inches (55.5 cfm) for "
                           "all the duct systems in the home, based on 3% of conditioned floor "
                           "space in CFM25"},
        {"AirflowRequired1pa", "80 cfm = 1 pa"},
        {"AirflowRequired2pa", "126 cfm = 2 pa"},
        {"AirflowRequired3pa", "164 cfm = 3 pa"},
        {"AirflowRequired4pa", "198 cfm = 4 pa"},
        {"AirflowRequired5pa", "229 cfm = 5 pa"},
    };
    return c;
}

// The loose test: the same house, readings and formats, three times the flow.
ReportColumns looseTechnicalColumns()
{
    ReportColumns c = tightTechnicalColumns();
    const QHash<QString, QString> changed = {
        {"Title", "Loose House Leakage Test Report #12"},
        {"CrackLeakage", "67 feet long."},
        {"WinterNone", "+20.5 gallons/day"},
        {"Winter300", "+44.9 gallons/day"},
        {"SummerNone", "-13.3 gallons/day"},
        {"Summer300", "-39.6 gallons/day"},
        {"Range", "B0  = (Example fan B, open)"},
        {"TestData", "50 pa House Pressure, 155 pa Flow Pressure on B0  = (Example fan B, open), "
                     "3,456 CFM"},
        {"HltTestFlow0", "3,456"},
        {"HltTestFlow5", "2,150"},
        {"MeasuredLeakage", "2.79 square feet, 402.3 square inches"},
        {"SealableLeakage",
         "228 square inches can be sealed before reaching the Optimum Leakage Area."},
        // Leakier than the optimum: no booster needed.
        {"BoosterVentilation",
         "150 cfm for 0 hours and 0 minutes \r\nor 100 cfm for 0 hours and 0 minutes"},
        {"AverageAirChanges", "18.50 per day, 0.77 per hour"},
        {"CFM50", "CFM @ 50 Pa = 3,474"},
        {"AirChanges50", "Air changes @ 50 Pa = 13.257"},
        {"C", "(C = 241"},
        {"N", "N = 0.682)"},
        {"AirflowRequired1pa", "241 cfm = 1 pa"},
        {"AirflowRequired5pa", "687 cfm = 5 pa"},
    };
    for (auto& column : c)
        if (changed.contains(column.first))
            column.second = changed.value(column.first);
    return c;
}

// Only the columns the loose list pins; the others are compared by name alone.
ReportColumns pinnedOnly(const ReportColumns& actual, const ReportColumns& expected,
                         const QStringList& pinned)
{
    ReportColumns out = actual;
    for (qsizetype i = 0; i < out.size() && i < expected.size(); ++i)
        if (!pinned.contains(out[i].first))
            out[i].second = expected[i].second;
    return out;
}

bool calculated(MainWindowFixture& run, bool loose)
{
    return startWithClient(run) &&
           enterTest(run.form(), loose ? looseReadings() : tightReadings()) &&
           calculate(run.form());
}

// A report as built from the page and written to a PDF file in dir, or in OSTREL_REPORT_OUT
// when that is set, to look at the pages.
struct OnPaper
{
    BuiltReport report;
    platform::ReportLayout layout;
    platform::ReportPaintResult painted;
    QString path;
};

OnPaper onPaper(ReportBuilder& reports, bool technical, const QTemporaryDir& dir,
                const QString& prefix = {})
{
    BuiltReport report = technical ? reports.BuildTechnicalReport() : reports.BuildHouseReport();
    platform::ReportLayout layout =
        platform::ReportLayout::load(ReportBuilder::layoutResource(report.layout), report.row);
    const QByteArray keep = qgetenv("OSTREL_REPORT_OUT");
    const QString path = (keep.isEmpty() ? dir.path() : QString::fromLocal8Bit(keep)) + "/" +
                         prefix + report.layout + ".pdf";
    platform::ReportPaintResult painted = platform::writeReportPdf(layout, report.row, path);
    return {std::move(report), std::move(layout), std::move(painted), path};
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT
private slots:
    void houseRecordForACalculatedTest_data()
    {
        QTest::addColumn<bool>("loose");
        QTest::newRow("tight") << false;
        QTest::newRow("loose") << true;
    }
    void houseRecordForACalculatedTest()
    {
        QFETCH(bool, loose);
        MainWindowFixture run;
        QVERIFY(calculated(run, loose));
        const BuiltReport report = run.form().reports->BuildHouseReport();
        QCOMPARE(report.layout,
                 loose ? QStringLiteral("drpLooseHouse") : QStringLiteral("drpTightHouse"));
        compareColumns(columnsOf(report.row), houseColumns(loose));
        // Only the loose layout binds the multiplier, so a tight record cannot fill it.
        if (!loose) {
            try {
                platform::ReportLayout::load(ReportBuilder::layoutResource("drpLooseHouse"),
                                             report.row);
                QFAIL("the loose layout took a record without ExchangesMultiplier");
            } catch (const vbrt::Error& e) {
                QCOMPARE(e.number(), platform::ErrReportColumnMissing);
                QVERIFY(e.description().contains("ExchangesMultiplier"));
            }
        }
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void technicalRecordForACalculatedTest_data()
    {
        QTest::addColumn<bool>("loose");
        QTest::newRow("tight") << false;
        QTest::newRow("loose") << true;
    }
    void technicalRecordForACalculatedTest()
    {
        QFETCH(bool, loose);
        MainWindowFixture run;
        QVERIFY(calculated(run, loose));
        const BuiltReport report = run.form().reports->BuildTechnicalReport();
        QCOMPARE(report.layout,
                 loose ? QStringLiteral("drpLooseTechnical") : QStringLiteral("drpTightTechnical"));
        const ReportColumns actual = columnsOf(report.row);
        if (loose) {
            const ReportColumns expected = looseTechnicalColumns();
            QStringList pinned = {"Title",
                                  "ClientInfo",
                                  "TechInfo",
                                  "LivingArea",
                                  "CrackLeakage",
                                  "WinterNone",
                                  "Winter300",
                                  "SummerNone",
                                  "Summer300",
                                  "Range",
                                  "TestData",
                                  "HltTestFlow0",
                                  "HltTestFlow5",
                                  "OptimumLeakage",
                                  "MeasuredLeakage",
                                  "SealableLeakage",
                                  "BoosterVentilation",
                                  "AverageAirChanges",
                                  "CFM50",
                                  "AirChanges50",
                                  "C",
                                  "N",
                                  "MaxDuctLeakage",
                                  "AirflowRequired1pa",
                                  "AirflowRequired5pa"};
            compareColumns(pinnedOnly(actual, expected, pinned), expected);
        } else {
            compareColumns(actual, tightTechnicalColumns());
        }
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void reportsOnPaper_data()
    {
        QTest::addColumn<bool>("technical");
        QTest::addColumn<bool>("loose");
        QTest::addColumn<QStringList>("sentences");
        const QStringList house = {
            "Report Prepared For:",
            "Prepared By:",
            "Date Of Test:",
            "Your Home's Test Results",
            "Recommendations",
            "The Caldrovane has measured",
            "of Total Leakage Area in your home.",
            "In order to obtain the required fresh air on a yearly average basis, your home needs"};
        QTest::newRow("drpTightHouse")
            << false << false
            << house + QStringList{"How Much Leakage Is Needed for Fresh Air?",
                                   "The national ventilation standard recommends that all the air "
                                   "in your home be exchanged with fresh outside air",
                                   "Your house needs controlled mechanical ventilation."};
        QTest::newRow("drpLooseHouse")
            << false << true
            << house + QStringList{"How Much Leakage Is Needed For Fresh Air?",
                                   "Exception:", "On average, this will cause approximately",
                                   "Even a leaky home occasionally needs ventilation."};
        const QStringList technical = {
            "Living Area:",
            "Wind Shielding:",
            "Climate:",
            "Temperatures:",
            "Test Data:",
            "Measured Leakage Area:",
            "Calculated Optimum Leakage Area:",
            "Total Leakage Area is equal to a crack half an inch high by",
            "ELA Reference Pressure = 25 Pa",
            "Humidification/Dehumidification Requirements",
            "5.0 tons: 100 cfm, 19 sq. in."};
        QTest::newRow("drpTightTechnical")
            << true << false
            << technical + QStringList{"This house is already at or below the recommended "
                                       "Optimum Leakage Area."};
        QTest::newRow("drpLooseTechnical") << true << true << technical;
    }
    void reportsOnPaper()
    {
        QFETCH(bool, technical);
        QFETCH(bool, loose);
        QFETCH(QStringList, sentences);
        MainWindowFixture run;
        QVERIFY(calculated(run, loose));
        QTemporaryDir dir;
        const auto [report, layout, painted, path] = onPaper(*run.form().reports, technical, dir);
        QCOMPARE(report.layout, QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY2(painted.overflowing.isEmpty(), qPrintable(painted.overflowing.join(", ")));
        int pages = 0;
        const QString text = pdfText(path, &pages);
        QCOMPARE(pages, 1);
        for (const QString& sentence : sentences)
            QVERIFY2(text.contains(squeezed(sentence)), qPrintable(sentence));
        for (const QString& column : layout.boundColumns()) {
            const QString value =
                squeezed(platform::reportDisplayText(report.row.value(column).toString()));
            QVERIFY2(text.contains(value), qPrintable(column + ": " + value));
        }
        QVERIFY(text.contains("Prepared By: Smith & Sons Home Performance, Loveland, Colorado"));
        QVERIFY(!text.contains("&&"));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void longHeaderWrapsAtFullSize_data()
    {
        QTest::addColumn<bool>("technical");
        QTest::addColumn<bool>("loose");
        QTest::newRow("drpTightHouse") << false << false;
        QTest::newRow("drpLooseHouse") << false << true;
        QTest::newRow("drpTightTechnical") << true << false;
        QTest::newRow("drpLooseTechnical") << true << true;
    }
    void longHeaderWrapsAtFullSize()
    {
        QFETCH(bool, technical);
        QFETCH(bool, loose);
        // The most the client's name and street hold, and a long company name.
        const QString name = "Bartholomew && Featherstonehaugh-Wolfeschlegelstei";
        const QString street = "12345 North Old Settlers Memorial Parkway, Apt 120";
        QCOMPARE(name.size(), 50);
        QCOMPARE(street.size(), 50);
        MainWindowFixture run;
        QVERIFY(startWithClient(run, name));
        SaveAppSetting(run.state->gcnnUser, "CompanyName",
                       "Featherstonehaugh && Daughters Home Performance and Energy Auditing");
        frmHVACMain& form = run.form();
        form.survey->txtClientStreet->setText(street);
        QVERIFY(enterTest(form, loose ? looseReadings() : tightReadings()) && calculate(form));
        QTemporaryDir dir;
        const auto [report, layout, painted, path] =
            onPaper(*form.reports, technical, dir, QStringLiteral("long-"));
        QCOMPARE(report.layout, QString::fromLatin1(QTest::currentDataTag()));
        // Both lines fit at the layout's own size.
        QVERIFY2(painted.overflowing.isEmpty(), qPrintable(painted.overflowing.join(", ")));
        QVERIFY2(!painted.shrunk.contains("txtClientName") &&
                     !painted.shrunk.contains("txtTechName"),
                 qPrintable(painted.shrunk.join(", ")));
        const QString text = pdfText(path);
        // The client's name as typed; only the company texts take "&&" for "&".
        QVERIFY(text.contains("Report Prepared For: " + name + ", " + street + ", Chicago, IL"));
        QVERIFY(text.contains("Prepared By: Featherstonehaugh & Daughters Home Performance and "
                              "Energy Auditing, Loveland, Colorado, Daniel Reyes"));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void viewShowsOneWindowPerLayout()
    {
        MainWindowFixture run;
        QVERIFY(calculated(run, false));
        frmHVACMain& form = run.form();
        ReportBuilder& reports = *form.reports;
        QVERIFY(!reports.reportWindow("drpTightHouse"));

        QTest::mouseClick(form.hl->cmdHLViewClientReport, Qt::LeftButton);
        QPointer<platform::ReportWindow> house = reports.reportWindow("drpTightHouse");
        QVERIFY(house);
        QVERIFY(house->isVisible());
        QVERIFY(!house->isModal());
        QCOMPARE(house->layout().name(), QStringLiteral("drpTightHouse"));
        QCOMPARE(house->row().value("Title").toString(),
                 QStringLiteral("Tight House Leakage Test Report #12"));

        QTest::mouseClick(form.hl->cmdHLViewTechReport, Qt::LeftButton);
        platform::ReportWindow* tech = reports.reportWindow("drpTightTechnical");
        QVERIFY(tech && tech != house && tech->isVisible());
        QCOMPARE(tech->row().value("CFM50").toString(), QStringLiteral("CFM @ 50 Pa = 1,176"));

        // The next test on the same layout reuses its window.
        form.hl->txtHLTestNum->setText("13");
        QTest::mouseClick(form.hl->cmdHLViewClientReport, Qt::LeftButton);
        QCOMPARE(reports.reportWindow("drpTightHouse"), house.data());
        QCOMPARE(house->row().value("Title").toString(),
                 QStringLiteral("Tight House Leakage Test Report #13"));

        // Closed, it is gone; the next view opens a new one.
        house->close();
        QTRY_VERIFY(!house);
        QVERIFY(!reports.reportWindow("drpTightHouse"));
        QTest::mouseClick(form.hl->cmdHLViewClientReport, Qt::LeftButton);
        QVERIFY(reports.reportWindow("drpTightHouse"));
        QVERIFY(run.dialogs.boxes().isEmpty());
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void printGoesThroughThePrintDialog()
    {
        MainWindowFixture run;
        QVERIFY(calculated(run, true));
        frmHVACMain& form = run.form();
        QTemporaryDir dir;

        const QString house = dir.filePath("house.pdf");
        run.dialogs.expectPrint(true, house);
        QTest::mouseClick(form.hl->cmdHLPrintClientReport, Qt::LeftButton);
        QVERIFY(pdfText(house).contains("Loose House Leakage Test Report #12"));
        QVERIFY(pdfText(house).contains("(2.3 times more than recommended)"));
        QCOMPARE(form.window()->focusWidget(), form.hl->cmdHLPrintTechReport);

        // Cancelled: nothing printed, the focus moves on all the same.
        const QString cancelled = dir.filePath("cancelled.pdf");
        run.dialogs.expectPrint(false, cancelled);
        QTest::mouseClick(form.hl->cmdHLPrintTechReport, Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(cancelled));
        QCOMPARE(form.window()->focusWidget(), form.hl->cmdContinueFromHLTab);

        const QString tech = dir.filePath("technical.pdf");
        run.dialogs.expectPrint(true, tech);
        QTest::mouseClick(form.hl->cmdHLPrintTechReport, Qt::LeftButton);
        QVERIFY(pdfText(tech).contains("228 square inches can be sealed before reaching the "
                                       "Optimum Leakage Area."));
        QVERIFY(!form.reports->reportWindow("drpLooseTechnical"));
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(run.dialogs.boxes().size(), 3);
    }

    void printerThatCannotBeOpenedIsTold()
    {
        MainWindowFixture run;
        QVERIFY(calculated(run, false));
        run.dialogs.expectPrint(true, "/nonexistent-folder/report.pdf");
        run.dialogs.expect(MsgResult::OK, "/nonexistent-folder/report.pdf");
        QTest::mouseClick(run.form().hl->cmdHLPrintClientReport, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(run.dialogs.lastBox().icon, platform::MsgIcon::Critical);
        QVERIFY(!run.programEnded());
    }

    // A changed input drops the results snapshot, so no report reaches figures of inputs that
    // are gone; a snapshot already taken stays as it was.
    void clearingTheResultsDropsTheSnapshot()
    {
        MainWindowFixture run;
        QVERIFY(calculated(run, false));
        frmHVACMain& form = run.form();
        const std::shared_ptr<const HLResultsSnapshot> taken = form.houseLeakage->results();
        QVERIFY(taken);
        const float measured = taken->MeasuredLeakageSqIn();

        form.hl->txtHLInsideTemp->setText("70");
        QVERIFY(!form.houseLeakage->results());
        QVERIFY(!form.hl->cmdHLViewTechReport->isEnabled());
        QCOMPARE(taken->MeasuredLeakageSqIn(), measured);
        try {
            form.reports->BuildTechnicalReport();
            QFAIL("a report was made of cleared results");
        } catch (const vbrt::Error& e) {
            QCOMPARE(e.number(), vbrt::objectError(2219));
        }

        QVERIFY(form.houseLeakage->HLCalculate(false));
        QVERIFY(form.houseLeakage->results() && form.houseLeakage->results() != taken);
        QCOMPARE(form.reports->BuildTechnicalReport().row.value("TempDirection").toString(),
                 QStringLiteral("Inside = 70°F, Outside = 41°F, Depressurize from inside"));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void reportBeforeAnyCalculationRaisesTheTestsError_data()
    {
        QTest::addColumn<QString>("button");
        for (const char* name : {"cmdHLViewClientReport", "cmdHLPrintClientReport",
                                 "cmdHLViewTechReport", "cmdHLPrintTechReport"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void reportBeforeAnyCalculationRaisesTheTestsError()
    {
        QFETCH(QString, button);
        MainWindowFixture run;
        QVERIFY(startWithClient(run));
        QVERIFY(!run.form().houseLeakage->mobjHLTest);
        auto* pressed = run.form().pageHouseLeakage->findChild<QPushButton*>(button);
        QVERIFY(pressed);
        pressed->setEnabled(true);
        // The measured leakage is read first; no print dialog is offered.
        const QString number = QString::number(vbrt::objectError(2219));
        run.dialogs.expect(MsgResult::OK, "Run-time error '" + number + "'");
        QTest::mouseClick(pressed, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QVERIFY(run.programEnded());
        QVERIFY(run.folder.log().contains("Run-time error '" + number + "'"));
        QVERIFY(!QApplication::overrideCursor());
    }
};

OSTREL_GUI_TEST_MAIN(TestReports)

#include "test_reports.moc"

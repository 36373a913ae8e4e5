// The house leakage reports made from a results snapshot and a header alone, with no window:
// the figures the calculation kept, the errors it kept in place of figures, and a snapshot that
// stays as it was taken.
#include "HLResultsSnapshot.h"
#include "HouseLeakageReports.h"
#include "HouseLeakageTest.h"
#include "vberror.h"

#include <QSqlDatabase>
#include <QTest>

#include <array>
#include <functional>
#include <limits>

using reporting::ReportColumns;
using reporting::ReportHeader;

namespace {

// Fan B's constants when depressurizing: ring 1, and open (three times the flow).
struct Fan
{
    float k;
    float n;
};
constexpr Fan Ring1{95.0f, 0.503f};
constexpr Fan Open{285.0f, 0.500f};

constexpr std::array<float, 6> HousePa{50, 45, 40, 35, 30, 25};
constexpr std::array<float, 6> FanPa{155, 136, 117, 97, 78, 60};

// A 1,850 sq ft two-story house in Chicago (LBL zone 3, -5 F winter design, 31 grains in
// summer), normal suburban wind, depressurized from inside with six data sets.
HouseLeakageTest chicagoTest(Fan fan, float winterDesignTemp = -5)
{
    HouseLeakageTest t;
    t.setLblClimateZone(3);
    t.setWinterTimeDesignTemperature(winterDesignTemp);
    t.setGrainDifferenceSummer(31);
    t.setTestType(0);
    t.setTestDirection(0);
    t.setGaugeLocation(0);
    t.setRangeK(fan.k);
    t.setRangeN(fan.n);
    t.setRangeK1(0);
    t.setRangeK2(0);
    t.setRangeK3(0);
    t.setRangeK4(1);
    t.setInsideTempF(68);
    t.setOutsideTempF(41);
    t.setLivingAreaSqFt(1850);
    t.setStories(2);
    t.setAverageCeilingHeightFt(8.5f);
    t.setBedrooms(3);
    t.setWindExposure(2);
    t.setFlowCalculated(true);
    t.setFanCount(1);
    for (int d = 0; d < 6; ++d) {
        t.setCurrentDataset(int16_t(d));
        t.setHousePressure(HousePa[size_t(d)]);
        t.setFlowPressure(FanPa[size_t(d)]);
    }
    return t;
}

ReportHeader chicagoHeader()
{
    ReportHeader h;
    h.testNumber = "12";
    h.clientInfo = "Margaret \"Peg\" O'Neill, 1452 Juniper Ridge Road, Chicago, IL";
    h.techInfo = "Smith & Sons Home Performance, Loveland, Colorado, Daniel Reyes";
    h.testDate = "10/14/2024 9:30 am";
    h.livingArea = "1,850";
    h.stories = "2 Stories";
    h.bedrooms = "3";
    h.ceilingHeight = "8.5";
    h.windExposure = "Normal suburban";
    h.windExposureCode = 2;
    h.climateCity = "Chicago";
    h.climateLblZone = "3";
    h.insideTemp = "68";
    h.outsideTemp = "41";
    h.testDirection = "Depressurize from inside";
    h.range = "B1  = (Example fan B, ring 1)";
    h.housePressure = {"50", "45", "40", "35", "30", "25"};
    h.flowPressure = {"155", "136", "117", "97", "78", "60"};
    h.testFlow = {"1,170", "1,095", "1,015", "924", "828", "726"};
    h.testError = {"-0.5", "0.1", "0.6", "0.4", "0.0", "-0.7"};
    return h;
}

QString valueOf(const ReportColumns& columns, const QString& alias)
{
    for (const auto& column : columns)
        if (column.first == alias)
            return column.second;
    return QStringLiteral("<no column %1>").arg(alias);
}

// The error number an action raises, 0 when it raises none.
int32_t errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const vbrt::Error& e) {
        return e.number();
    }
    return 0;
}

} // namespace

class TestReportSnapshot : public QObject
{
    Q_OBJECT
private slots:
    void reportsFromTheSnapshotAndHeader_data()
    {
        QTest::addColumn<bool>("loose");
        QTest::newRow("tight") << false;
        QTest::newRow("loose") << true;
    }
    void reportsFromTheSnapshotAndHeader()
    {
        QFETCH(bool, loose);
        HouseLeakageTest test = chicagoTest(loose ? Open : Ring1);
        const HLResultsSnapshot results = HLResultsSnapshot::capture(test, 6);
        const ReportHeader header = chicagoHeader();

        const auto house = reporting::houseReport(results, header);
        QCOMPARE(house.layout, loose ? QString("drpLooseHouse") : QString("drpTightHouse"));
        QCOMPARE(valueOf(house.columns, "Title"),
                 (loose ? QString("Loose") : QString("Tight")) + " House Leakage Test Report #12");
        QCOMPARE(valueOf(house.columns, "TestDate"), QString("October 14, 2024"));
        QCOMPARE(valueOf(house.columns, "ELAMeasured"),
                 loose ? QString("2.8 square feet") : QString("0.9 square feet"));
        QCOMPARE(house.columns.size(), loose ? 9 : 8);

        const auto tech = reporting::technicalReport(results, header);
        QCOMPARE(tech.layout, loose ? QString("drpLooseTechnical") : QString("drpTightTechnical"));
        // The figures come from the snapshot; the texts around them from the header.
        const QList<QPair<QString, QString>> expected = {
            {"ClientInfo", header.clientInfo},
            {"TechInfo", header.techInfo},
            {"LivingArea",
             "1,850 square feet on 2 Stories; 3 Bedrooms; 8.5 ft Avg. Ceiling Height"},
            {"WindShielding", "Normal suburban (Wind Shielding Factor:  1)"},
            {"Climate", "Chicago (LBL Climate Zone:  3)"},
            {"TempDirection", "Inside = 68°F, Outside = 41°F, Depressurize from inside"},
            {"HltTestError2", "0.6"},
            {"ASHRAEWhole", "49 cfm"},
            {"SummerNone", loose ? "-13.3 gallons/day" : "-4.5 gallons/day"},
            {"Winter300", loose ? "+44.9 gallons/day" : "+31.3 gallons/day"},
            {"MeasuredLeakage", loose ? "2.79 square feet, 402.3 square inches"
                                      : "0.94 square feet, 135.8 square inches"},
            {"OptimumLeakage", "1.21 square feet, 174.1 square inches"},
            {"AverageAirChanges",
             loose ? "18.50 per day, 0.77 per hour" : "6.26 per day, 0.26 per hour"},
            {"CFM50", loose ? "CFM @ 50 Pa = 3,474" : "CFM @ 50 Pa = 1,176"},
            {"C", loose ? "(C = 241" : "(C = 80"},
            {"N", loose ? "N = 0.682)" : "N = 0.686)"},
            {"MaxDuctLeakage", "Or, if there is no air conditioning, 10.3 square inches (55.5 cfm) "
                               "for all the duct systems in the home, based on 3% of conditioned "
                               "floor space in CFM25"},
            {"AirflowRequired5pa", loose ? "687 cfm = 5 pa" : "229 cfm = 5 pa"},
        };
        for (const auto& [alias, value] : expected)
            QVERIFY2(valueOf(tech.columns, alias) == value,
                     qPrintable(alias + ": " + valueOf(tech.columns, alias)));
        QCOMPARE(tech.columns.size(), 64);
        QCOMPARE(tech.columns.last().first, QString("AirflowRequired5pa"));

        // Opened as the one-row record the layouts bind to.
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "snapshot");
        db.setDatabaseName(":memory:");
        QVERIFY(db.open());
        const BuiltReport built = reporting::buildReport(db, tech);
        QCOMPARE(built.layout, tech.layout);
        QCOMPARE(built.row.count(), tech.columns.size());
        QCOMPARE(built.row.value("CFM50").toString(), valueOf(tech.columns, "CFM50"));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("snapshot");
    }

    // Every figure is the test's own, to the bit, and stays so whatever the test does after.
    void snapshotHoldsTheTestsFiguresAsTaken()
    {
        HouseLeakageTest test = chicagoTest(Ring1);
        const HLResultsSnapshot results = HLResultsSnapshot::capture(test, 6);
        const auto same = [&] {
            QCOMPARE(results.N(), test.N());
            QCOMPARE(results.CvalCfm(), test.CvalCfm());
            QCOMPARE(results.CorrelationCoefficient(), test.CorrelationCoefficient());
            QCOMPARE(results.CFM50(), test.CFM50());
            QCOMPARE(results.HouseVolumeCF(), test.HouseVolumeCF());
            QCOMPARE(results.EstimatedAirChangesHourly(), test.EstimatedAirChangesHourly());
            QCOMPARE(results.EstimatedAirChangesDaily(), test.EstimatedAirChangesDaily());
            QCOMPARE(results.MeasuredLeakageSqIn(), test.MeasuredLeakageSqIn());
            QCOMPARE(results.OptimumAirChangesDaily(), test.OptimumAirChangesDaily());
            QCOMPARE(results.OptimumLeakageSqIn(), test.OptimumLeakageSqIn());
            QCOMPARE(results.BoosterVentilationNeededDaily(), test.BoosterVentilationNeededDaily());
            QCOMPARE(results.WinterHumidRequirement(0), test.WinterHumidRequirement_None());
            QCOMPARE(results.WinterHumidRequirement(4), test.WinterHumidRequirement_300());
            QCOMPARE(results.SummerHumidRequirement(2), test.SummerHumidRequirement_100());
            QCOMPARE(results.datasets().size(), size_t(6));
            for (int d = 0; d < 6; ++d) {
                test.setCurrentDataset(int16_t(d));
                const auto& dataset = results.datasets()[size_t(d)];
                QCOMPARE(dataset.housePressure, HousePa[size_t(d)]);
                QCOMPARE(dataset.flowPressure, FanPa[size_t(d)]);
                QCOMPARE(dataset.testFlow.value(), test.TestFlow());
                QCOMPARE(dataset.errorPercentage.value(), test.ErrorPercentage());
            }
        };
        same();
        QCOMPARE(results.inputs().livingAreaSqFt, 1850);
        QCOMPARE(results.inputs().averageCeilingHeightFt, 8.5f);
        QCOMPARE(results.inputs().lblClimateZone, int16_t(3));

        const float measured = results.MeasuredLeakageSqIn();
        const float volume = results.HouseVolumeCF();
        test.setLivingAreaSqFt(3000);
        test.setCurrentDataset(0);
        test.setFlowPressure(300);
        QVERIFY(test.MeasuredLeakageSqIn() != measured);
        QCOMPARE(results.MeasuredLeakageSqIn(), measured);
        QCOMPARE(results.HouseVolumeCF(), volume);
        QCOMPARE(results.inputs().livingAreaSqFt, 1850);
    }

    // A climate without a winter design temperature: the winter needs keep the error the test
    // raised; the technical report raises it, the house report needs none of them.
    void figureThatCannotBeComputedKeepsItsError()
    {
        HouseLeakageTest test = chicagoTest(Ring1, std::numeric_limits<float>::quiet_NaN());
        const int32_t raised = errorOf([&] { test.WinterHumidRequirement_None(); });
        QCOMPARE(raised, int32_t(vbrt::ErrOverflow));
        const HLResultsSnapshot results = HLResultsSnapshot::capture(test, 6);
        QCOMPARE(errorOf([&] { results.WinterHumidRequirement(0); }), raised);
        QCOMPARE(errorOf([&] { results.WinterHumidRequirement(4); }), raised);
        QVERIFY(!results.SummerHumidRequirement(0).isEmpty());

        QCOMPARE(errorOf([&] { reporting::technicalReport(results, chicagoHeader()); }), raised);
        QCOMPARE(reporting::houseReport(results, chicagoHeader()).layout, QString("drpTightHouse"));
    }

    // Results never calculated: both reports raise the measured leakage's own error first.
    void reportWithoutACalculationRaisesTheTestsError_data()
    {
        QTest::addColumn<bool>("readings");
        QTest::newRow("no test") << false;
        QTest::newRow("test without its range") << true;
    }
    void reportWithoutACalculationRaisesTheTestsError()
    {
        QFETCH(bool, readings);
        HouseLeakageTest test;
        int datasets = 0;
        if (readings) {
            for (int d = 0; d < 6; ++d) {
                test.setCurrentDataset(int16_t(d));
                test.setHousePressure(HousePa[size_t(d)]);
                test.setFlowPressure(FanPa[size_t(d)]);
            }
            datasets = 6;
        }
        const HLResultsSnapshot results = HLResultsSnapshot::capture(test, datasets);
        const int32_t measured = vbrt::objectError(2219);
        QCOMPARE(errorOf([&] { reporting::houseReport(results, chicagoHeader()); }), measured);
        QCOMPARE(errorOf([&] { reporting::technicalReport(results, chicagoHeader()); }), measured);
        QCOMPARE(errorOf([&] { results.N(); }), vbrt::objectError(2229));
    }
};

QTEST_GUILESS_MAIN(TestReportSnapshot)

#include "test_reportsnapshot.moc"

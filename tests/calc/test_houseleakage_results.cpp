#include "HouseLeakageFixture.h"
#include "vbformat.h"

#include <QTest>

using namespace fixture;

using Action = std::function<void(HouseLeakageTest&)>;
Q_DECLARE_METATYPE(Action)

#define QVERIFY_NEAR(actual, expected)                                                             \
    QVERIFY2(near((actual), (expected)), qPrintable(QStringLiteral("%1 != %2 (expected)")          \
                                                        .arg(double(actual), 0, 'g', 9)            \
                                                        .arg(double(expected), 0, 'g', 9)))

class TestHouseLeakageResults : public QObject
{
    Q_OBJECT
private slots:
    void workedDepressurizationExample()
    {
        HouseLeakageTest t;
        setUpHouse(t);
        setReadings(t, workedReadings());
        const Expected e = expectedDepressurization(workedReadings());

        QVERIFY_NEAR(t.N(), e.n);
        QVERIFY(e.n > 0.55 && e.n < 0.75); // a plausible house, so the example means something
        QVERIFY_NEAR(t.CvalCfm(), f(e.cLps * CfmPerLps));
        QVERIFY_NEAR(t.CorrelationCoefficient(), e.correlation);
        QVERIFY(e.correlation > 0.99 && e.correlation < 1.0);
        QVERIFY_NEAR(t.CFM50(), e.cfm50);
        QVERIFY_NEAR(t.HouseVolumeCF(), e.volume);
        QVERIFY_NEAR(t.EstimatedAirChangesHourly(), e.achHourly);
        QVERIFY_NEAR(t.EstimatedAirChangesDaily(), e.achDaily);
        QVERIFY_NEAR(t.MeasuredLeakageSqIn(), e.leakSqIn);
        QVERIFY_NEAR(t.OptimumAirChangesDaily(), e.optimumDaily);
        QVERIFY_NEAR(t.OptimumLeakageSqIn(), e.optimumSqIn);
        QVERIFY_NEAR(t.BoosterVentilationNeededDaily(), e.booster);
        for (int d = 0; d < 4; ++d) {
            t.setCurrentDataset(int16_t(d));
            QVERIFY_NEAR(t.TestFlow(), f(e.flowLps[size_t(d)] * CfmPerLps));
            // Point errors are small differences of large numbers: absolute, in per cent.
            QVERIFY(std::fabs(t.ErrorPercentage() - e.errorPercent[size_t(d)]) < 1e-3);
        }
        QCOMPARE(t.WinterHumidRequirement_None(), vbrt::formatNumber(e.winterGallons(0), 1));
        QCOMPARE(t.WinterHumidRequirement_50(), vbrt::formatNumber(e.winterGallons(50), 1));
        QCOMPARE(t.WinterHumidRequirement_100(), vbrt::formatNumber(e.winterGallons(100), 1));
        QCOMPARE(t.WinterHumidRequirement_200(), vbrt::formatNumber(e.winterGallons(200), 1));
        QCOMPARE(t.WinterHumidRequirement_300(), vbrt::formatNumber(e.winterGallons(300), 1));
        QCOMPARE(t.SummerHumidRequirement_None(), vbrt::formatNumber(e.summerGallons(0, 25), 1));
        QCOMPARE(t.SummerHumidRequirement_50(), vbrt::formatNumber(e.summerGallons(50, 25), 1));
        QCOMPARE(t.SummerHumidRequirement_100(), vbrt::formatNumber(e.summerGallons(100, 25), 1));
        QCOMPARE(t.SummerHumidRequirement_200(), vbrt::formatNumber(e.summerGallons(200, 25), 1));
        QCOMPARE(t.SummerHumidRequirement_300(), vbrt::formatNumber(e.summerGallons(300, 25), 1));
        QVERIFY(t.WinterHumidRequirement_None() != t.WinterHumidRequirement_300());
    }

    void exactFitRecoversExponentAndCoefficient_data()
    {
        QTest::addColumn<double>("c");
        QTest::addColumn<double>("n");
        QTest::addColumn<std::vector<float>>("pressures");
        QTest::newRow("tight house, 3 points") << 45.0 << 0.62 << std::vector<float>{15, 30, 50};
        QTest::newRow("leaky house, 3 points") << 320.0 << 0.55 << std::vector<float>{10, 25, 45};
        QTest::newRow("n = 1, 6 points")
            << 12.0 << 1.0 << std::vector<float>{10, 20, 30, 40, 50, 60};
        QTest::newRow("n = 0.5, 2 points") << 150.0 << 0.5 << std::vector<float>{12, 48};
    }
    void exactFitRecoversExponentAndCoefficient()
    {
        QFETCH(double, c);
        QFETCH(double, n);
        QFETCH(std::vector<float>, pressures);
        HouseLeakageTest t;
        setUpHouse(t);
        setExactFit(t, c, n, pressures);
        // The regression sums are single precision and SXX, SXY and SYY are differences of
        // nearly equal products, so an exact fit comes back to about 1e-5, not 1e-7.
        QVERIFY2(near(t.N(), n, 5e-5), qPrintable(QString::number(double(t.N()), 'g', 9)));
        QVERIFY(near(t.CvalCfm(), c * CfmPerLps, 5e-5));
        QVERIFY(near(t.CorrelationCoefficient(), 1.0, 5e-5));
        for (size_t d = 0; d < pressures.size(); ++d) {
            t.setCurrentDataset(int16_t(d));
            QVERIFY(std::fabs(t.ErrorPercentage()) < 0.01);
        }
    }

    void singlePointUsesFixedExponent()
    {
        HouseLeakageTest t;
        setUpHouse(t);
        t.setTestType(1);
        setReadings(t, {{50, 400}});
        const double q0 = expectedDepressurization({{50, 400}}).flowLps[0];
        const double c = f(q0 / std::pow(50.0, double(0.65f)));
        QCOMPARE(t.N(), 0.65f);
        QCOMPARE(t.CorrelationCoefficient(), 1.0f);
        QVERIFY_NEAR(t.CvalCfm(), f(c * CfmPerLps));
        QVERIFY_NEAR(t.CFM50(), f(std::pow(50.0, double(0.65f)) * c * CfmPerLps));
        const double cByDataset = f(q0 / std::pow(50.0, 0.65));
        QVERIFY_NEAR(HouseLeakageTestProbe::CvalLpsByDataset(t, 0), cByDataset);
        QVERIFY_NEAR(t.MeasuredLeakageSqIn(), f(f(std::sqrt(1.204097) * 0.001157 * cByDataset *
                                                  std::pow(25.0, double(0.65f) - 0.5) * 10000) *
                                                0.1550003));
        t.setCurrentDataset(0);
        QVERIFY(std::fabs(t.ErrorPercentage()) < 1e-3);
    }

    void singlePointIgnoresFurtherDataForTheFit()
    {
        HouseLeakageTest t;
        setUpHouse(t);
        t.setTestType(1);
        setReadings(t, {{50, 400}, {20, 300}, {35, 90}});
        QCOMPARE(t.N(), 0.65f);
        QCOMPARE(t.CorrelationCoefficient(), 1.0f);
        HouseLeakageTest alone;
        setUpHouse(alone);
        alone.setTestType(1);
        setReadings(alone, {{50, 400}});
        QCOMPARE(t.CFM50(), alone.CFM50());
    }

    void otherTestTypeHasNoMeasuredLeakage()
    {
        HouseLeakageTest t;
        setUpHouse(t);
        t.setTestType(2);
        setReadings(t, workedReadings());
        QCOMPARE(t.MeasuredLeakageSqIn(), 0.0f);
        QVERIFY_NEAR(t.N(), expectedDepressurization(workedReadings()).n); // fitted as multi-point
    }

    void guardRaisesItsNumberWhenIncomplete_data()
    {
        QTest::addColumn<Action>("read");
        QTest::addColumn<int>("n");
        auto row = [](const char* name, Action a, int n) { QTest::newRow(name) << a << n; };
        row(
            "OptimumLeakageSqIn", [](auto& t) { t.OptimumLeakageSqIn(); }, 2049);
        row(
            "BoosterVentilationNeededDaily", [](auto& t) { t.BoosterVentilationNeededDaily(); },
            2069);
        row(
            "CFM50", [](auto& t) { t.CFM50(); }, 2079);
        row(
            "CorrelationCoefficient", [](auto& t) { t.CorrelationCoefficient(); }, 2109);
        row(
            "CvalCfm", [](auto& t) { t.CvalCfm(); }, 2119);
        row(
            "CvalLpsByDataset", [](auto& t) { HouseLeakageTestProbe::CvalLpsByDataset(t, 0); },
            2139);
        row(
            "ErrorPercentage", [](auto& t) { t.ErrorPercentage(); }, 2159);
        row(
            "EstimatedAirChangesDaily", [](auto& t) { t.EstimatedAirChangesDaily(); }, 2169);
        row(
            "EstimatedAirChangesHourly", [](auto& t) { t.EstimatedAirChangesHourly(); }, 2179);
        row(
            "HouseVolumeCF", [](auto& t) { t.HouseVolumeCF(); }, 2189);
        row(
            "MeasuredLeakageSqIn", [](auto& t) { t.MeasuredLeakageSqIn(); }, 2219);
        row(
            "N", [](auto& t) { t.N(); }, 2229);
        row(
            "OptimumAirChangesDaily", [](auto& t) { t.OptimumAirChangesDaily(); }, 2239);
        row(
            "SXX", [](auto& t) { HouseLeakageTestProbe::SXX(t); }, 2259);
        row(
            "SXY", [](auto& t) { HouseLeakageTestProbe::SXY(t); }, 2269);
        row(
            "SYY", [](auto& t) { HouseLeakageTestProbe::SYY(t); }, 2289);
        // The humidification texts stand behind the daily air changes.
        row(
            "WinterHumidRequirement_None", [](auto& t) { t.WinterHumidRequirement_None(); }, 2169);
        row(
            "WinterHumidRequirement_300", [](auto& t) { t.WinterHumidRequirement_300(); }, 2169);
        row(
            "SummerHumidRequirement_None", [](auto& t) { t.SummerHumidRequirement_None(); }, 2169);
        row(
            "SummerHumidRequirement_300", [](auto& t) { t.SummerHumidRequirement_300(); }, 2169);
    }
    void guardRaisesItsNumberWhenIncomplete()
    {
        QFETCH(Action, read);
        QFETCH(int, n);
        HouseLeakageTest fresh;
        QCOMPARE(errorOf([&] { read(fresh); }), vbrt::objectError(n));
        // Complete but for the last data set's flow pressure.
        HouseLeakageTest t;
        setUpHouse(t);
        setReadings(t, {{50, 400}, {40, 305}, {30, 0}});
        t.setCurrentDataset(0);
        QCOMPARE(errorOf([&] { read(t); }), vbrt::objectError(n));
        QVERIFY(!t.Calculated());
        t.setCurrentDataset(2);
        t.setFlowPressure(200);
        t.setCurrentDataset(0);
        QCOMPARE(errorOf([&] { read(t); }), 0);
    }

    void faultsAreErrorsNotInfinities_data()
    {
        QTest::addColumn<Action>("change");
        QTest::addColumn<Action>("read");
        QTest::addColumn<int>("error");
        const Action each = [](auto& t) { t.EstimatedAirChangesHourly(); };
        QTest::newRow("zone 5: no LBL factor")
            << Action([](auto& t) { t.setLblClimateZone(5); }) << each << 11;
        QTest::newRow("zone 0: no LBL factor")
            << Action([](auto& t) { t.setLblClimateZone(0); }) << each << 11;
        QTest::newRow("no living area: air changes")
            << Action([](auto& t) { t.setLivingAreaSqFt(0); }) << each << 11;
        QTest::newRow("no living area: optimum air changes")
            << Action([](auto& t) { t.setLivingAreaSqFt(0); })
            << Action([](auto& t) { t.OptimumAirChangesDaily(); }) << 11;
        QTest::newRow("no ceiling height: booster")
            << Action([](auto& t) { t.setAverageCeilingHeightFt(0); })
            << Action([](auto& t) { t.BoosterVentilationNeededDaily(); }) << 11;
        QTest::newRow("no living area: humidification")
            << Action([](auto& t) { t.setLivingAreaSqFt(0); })
            << Action([](auto& t) { t.WinterHumidRequirement_100(); }) << 11;
        QTest::newRow("all at 1 Pa: slope 0/0") << Action([](auto& t) {
            for (int16_t d = 0; d < 4; ++d) {
                t.setCurrentDataset(d);
                t.setHousePressure(1);
            }
        }) << Action([](auto& t) { t.N(); }) << 6;
        QTest::newRow("zero fan flow: log of 0")
            << Action([](auto& t) { t.setRangeK4(0); }) << Action([](auto& t) { t.N(); }) << 5;
        QTest::newRow("two fans with exponent 0") << Action([](auto& t) {
            t.setFanCount(2);
            t.setRangeN(0);
            for (int16_t d = 0; d < 4; ++d) {
                t.setCurrentDataset(d);
                t.setFlowPressure2(10);
            }
        }) << Action([](auto& t) { t.N(); }) << 11;
        QTest::newRow("point error outside data sets")
            << Action([](auto& t) { t.setCurrentDataset(-1); })
            << Action([](auto& t) { t.ErrorPercentage(); }) << 9;
    }
    void faultsAreErrorsNotInfinities()
    {
        QFETCH(Action, change);
        QFETCH(Action, read);
        QFETCH(int, error);
        HouseLeakageTest t;
        setUpHouse(t);
        setReadings(t, workedReadings());
        change(t);
        QCOMPARE(errorOf([&] { read(t); }), error);
    }

    void unsetStoriesIsIncompleteNotALblLookup()
    {
        HouseLeakageTest t;
        setUpHouse(t, {}, /*withStories=*/false);
        t.setStories(7); // refused: the stories stay unset
        setReadings(t, workedReadings());
        QCOMPARE(errorOf([&] { t.EstimatedAirChangesHourly(); }), vbrt::objectError(2179));
    }

    void failedCheckLeavesNothingCalculated()
    {
        HouseLeakageTest t;
        setUpHouse(t);
        setReadings(t, workedReadings());
        t.setCurrentDataset(3);
        t.setHousePressure(-20); // log of a negative pressure
        t.setCurrentDataset(1);
        QCOMPARE(errorOf([&] { t.CFM50(); }), 5);
        QVERIFY(!t.Calculated());
        QCOMPARE(t.CurrentDataset(), int16_t(1));
        // A second read fails the same way instead of using a half-filled table.
        QCOMPARE(errorOf([&] { t.N(); }), 5);
    }

    void winterGrainSteps_data()
    {
        QTest::addColumn<float>("designTemperature");
        QTest::addColumn<double>("grains");
        QTest::newRow("-0.1 F") << -0.1f << 41.0;
        QTest::newRow("0 F") << 0.0f << 36.0;
        QTest::newRow("19.9 F") << 19.9f << 36.0;
        QTest::newRow("20 F") << 20.0f << 31.0;
        QTest::newRow("45 F") << 45.0f << 31.0;
    }
    void winterGrainSteps()
    {
        QFETCH(float, designTemperature);
        QFETCH(double, grains);
        HouseLeakageTest t;
        setUpHouse(t);
        t.setWinterTimeDesignTemperature(designTemperature);
        setReadings(t, workedReadings());
        Expected e = expectedDepressurization(workedReadings());
        e.winterGrains = grains;
        const QString text = t.WinterHumidRequirement_300();
        QCOMPARE(text, vbrt::formatNumber(e.winterGallons(300), 1));
        for (double other : {31.0, 36.0, 41.0}) {
            if (other == grains)
                continue;
            e.winterGrains = other;
            QVERIFY(text != vbrt::formatNumber(e.winterGallons(300), 1));
        }
    }
};

QTEST_GUILESS_MAIN(TestHouseLeakageResults)
#include "test_houseleakage_results.moc"

#include "HLResultsSnapshot.h"

#include "HouseLeakageTest.h"

#include <array>

namespace {

// The figure, or the error the test raised for it. Only the run time's errors are the test's
// answer; anything else is not a figure and goes on to the caller.
template <typename Read> auto figure(Read read) -> HLFigure<decltype(read())>
{
    try {
        return read();
    } catch (const vbrt::Error& e) {
        return e;
    }
}

} // namespace

HLResultsSnapshot HLResultsSnapshot::capture(HouseLeakageTest& test, int datasetCount)
{
    return HLResultsSnapshot(test, datasetCount);
}

// Every result of the test is a function of its inputs alone, so the order they are read in
// does not change them.
HLResultsSnapshot::HLResultsSnapshot(HouseLeakageTest& test, int datasetCount)
    : m_inputs{test.TestType(),
               test.TestDirection(),
               test.GaugeLocation(),
               test.LblClimateZone(),
               test.FanCount(),
               test.FlowCalculated(),
               test.InsideTempF(),
               test.OutsideTempF(),
               test.LivingAreaSqFt(),
               test.AverageCeilingHeightFt(),
               test.Bedrooms(),
               test.Stories(),
               test.WindExposure(),
               test.WinterTimeDesignTemperature(),
               test.GrainDifferenceSummer()},
      m_n(figure([&] { return test.N(); })), m_cvalCfm(figure([&] { return test.CvalCfm(); })),
      m_correlation(figure([&] { return test.CorrelationCoefficient(); })),
      m_cfm50(figure([&] { return test.CFM50(); })),
      m_houseVolume(figure([&] { return test.HouseVolumeCF(); })),
      m_airChangesHourly(figure([&] { return test.EstimatedAirChangesHourly(); })),
      m_airChangesDaily(figure([&] { return test.EstimatedAirChangesDaily(); })),
      m_measuredLeakage(figure([&] { return test.MeasuredLeakageSqIn(); })),
      m_optimumAirChanges(figure([&] { return test.OptimumAirChangesDaily(); })),
      m_optimumLeakage(figure([&] { return test.OptimumLeakageSqIn(); })),
      m_booster(figure([&] { return test.BoosterVentilationNeededDaily(); }))
{
    using Humid = QString (HouseLeakageTest::*)();
    static constexpr std::array<Humid, HumidSteps> winter{
        &HouseLeakageTest::WinterHumidRequirement_None,
        &HouseLeakageTest::WinterHumidRequirement_50, &HouseLeakageTest::WinterHumidRequirement_100,
        &HouseLeakageTest::WinterHumidRequirement_200,
        &HouseLeakageTest::WinterHumidRequirement_300};
    static constexpr std::array<Humid, HumidSteps> summer{
        &HouseLeakageTest::SummerHumidRequirement_None,
        &HouseLeakageTest::SummerHumidRequirement_50, &HouseLeakageTest::SummerHumidRequirement_100,
        &HouseLeakageTest::SummerHumidRequirement_200,
        &HouseLeakageTest::SummerHumidRequirement_300};
    for (Humid need : winter)
        m_winterHumid.push_back(figure([&] { return (test.*need)(); }));
    for (Humid need : summer)
        m_summerHumid.push_back(figure([&] { return (test.*need)(); }));

    for (int d = 0; d < datasetCount; ++d) {
        test.setCurrentDataset(int16_t(d));
        m_datasets.push_back({test.HousePressure(), test.FlowPressure(), test.FlowPressure2(),
                              figure([&] { return test.TestFlow(); }),
                              figure([&] { return test.ErrorPercentage(); })});
    }
}

QString HLResultsSnapshot::WinterHumidRequirement(int step) const
{
    return m_winterHumid.at(size_t(step)).value();
}

QString HLResultsSnapshot::SummerHumidRequirement(int step) const
{
    return m_summerHumid.at(size_t(step)).value();
}

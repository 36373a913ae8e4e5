// A six-point blower door test as the House Leakage tab runs it: every input set on a fresh
// object, then every result read, the per-data-set flows and point errors included.
#include "HouseLeakageTest.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

struct Reading
{
    float housePressure;
    float flowPressure;
};

constexpr std::array<Reading, 6> Readings{
    {{60, 520}, {50, 400}, {40, 305}, {30, 200}, {20, 125}, {15, 80}}};

void setInputs(HouseLeakageTest& t)
{
    t.setLblClimateZone(2);
    t.setWinterTimeDesignTemperature(10);
    t.setGrainDifferenceSummer(25);
    t.setTestType(0);
    t.setTestDirection(0);
    t.setGaugeLocation(0);
    t.setRangeK(110);
    t.setRangeN(0.5f);
    t.setRangeK1(0.02f);
    t.setRangeK2(0);
    t.setRangeK3(0.0005f);
    t.setRangeK4(1);
    t.setInsideTempF(68);
    t.setOutsideTempF(35);
    t.setLivingAreaSqFt(1800);
    t.setStories(0);
    t.setAverageCeilingHeightFt(8);
    t.setBedrooms(3);
    t.setWindExposure(2);
    t.setFlowCalculated(true);
    t.setFanCount(1);
}

void BM_SixPointCalculation(benchmark::State& state)
{
    for (auto _ : state) {
        HouseLeakageTest t;
        setInputs(t);
        float sum = 0;
        for (int16_t d = 0; d < int16_t(Readings.size()); ++d) {
            t.setCurrentDataset(d);
            t.setHousePressure(Readings[size_t(d)].housePressure);
            t.setFlowPressure(Readings[size_t(d)].flowPressure);
            sum += t.TestFlow();
        }
        for (int16_t d = 0; d < int16_t(Readings.size()); ++d) {
            t.setCurrentDataset(d);
            sum += t.ErrorPercentage();
        }
        sum += t.N() + t.CvalCfm() + t.CorrelationCoefficient() + t.CFM50() + t.HouseVolumeCF() +
               t.EstimatedAirChangesHourly() + t.EstimatedAirChangesDaily() +
               t.MeasuredLeakageSqIn() + t.OptimumAirChangesDaily() + t.OptimumLeakageSqIn() +
               t.BoosterVentilationNeededDaily();
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(t.WinterHumidRequirement_None());
        benchmark::DoNotOptimize(t.WinterHumidRequirement_50());
        benchmark::DoNotOptimize(t.WinterHumidRequirement_100());
        benchmark::DoNotOptimize(t.WinterHumidRequirement_200());
        benchmark::DoNotOptimize(t.WinterHumidRequirement_300());
        benchmark::DoNotOptimize(t.SummerHumidRequirement_None());
        benchmark::DoNotOptimize(t.SummerHumidRequirement_50());
        benchmark::DoNotOptimize(t.SummerHumidRequirement_100());
        benchmark::DoNotOptimize(t.SummerHumidRequirement_200());
        benchmark::DoNotOptimize(t.SummerHumidRequirement_300());
    }
}
BENCHMARK(BM_SixPointCalculation);

} // namespace

BENCHMARK_MAIN();

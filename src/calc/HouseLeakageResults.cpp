// Results of the blower door test: the weighted log-log fit of flow against house pressure and
// everything derived from it.
#include "HouseLeakageTest.h"

#include "vberror.h"
#include "vbformat.h"
#include "vbmath.h"

#include <cmath>

namespace {

constexpr double CfmPerLps = 2.11888;

// Guard numbers of the results (vbObjectError + n).
enum ResultError : int32_t
{
    ErrOptimumLeakageSqIn = 2049,
    ErrBoosterVentilationNeededDaily = 2069,
    ErrCFM50 = 2079,
    ErrCorrelationCoefficient = 2109,
    ErrCvalCfm = 2119,
    ErrCvalLpsByDataset = 2139,
    ErrErrorPercentage = 2159,
    ErrEstimatedAirChangesDaily = 2169,
    ErrEstimatedAirChangesHourly = 2179,
    ErrHouseVolumeCF = 2189,
    ErrMeasuredLeakageSqIn = 2219,
    ErrN = 2229,
    ErrOptimumAirChangesDaily = 2239,
    ErrSXX = 2259,
    ErrSXY = 2269,
    ErrSYY = 2289,
};

constexpr double SinglePointN = 0.65;

// LBL correlation factor by number of stories (rows) and climate zone 1-4 (columns).
struct LblRow
{
    float stories;
    std::array<double, 4> byZone;
};
constexpr std::array<LblRow, 4> LblTable{{
    {1.0f, {15.5, 18.5, 21.5, 24.5}},
    {1.5f, {14.0, 16.7, 19.4, 22.1}},
    {2.0f, {12.4, 14.8, 17.2, 19.6}},
    {3.0f, {10.9, 13.0, 15.1, 17.2}},
}};

} // namespace

std::array<float, HouseLeakageTest::ColumnCount> HouseLeakageTest::columnSums() const
{
    std::array<float, ColumnCount> sums{};
    for (int d = 0; d <= m_highestDataset && d < DatasetCount; ++d) {
        for (int c = 0; c < ColumnCount; ++c)
            sums[size_t(c)] = vbrt::single(double(sums[size_t(c)]) + m_work[size_t(d)][size_t(c)]);
    }
    return sums;
}

// --- Regression sums ---------------------------------------------------------------------

float HouseLeakageTest::SXX()
{
    guard(ErrSXX);
    const auto s = columnSums();
    return vbrt::single(double(s[W]) * s[WLnP2] - double(s[WLnP]) * s[WLnP]);
}

float HouseLeakageTest::SXY()
{
    guard(ErrSXY);
    const auto s = columnSums();
    return vbrt::single(double(s[W]) * s[WLnPLnQ] - double(s[WLnQ]) * s[WLnP]);
}

float HouseLeakageTest::SYY()
{
    guard(ErrSYY);
    const auto s = columnSums();
    return vbrt::single(double(s[W]) * s[WLnQ2] - double(s[WLnQ]) * s[WLnQ]);
}

// --- Fit ---------------------------------------------------------------------------------

float HouseLeakageTest::N()
{
    guard(ErrN);
    if (m_testType == 1)
        return vbrt::single(SinglePointN);
    return vbrt::single(vbrt::div(SXY(), SXX()));
}

float HouseLeakageTest::CvalLps()
{
    const double n = N();
    if (m_testType == 1) {
        const Dataset& first = dataset(0);
        return vbrt::single(vbrt::div(flowLps(0), vbrt::pow(first.housePressure, n)));
    }
    const auto s = columnSums();
    return vbrt::single(vbrt::exp(vbrt::div(s[WLnQ], s[W]) - n * vbrt::div(s[WLnP], s[W])));
}

float HouseLeakageTest::CvalLpsByDataset(int d)
{
    guard(ErrCvalLpsByDataset);
    return vbrt::single(vbrt::div(flowLps(d), vbrt::pow(dataset(d).housePressure, SinglePointN)));
}

float HouseLeakageTest::CvalCfm()
{
    guard(ErrCvalCfm);
    return vbrt::single(CvalLps() * CfmPerLps);
}

float HouseLeakageTest::CorrelationCoefficient()
{
    guard(ErrCorrelationCoefficient);
    if (m_testType == 1)
        return 1.0f;
    const double sxy = SXY();
    const double sxx = SXX();
    const double syy = SYY();
    return vbrt::single(vbrt::div(sxy, vbrt::pow(sxx * syy, 0.5)));
}

float HouseLeakageTest::CFM50()
{
    guard(ErrCFM50);
    const double n = N();
    return vbrt::single(vbrt::pow(50, n) * CvalLps() * CfmPerLps);
}

float HouseLeakageTest::ErrorPercentage()
{
    guard(ErrErrorPercentage);
    const int d = m_currentDataset;
    const double p = dataset(d).housePressure;
    const double q = flowLps(d);
    const double n = N();
    const double c = CvalLps();
    return vbrt::single(vbrt::div(q - c * vbrt::pow(p, n), q) * 100);
}

// --- House and air changes ---------------------------------------------------------------

float HouseLeakageTest::HouseVolumeCF()
{
    guard(ErrHouseVolumeCF);
    return vbrt::single(double(m_livingAreaSqFt) * m_averageCeilingHeightFt);
}

float HouseLeakageTest::ACH50()
{
    const double cfm50 = CFM50();
    return vbrt::single(vbrt::div(cfm50 * 60, HouseVolumeCF()));
}

float HouseLeakageTest::LBLCorrelationFactor() const
{
    if (m_lblClimateZone < 1 || m_lblClimateZone > 4)
        return 0.0f;
    for (const LblRow& row : LblTable) {
        if (vbrt::eq(m_stories, row.stories))
            return vbrt::single(row.byZone[size_t(m_lblClimateZone - 1)]);
    }
    return 0.0f;
}

float HouseLeakageTest::EstimatedAirChangesHourly()
{
    guard(ErrEstimatedAirChangesHourly);
    const double ach50 = ACH50();
    return vbrt::single(vbrt::div(ach50, double(LBLCorrelationFactor()) * m_windFactor));
}

float HouseLeakageTest::EstimatedAirChangesDaily()
{
    guard(ErrEstimatedAirChangesDaily);
    return vbrt::single(double(EstimatedAirChangesHourly()) * 24);
}

float HouseLeakageTest::OptimumAirChangesDaily()
{
    guard(ErrOptimumAirChangesDaily);
    const double cfm = (double(m_bedrooms) + 1) * 7.5 + m_livingAreaSqFt * 0.03;
    return vbrt::single(vbrt::div(cfm * 60, HouseVolumeCF()) * 24);
}

// --- Leakage areas -----------------------------------------------------------------------

float HouseLeakageTest::MeasuredLeakageSqCm()
{
    double c;
    if (m_testType == 0)
        c = CvalLps();
    else if (m_testType == 1)
        c = CvalLpsByDataset(0);
    else
        return 0.0f;
    const double n = N();
    return vbrt::single(vbrt::sqrt(1.204097) * 0.001157 * c * vbrt::pow(25, n - 0.5) * 10000);
}

float HouseLeakageTest::MeasuredLeakageSqIn()
{
    guard(ErrMeasuredLeakageSqIn);
    return vbrt::single(double(MeasuredLeakageSqCm()) * 0.1550003);
}

float HouseLeakageTest::OptimumLeakageSqIn()
{
    guard(ErrOptimumLeakageSqIn);
    const double volume = HouseVolumeCF();
    const double optimumDaily = OptimumAirChangesDaily();
    return vbrt::single(double(LBLCorrelationFactor()) * m_windFactor * volume / 60 *
                        (optimumDaily / 24) * 0.11837);
}

float HouseLeakageTest::BoosterVentilationNeededDaily()
{
    guard(ErrBoosterVentilationNeededDaily);
    const double optimumDaily = OptimumAirChangesDaily();
    const double estimatedDaily = EstimatedAirChangesDaily();
    return vbrt::single((optimumDaily - estimatedDaily) * HouseVolumeCF());
}

// --- Humidification ----------------------------------------------------------------------

int HouseLeakageTest::WinterGrainDifference() const
{
    // An unknown design temperature (NaN) falls in no band.
    if (std::isnan(m_winterTimeDesignTemperature))
        vbrt::raise(vbrt::ErrOverflow);
    if (vbrt::lt(m_winterTimeDesignTemperature, 0))
        return 41;
    if (vbrt::lt(m_winterTimeDesignTemperature, 20))
        return 36;
    return 31;
}

// Gallons of water a day to humidify the winter air exchange plus `addedCfm` of ventilation.
QString HouseLeakageTest::winterHumidRequirement(int addedCfm)
{
    const double daily = EstimatedAirChangesDaily();
    const double volume = HouseVolumeCF();
    const double gallons = (daily * 1.25 * volume + double(addedCfm) * 60 * 24) / 12.5 *
                           WinterGrainDifference() / 7005 / 8.3;
    return vbrt::formatNumber(vbrt::finite(gallons), 1);
}

// Gallons of water a day to remove from the summer air exchange plus `addedCfm` of ventilation.
QString HouseLeakageTest::summerHumidRequirement(int addedCfm)
{
    const double daily = EstimatedAirChangesDaily();
    const double volume = HouseVolumeCF();
    const double gallons = (daily * 0.75 * volume + double(addedCfm) * 60 * 24) / 14 *
                           m_grainDifferenceSummer * 1.6 / 7005 / 8.3;
    return vbrt::formatNumber(vbrt::finite(gallons), 1);
}

QString HouseLeakageTest::WinterHumidRequirement_None()
{
    return winterHumidRequirement(0);
}
QString HouseLeakageTest::WinterHumidRequirement_50()
{
    return winterHumidRequirement(50);
}
QString HouseLeakageTest::WinterHumidRequirement_100()
{
    return winterHumidRequirement(100);
}
QString HouseLeakageTest::WinterHumidRequirement_200()
{
    return winterHumidRequirement(200);
}
QString HouseLeakageTest::WinterHumidRequirement_300()
{
    return winterHumidRequirement(300);
}
QString HouseLeakageTest::SummerHumidRequirement_None()
{
    return summerHumidRequirement(0);
}
QString HouseLeakageTest::SummerHumidRequirement_50()
{
    return summerHumidRequirement(50);
}
QString HouseLeakageTest::SummerHumidRequirement_100()
{
    return summerHumidRequirement(100);
}
QString HouseLeakageTest::SummerHumidRequirement_200()
{
    return summerHumidRequirement(200);
}
QString HouseLeakageTest::SummerHumidRequirement_300()
{
    return summerHumidRequirement(300);
}

#pragma once

#include "HouseLeakageTest.h"
#include "vberror.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <cmath>
#include <functional>
#include <vector>

// Reaches the private regression sums and the per-data-set C for the guard tests.
class HouseLeakageTestProbe
{
public:
    static float SXX(HouseLeakageTest& t) { return t.SXX(); }
    static float SXY(HouseLeakageTest& t) { return t.SXY(); }
    static float SYY(HouseLeakageTest& t) { return t.SYY(); }
    static float CvalLpsByDataset(HouseLeakageTest& t, int d) { return t.CvalLpsByDataset(d); }
};

namespace fixture {

constexpr double CfmPerLps = 2.11888;

// The error number an action raises, 0 when it raises none.
inline int32_t errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const vbrt::Error& e) {
        return e.number();
    }
    return 0;
}

inline bool near(double actual, double expected, double relative = 1e-6)
{
    return std::fabs(actual - expected) <= relative * std::max(1.0, std::fabs(expected));
}

struct Reading
{
    float housePressure;
    float flowPressure;
    float flowPressure2 = 0;
};

// Fan range of the worked example: flow = (Pf - K1 x P)^N x (K3 x Pf + K) x K4 cfm.
struct Range
{
    float k = 110.0f;
    float n = 0.5f;
    float k1 = 0.02f;
    float k2 = 7.0f; // no formula uses it
    float k3 = 0.0005f;
    float k4 = 1.0f;
};

// A 1,800 sq ft one-story house with 8 ft ceilings and three bedrooms in climate zone 2,
// normal suburban wind, tested by depressurizing from inside at 68 F inside and 35 F outside.
inline void setUpHouse(HouseLeakageTest& t, const Range& r = {}, bool withStories = true)
{
    t.setTestType(0);
    t.setTestDirection(0);
    t.setGaugeLocation(0);
    t.setLblClimateZone(2);
    t.setRangeK(r.k);
    t.setRangeN(r.n);
    t.setRangeK1(r.k1);
    t.setRangeK2(r.k2);
    t.setRangeK3(r.k3);
    t.setRangeK4(r.k4);
    t.setInsideTempF(68);
    t.setOutsideTempF(35);
    t.setLivingAreaSqFt(1800);
    t.setAverageCeilingHeightFt(8);
    t.setBedrooms(3);
    if (withStories)
        t.setStories(0);
    t.setWindExposure(2);
    t.setWinterTimeDesignTemperature(10);
    t.setGrainDifferenceSummer(25);
}

inline void setReadings(HouseLeakageTest& t, const std::vector<Reading>& readings)
{
    for (size_t d = 0; d < readings.size(); ++d) {
        t.setCurrentDataset(int16_t(d));
        t.setHousePressure(readings[d].housePressure);
        t.setFlowPressure(readings[d].flowPressure);
        t.setFlowPressure2(readings[d].flowPressure2);
    }
}

// Four readings from 50 Pa down to 20 Pa, a little off a straight line as real ones are.
inline const std::vector<Reading>& workedReadings()
{
    static const std::vector<Reading> readings{{50, 400}, {40, 305}, {30, 200}, {20, 125}};
    return readings;
}

// Typed flows (cfm) lying exactly on Q = C x P^n, C in L/s.
inline void setExactFit(HouseLeakageTest& t, double c, double n,
                        const std::vector<float>& pressures)
{
    t.setFlowCalculated(false);
    for (size_t d = 0; d < pressures.size(); ++d) {
        t.setCurrentDataset(int16_t(d));
        t.setHousePressure(pressures[d]);
        t.setTestFlow(float(c * std::pow(double(pressures[d]), n) * CfmPerLps));
    }
}

// The results worked out independently from the formulas: each evaluated in double, rounded
// to single where the value is stored (the work table, its sums and every result).
struct Expected
{
    std::vector<double> flowLps;
    double n, cLps, correlation, cfm50, volume, achHourly, achDaily, leakSqIn, optimumDaily,
        optimumSqIn, booster;
    std::vector<double> errorPercent;
    double winterGrains;
    double lbl, wind;

    double winterGallons(double addedCfm) const
    {
        return (achDaily * 1.25 * volume + addedCfm * 60 * 24) / 12.5 * winterGrains / 7005 / 8.3;
    }
    double summerGallons(double addedCfm, double grainDifference) const
    {
        return (achDaily * 0.75 * volume + addedCfm * 60 * 24) / 14 * grainDifference * 1.6 / 7005 /
               8.3;
    }
};

inline float f(double x)
{
    return float(x);
}

inline Expected expectedDepressurization(const std::vector<Reading>& readings, const Range& r = {},
                                         double insideF = 68, double outsideF = 35)
{
    Expected e{};
    const double tIn = f((insideF - 32) / 9 * 5) + 273.15;
    const double tOut = f((outsideF - 32) / 9 * 5) + 273.15;
    double s[6] = {};
    for (const Reading& rd : readings) {
        const double pf = rd.flowPressure;
        const double cfm = std::pow(pf - double(r.k1) * rd.housePressure, double(r.n)) *
                           (double(r.k3) * pf + double(r.k)) * double(r.k4);
        const double q = f(cfm / CfmPerLps * std::sqrt(tOut / tIn)); // outside air enters
        e.flowLps.push_back(q);
        const double lp = std::log(double(rd.housePressure)), lq = std::log(q), w = q * q;
        const double row[6] = {w * lp, w * lp * lp, w * lq, w * lq * lq, w * lp * lq, w};
        for (int c = 0; c < 6; ++c)
            s[c] = f(s[c] + f(row[c]));
    }
    const double sxx = f(s[5] * s[1] - s[0] * s[0]);
    const double sxy = f(s[5] * s[4] - s[2] * s[0]);
    const double syy = f(s[5] * s[3] - s[2] * s[2]);
    e.n = f(sxy / sxx);
    e.cLps = f(std::exp(s[2] / s[5] - e.n * s[0] / s[5]));
    e.correlation = f(sxy / std::sqrt(sxx * syy));
    e.cfm50 = f(std::pow(50.0, e.n) * e.cLps * CfmPerLps);
    e.volume = 1800.0 * 8.0;
    e.lbl = f(18.5); // one story, zone 2
    e.wind = f(1.0);
    const double ach50 = f(e.cfm50 * 60 / e.volume);
    e.achHourly = f(ach50 / (e.lbl * e.wind));
    e.achDaily = f(e.achHourly * 24);
    e.leakSqIn = f(f(std::sqrt(1.204097) * 0.001157 * e.cLps * std::pow(25.0, e.n - 0.5) * 10000) *
                   0.1550003);
    e.optimumDaily = f(((3.0 + 1) * 7.5 + 1800 * 0.03) * 60 / e.volume * 24);
    e.optimumSqIn = f(e.lbl * e.wind * e.volume / 60 * (e.optimumDaily / 24) * 0.11837);
    e.booster = f((e.optimumDaily - e.achDaily) * e.volume);
    for (size_t d = 0; d < readings.size(); ++d) {
        const double q = e.flowLps[d];
        e.errorPercent.push_back(
            f((q - e.cLps * std::pow(double(readings[d].housePressure), e.n)) / q * 100));
    }
    e.winterGrains = 36; // design temperature 10 F
    return e;
}

} // namespace fixture

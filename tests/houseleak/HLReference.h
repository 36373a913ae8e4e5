#pragma once

// The blower door arithmetic written out once more, in double precision and straight from the
// formulas, so that the page's figures are checked against something computed independently.

#include <cmath>
#include <vector>

namespace reference {

struct Range
{
    double k, n, k1 = 0, k3 = 0, k4 = 1;
};

struct Point
{
    double house;
    double flowCfm; // flow through the fan(s), cfm, after the temperature correction
};

inline double fahrenheitToKelvin(double f)
{
    return (f - 32) / 9 * 5 + 273.15;
}

// Flow of one fan (or two fans) at these readings, cfm, corrected for the air temperatures:
// depressurizing, the fan moves inside air that entered from outside.
inline double flowCfm(const Range& r, double house, double fan1, double fan2, bool twoFans,
                      double insideF, double outsideF, bool pressurize)
{
    double pf = fan1;
    if (twoFans)
        pf = std::pow(std::pow(fan1, r.n) + std::pow(fan2, r.n), 1 / r.n);
    const double raw = std::pow(pf - r.k1 * house, r.n) * (r.k3 * pf + r.k) * r.k4;
    const double inside = fahrenheitToKelvin(insideF);
    const double outside = fahrenheitToKelvin(outsideF);
    return raw * std::sqrt(pressurize ? inside / outside : outside / inside);
}

struct House
{
    double livingArea, ceiling, bedrooms, lblFactor, windFactor;
};

struct Results
{
    double n, cLps, correlation;
    std::vector<double> errors; // per cent, per point
    double leakageSqIn, actualLeakageSqFt, crackFt, estimatedAchDaily, optimumAchDaily,
        optimumLeakageSqFt;
};

inline Results compute(const std::vector<Point>& points, const House& h, bool singlePoint)
{
    constexpr double cfmPerLps = 2.11888;
    Results r{};
    std::vector<double> q, p;
    for (const auto& pt : points) {
        q.push_back(pt.flowCfm / cfmPerLps);
        p.push_back(pt.house);
    }
    if (singlePoint) {
        r.n = 0.65;
        r.cLps = q[0] / std::pow(p[0], 0.65);
        r.correlation = 1;
    } else {
        double sw = 0, sx = 0, sxx = 0, sy = 0, syy = 0, sxy = 0;
        for (size_t i = 0; i < q.size(); ++i) {
            const double w = q[i] * q[i], x = std::log(p[i]), y = std::log(q[i]);
            sw += w;
            sx += w * x;
            sxx += w * x * x;
            sy += w * y;
            syy += w * y * y;
            sxy += w * x * y;
        }
        const double SXX = sw * sxx - sx * sx, SXY = sw * sxy - sy * sx, SYY = sw * syy - sy * sy;
        r.n = SXY / SXX;
        r.cLps = std::exp(sy / sw - r.n * sx / sw);
        r.correlation = SXY / std::sqrt(SXX * SYY);
    }
    for (size_t i = 0; i < q.size(); ++i)
        r.errors.push_back((q[i] - r.cLps * std::pow(p[i], r.n)) / q[i] * 100);
    const double sqCm = std::sqrt(1.204097) * 0.001157 * r.cLps * std::pow(25, r.n - 0.5) * 10000;
    r.leakageSqIn = sqCm * 0.1550003;
    r.actualLeakageSqFt = r.leakageSqIn / 144;
    r.crackFt = r.leakageSqIn * 2 / 12;
    const double volume = h.livingArea * h.ceiling;
    const double cfm50 = std::pow(50, r.n) * r.cLps * cfmPerLps;
    r.estimatedAchDaily = cfm50 * 60 / volume / (h.lblFactor * h.windFactor) * 24;
    r.optimumAchDaily = ((h.bedrooms + 1) * 7.5 + h.livingArea * 0.03) * 60 / volume * 24;
    r.optimumLeakageSqFt =
        h.lblFactor * h.windFactor * volume / 60 * (r.optimumAchDaily / 24) * 0.11837 / 144;
    return r;
}

} // namespace reference

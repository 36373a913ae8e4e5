#include "HouseLeakageTest.h"

#include "vberror.h"
#include "vbformat.h"
#include "vbmath.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr double CfmPerLps = 2.11888;
constexpr double KelvinOffset = 273.15;

constexpr int32_t ErrRangeKNotSet = 12199;
constexpr int32_t ErrRangeNNotSet = 12209;
constexpr int32_t ErrTestFlowCalculated = 12244;

// Number of stories and wind factor for each list index.
constexpr std::array<float, 4> StoriesByIndex{1.0f, 1.5f, 2.0f, 3.0f};
constexpr std::array<double, 3> WindFactorByIndex{1.2, 0.9, 1.0};

} // namespace

// --- Test settings ---------------------------------------------------------------------

void HouseLeakageTest::setTestType(int16_t value)
{
    m_testType = value;
    changed();
}

void HouseLeakageTest::setTestDirection(int16_t value)
{
    m_testDirection = value;
    changed();
}

void HouseLeakageTest::setGaugeLocation(int16_t value)
{
    m_gaugeLocation = value;
    changed();
}

void HouseLeakageTest::setLblClimateZone(int16_t value)
{
    m_lblClimateZone = value;
    changed();
}

// --- Fan range constants -----------------------------------------------------------------

float HouseLeakageTest::RangeK() const
{
    if (!m_rangeKSet)
        vbrt::raise(vbrt::objectError(ErrRangeKNotSet));
    return m_rangeK;
}

void HouseLeakageTest::setRangeK(float value)
{
    m_rangeK = value;
    m_rangeKSet = true;
    changed();
}

void HouseLeakageTest::setRangeK1(float value)
{
    m_rangeK1 = value;
    changed();
}

void HouseLeakageTest::setRangeK2(float value)
{
    m_rangeK2 = value;
    changed();
}

void HouseLeakageTest::setRangeK3(float value)
{
    m_rangeK3 = value;
    changed();
}

void HouseLeakageTest::setRangeK4(float value)
{
    m_rangeK4 = value;
    changed();
}

float HouseLeakageTest::RangeN() const
{
    if (!m_rangeNSet)
        vbrt::raise(vbrt::objectError(ErrRangeNNotSet));
    return m_rangeN;
}

void HouseLeakageTest::setRangeN(float value)
{
    m_rangeN = value;
    m_rangeNSet = true;
    changed();
}

void HouseLeakageTest::setFanCount(int16_t value)
{
    m_fanCount = value;
    changed();
}

void HouseLeakageTest::setFlowCalculated(bool value)
{
    m_flowCalculated = value;
    changed();
}

// --- Temperatures ------------------------------------------------------------------------

float HouseLeakageTest::ConvertCeltoFar(float celsius)
{
    return vbrt::single(double(celsius) / 5 * 9 + 32);
}

float HouseLeakageTest::ConvertFarToCel(float fahrenheit)
{
    return vbrt::single((double(fahrenheit) - 32) / 9 * 5);
}

float HouseLeakageTest::InsideTempC() const
{
    return m_insideTempSet ? m_insideTempC : 0.0f;
}

void HouseLeakageTest::setInsideTempC(float value)
{
    m_insideTempC = value;
    m_insideTempSet = true;
    changed();
}

float HouseLeakageTest::InsideTempF() const
{
    return m_insideTempSet ? ConvertCeltoFar(m_insideTempC) : 0.0f;
}

void HouseLeakageTest::setInsideTempF(float value)
{
    setInsideTempC(ConvertFarToCel(value));
}

float HouseLeakageTest::OutsideTempC() const
{
    return m_outsideTempSet ? m_outsideTempC : 0.0f;
}

void HouseLeakageTest::setOutsideTempC(float value)
{
    m_outsideTempC = value;
    m_outsideTempSet = true;
    changed();
}

float HouseLeakageTest::OutsideTempF() const
{
    return m_outsideTempSet ? ConvertCeltoFar(m_outsideTempC) : 0.0f;
}

void HouseLeakageTest::setOutsideTempF(float value)
{
    setOutsideTempC(ConvertFarToCel(value));
}

// --- House -------------------------------------------------------------------------------

void HouseLeakageTest::setLivingAreaSqFt(int32_t value)
{
    m_livingAreaSqFt = value;
    changed();
}

void HouseLeakageTest::setAverageCeilingHeightFt(float value)
{
    m_averageCeilingHeightFt = value;
    changed();
}

void HouseLeakageTest::setBedrooms(float value)
{
    m_bedrooms = value;
    changed();
}

int16_t HouseLeakageTest::Stories() const
{
    for (size_t i = 0; i < StoriesByIndex.size(); ++i) {
        if (vbrt::eq(m_stories, StoriesByIndex[i]))
            return int16_t(i);
    }
    return 0;
}

void HouseLeakageTest::setStories(int16_t index)
{
    if (index >= 0 && index < int16_t(StoriesByIndex.size()))
        m_stories = StoriesByIndex[size_t(index)];
    changed();
}

int16_t HouseLeakageTest::WindExposure() const
{
    for (size_t i = 0; i < WindFactorByIndex.size(); ++i) {
        if (vbrt::eq(m_windFactor, WindFactorByIndex[i]))
            return int16_t(i);
    }
    return 0;
}

void HouseLeakageTest::setWindExposure(int16_t index)
{
    if (index >= 0 && index < int16_t(WindFactorByIndex.size()))
        m_windFactor = vbrt::single(WindFactorByIndex[size_t(index)]);
    changed();
}

// --- Climate -----------------------------------------------------------------------------

void HouseLeakageTest::setWinterTimeDesignTemperature(float value)
{
    m_winterTimeDesignTemperature = value;
    changed();
}

void HouseLeakageTest::setGrainDifferenceSummer(float value)
{
    m_grainDifferenceSummer = value;
    changed();
}

// --- Data sets ---------------------------------------------------------------------------

void HouseLeakageTest::setCurrentDataset(int16_t index)
{
    m_currentDataset = index;
    if (index > m_highestDataset)
        m_highestDataset = index;
    changed();
}

const HouseLeakageTest::Dataset& HouseLeakageTest::dataset(int d) const
{
    if (d < 0 || d >= DatasetCount)
        vbrt::raise(vbrt::ErrSubscript);
    return m_datasets[size_t(d)];
}

const HouseLeakageTest::Dataset& HouseLeakageTest::current() const
{
    return dataset(m_currentDataset);
}

HouseLeakageTest::Dataset& HouseLeakageTest::current()
{
    return const_cast<Dataset&>(dataset(m_currentDataset));
}

float HouseLeakageTest::HousePressure() const
{
    return current().housePressure;
}

void HouseLeakageTest::setHousePressure(float pascals)
{
    current().housePressure = pascals;
    changed();
}

float HouseLeakageTest::FlowPressure() const
{
    return current().flowPressure;
}

void HouseLeakageTest::setFlowPressure(float pascals)
{
    current().flowPressure = pascals;
    changed();
}

float HouseLeakageTest::FlowPressure2() const
{
    return current().flowPressure2;
}

void HouseLeakageTest::setFlowPressure2(float pascals)
{
    current().flowPressure2 = pascals;
    changed();
}

float HouseLeakageTest::TestFlow() const
{
    if (m_flowCalculated)
        return vbrt::single(flowLps(m_currentDataset) * CfmPerLps);
    return current().testFlow;
}

void HouseLeakageTest::setTestFlow(float cfm)
{
    if (m_flowCalculated)
        vbrt::raise(vbrt::objectError(ErrTestFlowCalculated));
    current().testFlow = cfm;
    changed();
}

// --- Flow of a data set ------------------------------------------------------------------

// The fan reads the volume flow at the density of the air passing the fan, while the envelope
// passes the same mass of air at the density of the air on its upstream side: inside air
// goes through the fan and outside air through the envelope when depressurizing, the reverse
// when pressurizing. Density goes as 1/T, so the fan reading is corrected by sqrt(T of the
// envelope air / T of the fan air). Where the gauge sits changes neither air stream (it only
// picks the fan's calibration, through the range constants), so it plays no part here.
double HouseLeakageTest::temperatureRatio() const
{
    const double inside = double(m_insideTempC) + KelvinOffset;
    const double outside = double(m_outsideTempC) + KelvinOffset;
    const bool pressurizing = m_testDirection == 1;
    return pressurizing ? vbrt::div(inside, outside) : vbrt::div(outside, inside);
}

float HouseLeakageTest::flowLps(int d) const
{
    const Dataset& ds = dataset(d);
    if (!m_flowCalculated)
        return vbrt::single(ds.testFlow / CfmPerLps);

    const double n = RangeN();
    const double k = RangeK();
    double pf = ds.flowPressure;
    if (m_fanCount != 1) {
        const double sum = vbrt::pow(ds.flowPressure, n) + vbrt::pow(ds.flowPressure2, n);
        pf = vbrt::pow(sum, vbrt::div(1.0, n));
    }
    const double cfm = vbrt::pow(pf - double(m_rangeK1) * ds.housePressure, n) *
                       (double(m_rangeK3) * pf + k) * double(m_rangeK4);
    return vbrt::single(vbrt::finite(cfm / CfmPerLps * vbrt::sqrt(temperatureRatio())));
}

// --- Verification ------------------------------------------------------------------------

bool HouseLeakageTest::isComplete(const Dataset& ds) const
{
    if (!m_flowCalculated)
        return ds.housePressure != 0 && ds.testFlow != 0;
    if (m_fanCount == 1)
        return ds.housePressure != 0 && ds.flowPressure != 0;
    return ds.housePressure != 0 && ds.flowPressure != 0 && ds.flowPressure2 != 0;
}

void HouseLeakageTest::fillWorkRow(int d)
{
    const double p = dataset(d).housePressure;
    const double q = flowLps(d);
    const double lnP = vbrt::log(p);
    const double lnQ = vbrt::log(q);
    const double w = q * q;
    auto& row = m_work[size_t(d)];
    row[WLnP] = vbrt::single(w * lnP);
    row[WLnP2] = vbrt::single(w * lnP * lnP);
    row[WLnQ] = vbrt::single(w * lnQ);
    row[WLnQ2] = vbrt::single(w * lnQ * lnQ);
    row[WLnPLnQ] = vbrt::single(w * lnP * lnQ);
    row[W] = vbrt::single(w);
}

void HouseLeakageTest::VerifyBeforeCalc()
{
    m_calculated = true;
    if (m_testType == -1 || m_testDirection == -1 || m_gaugeLocation == -1 ||
        m_lblClimateZone == -1 || !m_rangeKSet || !m_insideTempSet || !m_outsideTempSet ||
        vbrt::eq(m_averageCeilingHeightFt, -1.0) || vbrt::eq(m_bedrooms, -1.0) ||
        vbrt::eq(m_stories, -1.0) || vbrt::eq(m_windFactor, -1.0) || m_highestDataset < 0)
        m_calculated = false;

    // The rows are computed with their data set made current; the caller's selection comes
    // back afterwards, and a failure part way leaves nothing that looks calculated.
    const int16_t selected = m_currentDataset;
    try {
        for (int d = 0; d <= m_highestDataset; ++d) {
            if (!isComplete(dataset(d)))
                m_calculated = false;
            if (m_calculated) {
                m_currentDataset = int16_t(d);
                fillWorkRow(d);
            }
        }
    } catch (...) {
        m_calculated = false;
        m_currentDataset = selected;
        throw;
    }
    m_currentDataset = selected;
}

void HouseLeakageTest::guard(int32_t n)
{
    if (m_calculated)
        return;
    VerifyBeforeCalc();
    if (!m_calculated)
        vbrt::raise(vbrt::objectError(n));
}

// --- Summary -----------------------------------------------------------------------------

namespace {

QString num(float value)
{
    return vbrt::cstr(value);
}

} // namespace

QString HouseLeakageTest::StringValue() const
{
    QStringList parts;
    parts
        << QStringLiteral("TestType=%1").arg(m_testType)
        << QStringLiteral("TestDirection=%1").arg(m_testDirection)
        << QStringLiteral("GaugeLocation=%1").arg(m_gaugeLocation)
        << QStringLiteral("LblClimateZone=%1").arg(m_lblClimateZone)
        << QStringLiteral("RangeK=%1").arg(m_rangeKSet ? num(m_rangeK) : QStringLiteral("unset"))
        << QStringLiteral("RangeN=%1").arg(m_rangeNSet ? num(m_rangeN) : QStringLiteral("unset"))
        << QStringLiteral("RangeK1-4=%1/%2/%3/%4")
               .arg(num(m_rangeK1), num(m_rangeK2), num(m_rangeK3), num(m_rangeK4))
        << QStringLiteral("FanCount=%1").arg(m_fanCount)
        << QStringLiteral("FlowCalculated=%1").arg(m_flowCalculated ? "True" : "False")
        << QStringLiteral("InsideTempF=%1")
               .arg(m_insideTempSet ? num(InsideTempF()) : QStringLiteral("unset"))
        << QStringLiteral("OutsideTempF=%1")
               .arg(m_outsideTempSet ? num(OutsideTempF()) : QStringLiteral("unset"))
        << QStringLiteral("LivingAreaSqFt=%1").arg(m_livingAreaSqFt)
        << QStringLiteral("AverageCeilingHeightFt=%1").arg(num(m_averageCeilingHeightFt))
        << QStringLiteral("Bedrooms=%1").arg(num(m_bedrooms))
        << QStringLiteral("NumberOfStories=%1").arg(num(m_stories))
        << QStringLiteral("WindFactor=%1").arg(num(m_windFactor))
        << QStringLiteral("WinterTimeDesignTemperature=%1").arg(num(m_winterTimeDesignTemperature))
        << QStringLiteral("GrainDifferenceSummer=%1").arg(num(m_grainDifferenceSummer));
    const int last = std::min<int>(m_highestDataset, DatasetCount - 1);
    for (int d = 0; d <= last; ++d) {
        const Dataset& ds = m_datasets[size_t(d)];
        parts << QStringLiteral("Dataset%1=%2/%3/%4/%5")
                     .arg(d)
                     .arg(num(ds.housePressure), num(ds.flowPressure), num(ds.flowPressure2),
                          num(ds.testFlow));
    }
    return parts.join(QStringLiteral("; "));
}

#pragma once

#include "vberror.h"

#include <QString>

#include <cstdint>
#include <utility>
#include <variant>
#include <vector>

class HouseLeakageTest;

// One figure of a calculated test: its value, or the error the test raised when asked for it.
// Reading a figure that could not be computed raises that same error again, so a reader sees
// what reading the test itself would have shown.
template <typename T> class HLFigure
{
public:
    HLFigure(T value) : m_value(std::move(value)) {}
    HLFigure(vbrt::Error error) : m_value(std::move(error)) {}

    bool computed() const { return std::holds_alternative<T>(m_value); }
    const T& value() const
    {
        if (const auto* error = std::get_if<vbrt::Error>(&m_value))
            throw *error;
        return std::get<T>(m_value);
    }
    // The number the test raised for the figure; 0 when it was computed.
    int32_t errorNumber() const
    {
        const auto* error = std::get_if<vbrt::Error>(&m_value);
        return error ? error->number() : 0;
    }

private:
    std::variant<T, vbrt::Error> m_value;
};

// The house leakage test as one calculation left it: the inputs the test was given and every
// figure the page and the reports show, all computed at once. It never changes; the next
// calculation makes a new one, and clearing the results drops it.
class HLResultsSnapshot
{
public:
    // The inputs as the test held them.
    struct Inputs
    {
        int16_t testType = -1;
        int16_t testDirection = -1;
        int16_t gaugeLocation = -1;
        int16_t lblClimateZone = -1;
        int16_t fanCount = 1;
        bool flowCalculated = true;
        float insideTempF = 0;
        float outsideTempF = 0;
        int32_t livingAreaSqFt = -1;
        float averageCeilingHeightFt = -1;
        float bedrooms = -1;
        int16_t stories = 0;
        int16_t windExposure = 0;
        float winterTimeDesignTemperature = 0;
        float grainDifferenceSummer = 0;
    };

    // A data set of the test (the test's own numbering: the filled rows of the page in order).
    struct Dataset
    {
        float housePressure = 0;
        float flowPressure = 0;
        float flowPressure2 = 0;
        HLFigure<float> testFlow; // cfm: computed, or as typed when measured directly
        HLFigure<float> errorPercentage;
    };

    // Reads the inputs and every result of the test, data sets 0 to datasetCount - 1; an
    // error the test raises for a figure is kept with that figure. Leaves the last data set
    // current.
    static HLResultsSnapshot capture(HouseLeakageTest& test, int datasetCount);

    const Inputs& inputs() const { return m_inputs; }
    const std::vector<Dataset>& datasets() const { return m_datasets; }

    // The results, under the test's names; each raises the test's error when it could not be
    // computed.
    float N() const { return m_n.value(); }
    float CvalCfm() const { return m_cvalCfm.value(); }
    float CorrelationCoefficient() const { return m_correlation.value(); }
    float CFM50() const { return m_cfm50.value(); }
    float HouseVolumeCF() const { return m_houseVolume.value(); }
    float EstimatedAirChangesHourly() const { return m_airChangesHourly.value(); }
    float EstimatedAirChangesDaily() const { return m_airChangesDaily.value(); }
    float MeasuredLeakageSqIn() const { return m_measuredLeakage.value(); }
    float OptimumAirChangesDaily() const { return m_optimumAirChanges.value(); }
    float OptimumLeakageSqIn() const { return m_optimumLeakage.value(); }
    float BoosterVentilationNeededDaily() const { return m_booster.value(); }

    // Humidification (gallons per day, as text) for 0, 50, 100, 200 and 300 cfm added.
    static constexpr int HumidSteps = 5;
    QString WinterHumidRequirement(int step) const;
    QString SummerHumidRequirement(int step) const;

private:
    HLResultsSnapshot(HouseLeakageTest& test, int datasetCount);

    Inputs m_inputs;
    std::vector<Dataset> m_datasets;
    HLFigure<float> m_n;
    HLFigure<float> m_cvalCfm;
    HLFigure<float> m_correlation;
    HLFigure<float> m_cfm50;
    HLFigure<float> m_houseVolume;
    HLFigure<float> m_airChangesHourly;
    HLFigure<float> m_airChangesDaily;
    HLFigure<float> m_measuredLeakage;
    HLFigure<float> m_optimumAirChanges;
    HLFigure<float> m_optimumLeakage;
    HLFigure<float> m_booster;
    std::vector<HLFigure<QString>> m_winterHumid;
    std::vector<HLFigure<QString>> m_summerHumid;
};

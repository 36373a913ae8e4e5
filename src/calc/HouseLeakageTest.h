#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The blower door test: house, climate and test settings and up to six data sets of house
// pressure and fan readings go in; leakage, air change, ventilation and humidification figures
// come out. Results are computed when read; setting any input drops what was computed.
// Failures are vbrt::Error: the model's own errors carry vbObjectError + n and no description.
//
// Inputs, the regression table and results are stored in single precision; each formula is
// evaluated in double and rounded to single where its value is stored.
class HouseLeakageTest
{
public:
    static constexpr int DatasetCount = 6;

    // --- Test settings -------------------------------------------------------------------
    int16_t TestType() const { return m_testType; } // 0 multi-point, 1 single-point
    void setTestType(int16_t value);
    int16_t TestDirection() const { return m_testDirection; } // 0 depressurize, 1 pressurize
    void setTestDirection(int16_t value);
    int16_t GaugeLocation() const { return m_gaugeLocation; } // 0 inside, 1 outside
    void setGaugeLocation(int16_t value);
    int16_t LblClimateZone() const { return m_lblClimateZone; }
    void setLblClimateZone(int16_t value);

    // --- Fan range constants -------------------------------------------------------------
    float RangeK() const; // before any set: vbObjectError + 12199
    void setRangeK(float value);
    void setRangeK1(float value);
    void setRangeK2(float value);
    void setRangeK3(float value);
    void setRangeK4(float value);
    float RangeN() const; // before any set: vbObjectError + 12209
    void setRangeN(float value);
    int16_t FanCount() const { return m_fanCount; }
    void setFanCount(int16_t value);
    bool FlowCalculated() const { return m_flowCalculated; }
    void setFlowCalculated(bool value);

    // --- Temperatures (kept in Celsius; 0 is read back until one is set) ----------------
    float InsideTempC() const;
    void setInsideTempC(float value);
    float InsideTempF() const;
    void setInsideTempF(float value);
    float OutsideTempC() const;
    void setOutsideTempC(float value);
    float OutsideTempF() const;
    void setOutsideTempF(float value);
    static float ConvertCeltoFar(float celsius);
    static float ConvertFarToCel(float fahrenheit);

    // --- House ---------------------------------------------------------------------------
    int32_t LivingAreaSqFt() const { return m_livingAreaSqFt; }
    void setLivingAreaSqFt(int32_t value);
    float AverageCeilingHeightFt() const { return m_averageCeilingHeightFt; }
    void setAverageCeilingHeightFt(float value);
    float Bedrooms() const { return m_bedrooms; }
    void setBedrooms(float value);
    // Index 0-3 for 1, 1.5, 2 and 3 stories; other indexes leave the stories unchanged.
    int16_t Stories() const;
    void setStories(int16_t index);
    // Index 0 well shielded, 1 very exposed, 2 normal suburban; others leave the factor unchanged.
    int16_t WindExposure() const;
    void setWindExposure(int16_t index);

    // --- Climate -------------------------------------------------------------------------
    float WinterTimeDesignTemperature() const { return m_winterTimeDesignTemperature; }
    void setWinterTimeDesignTemperature(float value);
    float GrainDifferenceSummer() const { return m_grainDifferenceSummer; }
    void setGrainDifferenceSummer(float value);

    // --- Data sets: the properties below address data set CurrentDataset (0-5, else 9) ----
    int16_t CurrentDataset() const { return m_currentDataset; }
    void setCurrentDataset(int16_t index);
    float HousePressure() const;
    void setHousePressure(float pascals);
    float FlowPressure() const;
    void setFlowPressure(float pascals);
    float FlowPressure2() const;
    void setFlowPressure2(float pascals);
    // The computed flow in cfm while FlowCalculated, else the typed flow.
    float TestFlow() const;
    // Only while the flow is not calculated: else vbObjectError + 12244.
    void setTestFlow(float cfm);

    // Checks that every input a result needs is there and fills the regression table;
    // Calculated() tells whether it succeeded.
    void VerifyBeforeCalc();
    bool Calculated() const { return m_calculated; }

    // --- Results (each runs the check first and raises its own number when incomplete) ---
    float N();
    float CvalCfm();
    float CorrelationCoefficient();
    float CFM50();
    float HouseVolumeCF();
    float EstimatedAirChangesHourly();
    float EstimatedAirChangesDaily();
    float MeasuredLeakageSqIn();
    float OptimumAirChangesDaily();
    float OptimumLeakageSqIn();
    float BoosterVentilationNeededDaily(); // cu ft per day
    float ErrorPercentage();               // of the current data set, signed

    // Humidification (gallons per day, one decimal) for added ventilation of 0-300 cfm.
    QString WinterHumidRequirement_None();
    QString WinterHumidRequirement_50();
    QString WinterHumidRequirement_100();
    QString WinterHumidRequirement_200();
    QString WinterHumidRequirement_300();
    QString SummerHumidRequirement_None();
    QString SummerHumidRequirement_50();
    QString SummerHumidRequirement_100();
    QString SummerHumidRequirement_200();
    QString SummerHumidRequirement_300();

    // One line with every input and data set, for logs and diagnostics; computes nothing.
    QString StringValue() const;

private:
    friend class HouseLeakageTestProbe; // lets the unit test reach the regression sums

    struct Dataset
    {
        float housePressure = 0;
        float flowPressure = 0;
        float flowPressure2 = 0;
        float testFlow = 0;
    };
    enum Column
    {
        WLnP,
        WLnP2,
        WLnQ,
        WLnQ2,
        WLnPLnQ,
        W,
        ColumnCount
    };

    void changed() { m_calculated = false; }
    Dataset& current();
    const Dataset& current() const;
    const Dataset& dataset(int d) const;
    bool isComplete(const Dataset& ds) const;
    double temperatureRatio() const;
    float flowLps(int d) const;
    void fillWorkRow(int d);
    void guard(int32_t n);
    std::array<float, ColumnCount> columnSums() const;

    float SXX();
    float SXY();
    float SYY();
    float CvalLps();
    float CvalLpsByDataset(int d);
    float ACH50();
    float LBLCorrelationFactor() const;
    float MeasuredLeakageSqCm();
    int WinterGrainDifference() const;
    QString winterHumidRequirement(int addedCfm);
    QString summerHumidRequirement(int addedCfm);

    int16_t m_testType = -1;
    int16_t m_testDirection = -1;
    int16_t m_gaugeLocation = -1;
    int16_t m_lblClimateZone = -1;
    float m_rangeK = 0;
    bool m_rangeKSet = false;
    float m_rangeK1 = 0;
    float m_rangeK2 = 0; // kept for completeness; no formula uses it
    float m_rangeK3 = 0;
    float m_rangeK4 = 0;
    float m_rangeN = 0;
    bool m_rangeNSet = false;
    int16_t m_fanCount = 1;
    bool m_flowCalculated = true;
    float m_insideTempC = 0;
    bool m_insideTempSet = false;
    float m_outsideTempC = 0;
    bool m_outsideTempSet = false;
    int32_t m_livingAreaSqFt = -1;
    float m_averageCeilingHeightFt = -1;
    float m_bedrooms = -1;
    float m_stories = -1; // number of stories; -1 until set
    float m_windFactor = -1;
    float m_winterTimeDesignTemperature = 0;
    float m_grainDifferenceSummer = 0;
    int16_t m_currentDataset = -1;
    int16_t m_highestDataset = -1; // highest index ever selected; never lowered

    std::array<Dataset, DatasetCount> m_datasets{};
    std::array<std::array<float, ColumnCount>, DatasetCount> m_work{};
    bool m_calculated = false;
};

// The technician's report: the test's inputs, every computed figure, humidification needs
// and duct leakage limits.
#include "HouseLeakageReports.h"

#include "HLResultsSnapshot.h"
#include "vbformat.h"
#include "vbmath.h"

namespace reporting {

namespace {

// One column of the data-set grid, rows 0 to 5.
void appendRow(ReportColumns& c, const QString& alias, const std::array<QString, 6>& texts)
{
    for (size_t i = 0; i < texts.size(); ++i)
        c.append({alias + QString::number(i), texts[i]});
}

QString leakageArea(float sqIn)
{
    return vbrt::format(vbrt::single(sqIn / 144.0), "##0.00") + QStringLiteral(" square feet, ") +
           vbrt::format(sqIn, "#,##0.0") + QStringLiteral(" square inches");
}

// Air changes per hour for a season, and the flow they make in this house.
QString seasonRate(const QString& season, float hourly, double factor, float volume)
{
    const double rate = double(hourly) * factor;
    return season + QStringLiteral(" = ") + vbrt::format(rate, "0.00") +
           QStringLiteral(" per hour or ") + vbrt::format(rate * volume / 60.0, "#,##0") +
           QStringLiteral(" CFM");
}

} // namespace

ReportContent technicalReport(const HLResultsSnapshot& results, const ReportHeader& header)
{
    const float measured = results.MeasuredLeakageSqIn();
    const float optimum = results.OptimumLeakageSqIn();
    const bool tight = isTightHouse(measured, optimum);
    ReportContent report;
    report.layout =
        tight ? QStringLiteral("drpTightTechnical") : QStringLiteral("drpLooseTechnical");
    const float volume = results.HouseVolumeCF();
    const float ceiling = results.inputs().averageCeilingHeightFt;
    const float bedrooms = results.inputs().bedrooms;
    const float c = results.CvalCfm();
    const float floorArea = vbrt::single(vbrt::div(volume, ceiling));

    ReportColumns& cols = report.columns;
    cols = headerColumns(header, tight ? QStringLiteral("Tight") : QStringLiteral("Loose"));
    cols += ReportColumns{
        {QStringLiteral("LivingArea"), header.livingArea + QStringLiteral(" square feet on ") +
                                           header.stories + QStringLiteral("; ") + header.bedrooms +
                                           QStringLiteral(" Bedrooms; ") + header.ceilingHeight +
                                           QStringLiteral(" ft Avg. Ceiling Height")},
        // The length of a crack half an inch high with the measured area.
        {QStringLiteral("CrackLeakage"),
         vbrt::format(vbrt::single(measured * 2.0 / 12.0), "#,##0") +
             QStringLiteral(" feet long.")},
        {QStringLiteral("ASHRAEWhole"),
         vbrt::format(double(floorArea) * 0.01 + double(vbrt::single(bedrooms + 1.0)) * 7.5,
                      "#,##0") +
             QStringLiteral(" cfm")},
        {QStringLiteral("ASHRAELeakage"),
         QStringLiteral("(assumes ") + vbrt::format(double(floorArea) * 0.02, "#,##0") +
             QStringLiteral(" cfm is also provided by building leakage)")},
    };
    // None, 50, 100, 200 and 300 cfm added.
    static const std::array<QString, HLResultsSnapshot::HumidSteps> steps{
        QStringLiteral("None"), QStringLiteral("50"), QStringLiteral("100"), QStringLiteral("200"),
        QStringLiteral("300")};
    const QString gallons = QStringLiteral(" gallons/day");
    for (int i = 0; i < HLResultsSnapshot::HumidSteps; ++i)
        cols.append({QStringLiteral("Winter") + steps[size_t(i)],
                     "+" + results.WinterHumidRequirement(i) + gallons});
    for (int i = 0; i < HLResultsSnapshot::HumidSteps; ++i)
        cols.append({QStringLiteral("Summer") + steps[size_t(i)],
                     "-" + results.SummerHumidRequirement(i) + gallons});
    cols += ReportColumns{
        {QStringLiteral("WindShielding"),
         header.windExposure + QStringLiteral(" (Wind Shielding Factor:  ") +
             windShieldingFactorText(header.windExposureCode) + QStringLiteral(")")},
        {QStringLiteral("Climate"), header.climateCity + QStringLiteral(" (LBL Climate Zone:  ") +
                                        header.climateLblZone + QStringLiteral(")")},
        {QStringLiteral("TempDirection"),
         QStringLiteral("Inside = ") + header.insideTemp + QStringLiteral("°F, Outside = ") +
             header.outsideTemp + QStringLiteral("°F, ") + header.testDirection},
        {QStringLiteral("Range"), header.range},
        {QStringLiteral("TestData"),
         header.housePressure[0] + QStringLiteral(" pa House Pressure, ") + header.flowPressure[0] +
             QStringLiteral(" pa Flow Pressure on ") + header.range + QStringLiteral(", ") +
             header.testFlow[0] + QStringLiteral(" CFM")},
    };
    appendRow(cols, QStringLiteral("HltHousePressure"), header.housePressure);
    appendRow(cols, QStringLiteral("HltFlowPressure"), header.flowPressure);
    appendRow(cols, QStringLiteral("HltTestFlow"), header.testFlow);
    appendRow(cols, QStringLiteral("HltTestError"), header.testError);

    const float daily = results.EstimatedAirChangesDaily();
    const float hourly = results.EstimatedAirChangesHourly();
    const float cfm50 = results.CFM50();
    const int32_t livingArea = results.inputs().livingAreaSqFt;
    cols += ReportColumns{
        {QStringLiteral("OptimumLeakage"), leakageArea(optimum)},
        {QStringLiteral("MeasuredLeakage"), leakageArea(measured)},
        {QStringLiteral("SealableLeakage"),
         vbrt::format(vbrt::single(double(measured) - double(optimum)), "#,##0") +
             QStringLiteral(" square inches can be sealed before reaching the Optimum Leakage "
                            "Area.")},
        {QStringLiteral("BoosterVentilation"),
         boosterVentilationText(results.BoosterVentilationNeededDaily())},
        {QStringLiteral("AverageAirChanges"),
         vbrt::format(daily, "#0.00") + QStringLiteral(" per day, ") +
             vbrt::format(vbrt::single(daily / 24.0), "#0.00") + QStringLiteral(" per hour")},
        // Each season on a line of its own.
        {QStringLiteral("SeasonalAirChanges"),
         seasonRate(QStringLiteral("Winter"), hourly, 1.25, volume) + QStringLiteral("\r\n") +
             seasonRate(QStringLiteral("Summer"), hourly, 0.75, volume)},
        {QStringLiteral("CFM50"), QStringLiteral("CFM @ 50 Pa = ") + vbrt::format(cfm50, "#,##0")},
        // Air changes per hour at 50 Pa.
        {QStringLiteral("AirChanges50"),
         QStringLiteral("Air changes @ 50 Pa = ") +
             vbrt::format(vbrt::single(vbrt::div(cfm50 * 60.0, volume)), "#,##0.000")},
        {QStringLiteral("Correlation"),
         QStringLiteral("Correlation = ") +
             vbrt::format(vbrt::single(results.CorrelationCoefficient() * 100.0), "#,##0.00") +
             QStringLiteral("%")},
        {QStringLiteral("C"), QStringLiteral("(C = ") + vbrt::format(c, "#,##0")},
        {QStringLiteral("N"),
         QStringLiteral("N = ") + vbrt::format(results.N(), "0.000") + QStringLiteral(")")},
        // 3% of the floor area in cfm at 25 Pa, and the leakage area that lets it through.
        {QStringLiteral("MaxDuctLeakage"),
         QStringLiteral("Or, if there is no air conditioning, ") +
             vbrt::format(livingArea * 0.03 * 0.186, "#,##0.0") +
             QStringLiteral(" square inches (") + vbrt::cstr(livingArea * 0.03) +
             QStringLiteral(" cfm) for all the duct systems in the home, based on 3% of "
                            "conditioned floor space in CFM25")},
    };
    // The flow that holds the house at 1 to 5 Pa.
    for (int n = 1; n <= 5; ++n)
        cols.append({QStringLiteral("AirflowRequired%1pa").arg(n),
                     vbrt::format(double(c) * vbrt::pow(n, 0.65), "#,##0") +
                         QStringLiteral(" cfm = ") + QString::number(n) + QStringLiteral(" pa")});
    return report;
}

} // namespace reporting

// The technician's report: the test's inputs, every computed figure, humidification needs
// and duct leakage limits.
#include "ReportBuilder.h"

#include "HouseLeakageTest.h"
#include "ListFunctions.h"
#include "frmHVACMain.h"
#include "ui_ClientSurveyPage.h"
#include "ui_HouseLeakagePage.h"
#include "vbformat.h"
#include "vbmath.h"

#include <QLineEdit>

#include <array>

namespace {

using reporting::ReportColumns;

// The six boxes of one column of the data-set grid.
using Row = std::array<const QLineEdit*, 6>;

void appendRow(ReportColumns& c, const QString& alias, const Row& boxes)
{
    for (size_t i = 0; i < boxes.size(); ++i)
        c.append({alias + QString::number(i), boxes[i]->text()});
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

ReportBuilder::ReportColumns ReportBuilder::technicalReportColumns(QString* layout)
{
    HouseLeakageTest& test = currentTest();
    const auto& hl = *m_form.hl;
    const auto& survey = *m_form.survey;

    const float measured = test.MeasuredLeakageSqIn();
    const float optimum = test.OptimumLeakageSqIn();
    const bool tight = reporting::isTightHouse(measured, optimum);
    if (layout)
        *layout = tight ? QStringLiteral("drpTightTechnical") : QStringLiteral("drpLooseTechnical");
    const float volume = test.HouseVolumeCF();
    const float ceiling = test.AverageCeilingHeightFt();
    const float bedrooms = test.Bedrooms();
    const float c = test.CvalCfm();
    const float floorArea = vbrt::single(vbrt::div(volume, ceiling));

    ReportColumns cols = headerColumns(tight ? QStringLiteral("Tight") : QStringLiteral("Loose"));
    cols += ReportColumns{
        {QStringLiteral("LivingArea"),
         survey.txtHLLivingArea->text() + QStringLiteral(" square feet on ") +
             survey.cmbHLStories->currentText() + QStringLiteral("; ") +
             survey.txtHLBedrooms->text() + QStringLiteral(" Bedrooms; ") +
             survey.txtHLCeilingHeight->text() + QStringLiteral(" ft Avg. Ceiling Height")},
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
    const QString gallons = QStringLiteral(" gallons/day");
    cols += ReportColumns{
        {QStringLiteral("WinterNone"), "+" + test.WinterHumidRequirement_None() + gallons},
        {QStringLiteral("Winter50"), "+" + test.WinterHumidRequirement_50() + gallons},
        {QStringLiteral("Winter100"), "+" + test.WinterHumidRequirement_100() + gallons},
        {QStringLiteral("Winter200"), "+" + test.WinterHumidRequirement_200() + gallons},
        {QStringLiteral("Winter300"), "+" + test.WinterHumidRequirement_300() + gallons},
        {QStringLiteral("SummerNone"), "-" + test.SummerHumidRequirement_None() + gallons},
        {QStringLiteral("Summer50"), "-" + test.SummerHumidRequirement_50() + gallons},
        {QStringLiteral("Summer100"), "-" + test.SummerHumidRequirement_100() + gallons},
        {QStringLiteral("Summer200"), "-" + test.SummerHumidRequirement_200() + gallons},
        {QStringLiteral("Summer300"), "-" + test.SummerHumidRequirement_300() + gallons},
    };
    const QString range = hl.cmbHLRange->currentText();
    cols += ReportColumns{
        {QStringLiteral("WindShielding"),
         hl.cmbHLWindFactor->currentText() + QStringLiteral(" (Wind Shielding Factor:  ") +
             reporting::windShieldingFactorText(ComboData(hl.cmbHLWindFactor)) +
             QStringLiteral(")")},
        {QStringLiteral("Climate"), m_form.session.mstrClimateCity() +
                                        QStringLiteral(" (LBL Climate Zone:  ") +
                                        m_form.session.mstrClimateLBLZone() + QStringLiteral(")")},
        {QStringLiteral("TempDirection"), QStringLiteral("Inside = ") + hl.txtHLInsideTemp->text() +
                                              QStringLiteral("°F, Outside = ") +
                                              hl.txtHLOutsideTemp->text() + QStringLiteral("°F, ") +
                                              hl.cmbHLTestDirection2->currentText()},
        {QStringLiteral("Range"), range},
        {QStringLiteral("TestData"),
         hl.atxtHLHousePressure_0->text() + QStringLiteral(" pa House Pressure, ") +
             hl.atxtHLFlowPressure_0->text() + QStringLiteral(" pa Flow Pressure on ") + range +
             QStringLiteral(", ") + hl.atxtHLTestFlow_0->text() + QStringLiteral(" CFM")},
    };
    appendRow(cols, QStringLiteral("HltHousePressure"),
              {hl.atxtHLHousePressure_0, hl.atxtHLHousePressure_1, hl.atxtHLHousePressure_2,
               hl.atxtHLHousePressure_3, hl.atxtHLHousePressure_4, hl.atxtHLHousePressure_5});
    appendRow(cols, QStringLiteral("HltFlowPressure"),
              {hl.atxtHLFlowPressure_0, hl.atxtHLFlowPressure_1, hl.atxtHLFlowPressure_2,
               hl.atxtHLFlowPressure_3, hl.atxtHLFlowPressure_4, hl.atxtHLFlowPressure_5});
    appendRow(cols, QStringLiteral("HltTestFlow"),
              {hl.atxtHLTestFlow_0, hl.atxtHLTestFlow_1, hl.atxtHLTestFlow_2, hl.atxtHLTestFlow_3,
               hl.atxtHLTestFlow_4, hl.atxtHLTestFlow_5});
    appendRow(cols, QStringLiteral("HltTestError"),
              {hl.atxtHLTestError_0, hl.atxtHLTestError_1, hl.atxtHLTestError_2,
               hl.atxtHLTestError_3, hl.atxtHLTestError_4, hl.atxtHLTestError_5});

    const float daily = test.EstimatedAirChangesDaily();
    const float hourly = test.EstimatedAirChangesHourly();
    const float cfm50 = test.CFM50();
    const int32_t livingArea = test.LivingAreaSqFt();
    cols += ReportColumns{
        {QStringLiteral("OptimumLeakage"), leakageArea(optimum)},
        {QStringLiteral("MeasuredLeakage"), leakageArea(measured)},
        {QStringLiteral("SealableLeakage"),
         vbrt::format(vbrt::single(double(measured) - double(optimum)), "#,##0") +
             QStringLiteral(" square inches can be sealed before reaching the Optimum Leakage "
                            "Area.")},
        {QStringLiteral("BoosterVentilation"),
         reporting::boosterVentilationText(test.BoosterVentilationNeededDaily())},
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
             vbrt::format(vbrt::single(test.CorrelationCoefficient() * 100.0), "#,##0.00") +
             QStringLiteral("%")},
        {QStringLiteral("C"), QStringLiteral("(C = ") + vbrt::format(c, "#,##0")},
        {QStringLiteral("N"),
         QStringLiteral("N = ") + vbrt::format(test.N(), "0.000") + QStringLiteral(")")},
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
    return cols;
}

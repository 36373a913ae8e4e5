// The client's house leakage report: Tight or Loose, the fresh air needed against the leakage
// measured.
#include "ReportBuilder.h"

#include "HouseLeakageTest.h"
#include "vbformat.h"
#include "vbmath.h"

ReportBuilder::ReportColumns ReportBuilder::houseReportColumns(QString* layout)
{
    HouseLeakageTest& test = currentTest();
    const float measured = test.MeasuredLeakageSqIn();
    const float optimum = test.OptimumLeakageSqIn();
    const bool tight = reporting::isTightHouse(measured, optimum);
    if (layout)
        *layout = tight ? QStringLiteral("drpTightHouse") : QStringLiteral("drpLooseHouse");

    ReportColumns c = headerColumns(tight ? QStringLiteral("Tight") : QStringLiteral("Loose"));
    // Areas in square inches, shown in square feet.
    c += ReportColumns{
        {QStringLiteral("AirExchangeRequired"),
         vbrt::format(test.OptimumAirChangesDaily(), "#0.0") + QStringLiteral(" times each day.")},
        {QStringLiteral("ELARequired"),
         vbrt::format(vbrt::single(optimum / 144.0), "##0.0") + QStringLiteral(" square feet")},
        {QStringLiteral("ELAMeasured"),
         vbrt::format(vbrt::single(measured / 144.0), "#,##0.0") + QStringLiteral(" square feet")},
        {QStringLiteral("ExchangesPerDay"),
         vbrt::format(test.EstimatedAirChangesDaily(), "#,##0.0") +
             QStringLiteral(" changes each day.")},
    };
    if (!tight)
        c.append({QStringLiteral("ExchangesMultiplier"),
                  QStringLiteral("(") +
                      vbrt::format(vbrt::single(vbrt::div(measured, optimum)), "#,##0.0") +
                      QStringLiteral(" times more than recommended) ")});
    return c;
}

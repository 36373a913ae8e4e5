// The client's house leakage report: Tight or Loose, the fresh air needed against the leakage
// measured.
#include "HouseLeakageReports.h"

#include "HLResultsSnapshot.h"
#include "vbformat.h"
#include "vbmath.h"

namespace reporting {

ReportColumns headerColumns(const ReportHeader& header, const QString& kind)
{
    return {
        {QStringLiteral("Title"),
         kind + QStringLiteral(" House Leakage Test Report #") + header.testNumber},
        {QStringLiteral("ClientInfo"), header.clientInfo},
        {QStringLiteral("TechInfo"), header.techInfo},
        {QStringLiteral("TestDate"), vbrt::formatDate(header.testDate, "MMMM D, YYYY")},
    };
}

BuiltReport buildReport(const QSqlDatabase& db, const ReportContent& content)
{
    return {content.layout, openReportRecord(db, content.columns)};
}

ReportContent houseReport(const HLResultsSnapshot& results, const ReportHeader& header)
{
    const float measured = results.MeasuredLeakageSqIn();
    const float optimum = results.OptimumLeakageSqIn();
    const bool tight = isTightHouse(measured, optimum);
    ReportContent report;
    report.layout = tight ? QStringLiteral("drpTightHouse") : QStringLiteral("drpLooseHouse");

    ReportColumns& c = report.columns;
    c = headerColumns(header, tight ? QStringLiteral("Tight") : QStringLiteral("Loose"));
    // Areas in square inches, shown in square feet.
    c += ReportColumns{
        {QStringLiteral("AirExchangeRequired"),
         vbrt::format(results.OptimumAirChangesDaily(), "#0.0") +
             QStringLiteral(" times each day.")},
        {QStringLiteral("ELARequired"),
         vbrt::format(vbrt::single(optimum / 144.0), "##0.0") + QStringLiteral(" square feet")},
        {QStringLiteral("ELAMeasured"),
         vbrt::format(vbrt::single(measured / 144.0), "#,##0.0") + QStringLiteral(" square feet")},
        {QStringLiteral("ExchangesPerDay"),
         vbrt::format(results.EstimatedAirChangesDaily(), "#,##0.0") +
             QStringLiteral(" changes each day.")},
    };
    if (!tight)
        c.append({QStringLiteral("ExchangesMultiplier"),
                  QStringLiteral("(") +
                      vbrt::format(vbrt::single(vbrt::div(measured, optimum)), "#,##0.0") +
                      QStringLiteral(" times more than recommended) ")});
    return report;
}

} // namespace reporting

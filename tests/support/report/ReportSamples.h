#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Sample one-row records as the report builders make them: every column in order, each value
// already formatted.
namespace reportsamples {

using Columns = QList<QPair<QString, QString>>;

inline Columns houseColumns(bool loose)
{
    Columns c = {
        {"Title",
         loose ? "Loose House Leakage Test Report #14" : "Tight House Leakage Test Report #12"},
        {"ClientInfo", "Margaret O'Neill, 1452 Juniper Ridge Road, Fort Collins, CO"},
        {"TechInfo", "Smith & Sons Home Performance, Loveland, Colorado, Daniel Reyes"},
        {"TestDate", "October 14, 2024"},
        {"AirExchangeRequired", "8.4 times each day."},
        {"ELARequired", "0.9 square feet"},
        {"ELAMeasured", loose ? "2.1 square feet" : "0.8 square feet"},
        {"ExchangesPerDay", loose ? "19.6 changes each day." : "7.9 changes each day."},
    };
    if (loose)
        c.append(qMakePair(QStringLiteral("ExchangesMultiplier"),
                           QStringLiteral("(2.3 times more than recommended) ")));
    return c;
}

inline Columns technicalColumns(bool loose)
{
    Columns c = {
        {"Title",
         loose ? "Loose House Leakage Test Report #14" : "Tight House Leakage Test Report #12"},
        {"ClientInfo", "Margaret O'Neill, 1452 Juniper Ridge Road, Fort Collins, CO"},
        {"TechInfo", "Smith & Sons Home Performance, Loveland, Colorado, Daniel Reyes"},
        {"TestDate", "October 14, 2024"},
        {"LivingArea", "1,850 square feet on 2 Stories; 3 Bedrooms; 8.5 ft Avg. Ceiling Height"},
        {"CrackLeakage", loose ? "50 feet long." : "19 feet long."},
        {"ASHRAEWhole", "68 cfm"},
        {"ASHRAELeakage", "(assumes 37 cfm is also provided by building leakage)"},
        {"WinterNone", "+4.2 gallons/day"},
        {"Winter50", "+6.8 gallons/day"},
        {"Winter100", "+9.4 gallons/day"},
        {"Winter200", "+14.7 gallons/day"},
        {"Winter300", "+19.9 gallons/day"},
        {"SummerNone", "-3.1 gallons/day"},
        {"Summer50", "-5.0 gallons/day"},
        {"Summer100", "-6.9 gallons/day"},
        {"Summer200", "-10.8 gallons/day"},
        {"Summer300", "-14.6 gallons/day"},
        {"WindShielding", "Normal (Wind Shielding Factor:  1)"},
        {"Climate", "Denver (LBL Climate Zone:  3)"},
        {"TempDirection", "Inside = 68°F, Outside = 41°F, Depressurize"},
        {"Range", "Ring A"},
        {"TestData", "-50 pa House Pressure, 122.4 pa Flow Pressure on Ring A, 1,765 CFM"},
    };
    const QStringList house = {"-50", "-45", "-40", "-35", "-30", "-25"};
    const QStringList flowPa = {"122.4", "104.9", "88.0", "71.6", "57.3", "43.2"};
    const QStringList flow = {"1,765", "1,637", "1,502", "1,363", "1,222", "1,071"};
    const QStringList error = {"0.4", "-0.6", "0.2", "0.9", "-0.3", "-0.5"};
    for (int i = 0; i < 6; ++i)
        c.append(qMakePair(QStringLiteral("HltHousePressure%1").arg(i), house[i]));
    for (int i = 0; i < 6; ++i)
        c.append(qMakePair(QStringLiteral("HltFlowPressure%1").arg(i), flowPa[i]));
    for (int i = 0; i < 6; ++i)
        c.append(qMakePair(QStringLiteral("HltTestFlow%1").arg(i), flow[i]));
    for (int i = 0; i < 6; ++i)
        c.append(qMakePair(QStringLiteral("HltTestError%1").arg(i), error[i]));
    c += Columns{
        {"OptimumLeakage", "0.78 square feet, 112.3 square inches"},
        {"MeasuredLeakage",
         loose ? "2.08 square feet, 299.5 square inches" : "0.86 square feet, 123.6 square inches"},
        {"SealableLeakage", loose ? "187 square inches can be sealed before reaching the Optimum "
                                    "Leakage Area."
                                  : "11 square inches can be sealed before reaching the Optimum "
                                    "Leakage Area."},
        {"BoosterVentilation",
         "150 cfm for 2 hours and 5 minutes \r\nor 100 cfm for 3 hours and 8 minutes"},
        {"AverageAirChanges", "7.92 per day, 0.33 per hour"},
        {"SeasonalAirChanges",
         "Winter = 0.41 per hour or 107 CFM, Summer = 0.25 per hour or 64 CFM"},
        {"CFM50", "CFM @ 50 Pa = 1,765"},
        {"AirChanges50", "Air changes @ 50 Pa = 6.731"},
        {"Correlation", "Correlation = 99.87%"},
        {"C", "(C = 137"},
        {"N", "N = 0.652)"},
        {"MaxDuctLeakage",
         "Or, if there is no air conditioning, 10.3 square inches (55.5 cfm) for all "
         "the duct systems in the home, based on 3% of conditioned floor space in "
         "CFM25"},
        {"AirflowRequired1pa", "137 cfm = 1 pa"},
        {"AirflowRequired2pa", "215 cfm = 2 pa"},
        {"AirflowRequired3pa", "279 cfm = 3 pa"},
        {"AirflowRequired4pa", "337 cfm = 4 pa"},
        {"AirflowRequired5pa", "390 cfm = 5 pa"},
    };
    return c;
}

} // namespace reportsamples

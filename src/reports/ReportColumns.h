#pragma once

// The pieces every report builder shares: the one-row record set made of bound values, the
// Tight/Loose rule, and the texts that need more than a format pattern.

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace reporting {

// Column aliases and their formatted values, in the order the record holds them.
using ReportColumns = QList<QPair<QString, QString>>;

// The number a record set that cannot be opened raises.
inline constexpr int32_t ErrRecordSet = -2147467259;

// Opens "SELECT ? AS <alias>, ..." on the connection with each value bound, so that no value
// (quotes and all) ever becomes part of the SQL text, and returns its one row.
QSqlRecord openReportRecord(const QSqlDatabase& db, const ReportColumns& columns);

// A house counts as tight while its measured leakage area is at most the optimum plus the
// 28.8 square inch allowance. The difference is taken at single precision, as the areas are.
bool isTightHouse(float measuredSqIn, float optimumSqIn);

// How long a 150 cfm and a 100 cfm fan must run each day to move the booster volume:
// "150 cfm for <h> hours and <m> minutes \r\nor 100 cfm for <h> hours and <m> minutes".
// The minutes are rounded before they are split, so 60 carries into the hours; a house that
// needs no booster (zero or negative volume) gets 0 hours and 0 minutes.
QString boosterVentilationText(float dailyCubicFeet);

// The wind shielding factor of an item of the wind exposure list, as plain number text; empty
// for an item the list does not have.
QString windShieldingFactorText(int itemValue);

// The company texts of TechInfo, kept as two rows of the Settings table.
inline const QString CompanyNameSetting = QStringLiteral("CompanyName");
inline const QString CompanyLocationSetting = QStringLiteral("CompanyLocation");

// "<company name>, <company location>, <technician>", leaving out the parts that are empty;
// in the company texts each "&&" becomes "&".
QString techInfo(const QSqlDatabase& db, const QString& technician);

// The parts joined with ", ".
QString joined(const QStringList& parts);

} // namespace reporting

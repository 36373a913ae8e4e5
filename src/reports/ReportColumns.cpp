#include "ReportColumns.h"

#include "Database.h"
#include "DatabaseError.h"
#include "Settings.h"
#include "vberror.h"
#include "vbformat.h"
#include "vbmath.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace reporting {

QSqlRecord openReportRecord(const QSqlDatabase& db, const ReportColumns& columns)
{
    static const QRegularExpression alias(QStringLiteral("^[A-Za-z][A-Za-z0-9]*$"));
    QStringList parts;
    for (const auto& column : columns) {
        // Aliases are this program's own names; anything else is a fault in the builder.
        if (!alias.match(column.first).hasMatch())
            vbrt::raise(ErrRecordSet,
                        QStringLiteral("Invalid report column name: ") + column.first);
        parts << QStringLiteral("? AS ") + column.first;
    }
    const QString sql = QStringLiteral("SELECT ") + parts.join(QStringLiteral(", "));
    QVariantList values;
    for (const auto& column : columns)
        values << column.second;
    QSqlQuery query = execSql(db, sql, values, true);
    if (!query.next())
        raiseDatabaseError(query.lastError(), sql, db.databaseName());
    return query.record();
}

bool isTightHouse(float measuredSqIn, float optimumSqIn)
{
    return vbrt::ge(optimumSqIn, double(measuredSqIn) - 28.8);
}

namespace {

QString fanRunTime(float dailyCubicFeet, int cfm)
{
    qint64 minutes = 0;
    if (dailyCubicFeet > 0)
        minutes = vbrt::format(double(dailyCubicFeet) / cfm, "#0").toLongLong();
    return QString::number(minutes / 60) + QStringLiteral(" hours and ") +
           QString::number(minutes % 60) + QStringLiteral(" minutes");
}

} // namespace

QString boosterVentilationText(float dailyCubicFeet)
{
    return QStringLiteral("150 cfm for ") + fanRunTime(dailyCubicFeet, 150) +
           QStringLiteral(" \r\nor 100 cfm for ") + fanRunTime(dailyCubicFeet, 100);
}

QString windShieldingFactorText(int itemValue)
{
    switch (itemValue) {
    case 0:
        return vbrt::cstr(1.2f);
    case 1:
        return vbrt::cstr(0.9f);
    case 2:
        return vbrt::cstr(1.0f);
    default:
        return {};
    }
}

QString joined(const QStringList& parts)
{
    return parts.join(QStringLiteral(", "));
}

QString techInfo(const QSqlDatabase& db, const QString& technician)
{
    // The company texts are kept as a caption would hold them, "&&" for one "&"; the
    // technician's name is printed as typed.
    auto company = [&db](const QString& setting) {
        return GetAppSetting(db, setting)
            .trimmed()
            .replace(QLatin1String("&&"), QLatin1String("&"));
    };
    QStringList parts{company(CompanyNameSetting), company(CompanyLocationSetting),
                      technician.trimmed()};
    parts.removeAll(QString());
    return joined(parts);
}

} // namespace reporting

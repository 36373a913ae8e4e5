#include "Settings.h"

#include "Database.h"
#include "StoredValues.h"

QString GetAppSetting(const QSqlDatabase& db, const QString& name)
{
    QSqlQuery q = execSql(db,
                          QStringLiteral("SELECT SettingValue FROM Settings WHERE SettingName = ? "
                                         "ORDER BY rowid LIMIT 1"),
                          {name});
    return q.next() ? stored::text(q.value(0)) : QString();
}

void SaveAppSetting(const QSqlDatabase& db, const QString& name, const QString& value)
{
    QSqlQuery q = execSql(db,
                          QStringLiteral("SELECT rowid FROM Settings WHERE SettingName = ? "
                                         "ORDER BY rowid LIMIT 1"),
                          {name});
    if (q.next()) {
        const auto rowid = q.value(0);
        q.finish();
        execSql(db, QStringLiteral("UPDATE Settings SET SettingValue = ? WHERE rowid = ?"),
                {value, rowid});
    } else {
        execSql(db,
                QStringLiteral("INSERT INTO Settings (SettingName, SettingValue) VALUES (?, ?)"),
                {name, value});
    }
}

#pragma once

#include <QSqlDatabase>
#include <QString>

// Program settings: name/value rows of the Settings table.
QString GetAppSetting(const QSqlDatabase& db, const QString& name);
void SaveAppSetting(const QSqlDatabase& db, const QString& name, const QString& value);

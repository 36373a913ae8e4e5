#include "SchemaUpgrade.h"

#include "Database.h"
#include "vberror.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>

namespace {

// Step n lifts a file from version n to n + 1. Empty while version 1 is the only one.
const QList<QStringList> upgradeSteps = {};

} // namespace

void upgradeUserSchema(QSqlDatabase& db)
{
    int version = 0;
    {
        QSqlQuery q = execSql(db, QStringLiteral("PRAGMA user_version"));
        version = q.next() ? q.value(0).toInt() : 0;
    }
    if (version < 1)
        vbrt::raise(-2147467259, QStringLiteral("The user database has no known schema."));
    for (; version < UserSchemaVersion; ++version) {
        const QStringList& step = upgradeSteps.at(version - 1);
        if (!db.transaction())
            vbrt::raise(-2147467259, db.lastError().text());
        try {
            for (const auto& sql : step)
                execSql(db, sql);
            execSql(db, QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        } catch (...) {
            db.rollback();
            throw;
        }
        if (!db.commit())
            vbrt::raise(-2147467259, db.lastError().text());
    }
}

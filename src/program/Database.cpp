#include "Database.h"

#include "DatabaseError.h"
#include "Dialogs.h"
#include "ProgramState.h"
#include "SchemaUpgrade.h"
#include "StartupChecks.h"
#include "vberror.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>

namespace {

[[noreturn]] void raiseSql(const QSqlError& error, const QString& what, const QString& file = {})
{
    raiseDatabaseError(error, what, file);
}

[[noreturn]] void raiseMissing(const QString& file)
{
    throw DatabaseError(DatabaseFault::CannotOpen,
                        QStringLiteral("Could not find file '%1'.").arg(file));
}

QString lockWaitOption()
{
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(DatabaseLockWaitMs);
}

QString quoteName(const QString& name)
{
    return '"' + QString(name).replace('"', QStringLiteral("\"\"")) + '"';
}

// A private connection on one file, closed and removed when it goes out of scope.
class ScopedConnection
{
public:
    ScopedConnection(const QString& path, bool readOnly)
    {
        static int serial = 0;
        m_name = QStringLiteral("private-%1").arg(++serial);
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_db.setDatabaseName(path);
        m_db.setConnectOptions(readOnly
                                   ? QStringLiteral("QSQLITE_OPEN_READONLY;") + lockWaitOption()
                                   : lockWaitOption());
    }
    ~ScopedConnection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase& db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

bool fileIsDatabase(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace

QSqlQuery execSql(const QSqlDatabase& db, const QString& sql, const QVariantList& values,
                  bool forwardOnly)
{
    QSqlQuery query(db);
    query.setForwardOnly(forwardOnly);
    if (!query.prepare(sql))
        raiseSql(query.lastError(), sql, db.databaseName());
    for (const auto& v : values)
        query.addBindValue(v);
    if (!query.exec())
        raiseSql(query.lastError(), sql, db.databaseName());
    return query;
}

std::optional<int> RemoveLinks(const QString& database)
{
    if (!fileIsDatabase(database))
        return 1;
    ScopedConnection conn(database, false);
    if (!conn.db().open())
        return 1;
    QSqlQuery names(conn.db());
    if (!names.exec(QStringLiteral("SELECT LinkName FROM MSysLinks ORDER BY rowid")))
        return 1;
    QStringList links;
    while (names.next())
        links << names.value(0).toString();
    names.finish();
    // Even with no link left the catalog must be writable, since the links are rebuilt right
    // after. A write-protected file grants the lock, so only a real write tells: one row is
    // written and rolled back at once.
    QSqlQuery del(conn.db());
    if (!del.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return 1;
    const bool writable = del.exec(QStringLiteral("INSERT INTO MSysLinks (LinkName) VALUES "
                                                  "('~write check~')"));
    del.exec(QStringLiteral("ROLLBACK"));
    if (!writable || !del.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return 1;
    for (const auto& link : links) {
        del.prepare(QStringLiteral("DELETE FROM MSysLinks WHERE LinkName = ?"));
        del.addBindValue(link);
        if (!del.exec()) {
            conn.db().rollback();
            return 1;
        }
    }
    if (!del.exec(QStringLiteral("COMMIT"))) {
        del.exec(QStringLiteral("ROLLBACK"));
        return 1;
    }
    return std::nullopt;
}

void LinkTables(const QString& source, const QString& target)
{
    if (!fileIsDatabase(source))
        raiseMissing(source);
    ScopedConnection src(source, true);
    if (!src.db().open())
        raiseSql(src.db().lastError(), source);
    QSqlQuery schema(src.db());
    if (!schema.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                    "name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid")))
        raiseSql(schema.lastError(), source);
    QStringList tables;
    while (schema.next()) {
        const QString name = schema.value(0).toString();
        if (name.left(4) == QLatin1String("Msys"))
            continue;
        tables << name;
    }
    schema.finish();

    ScopedConnection dst(target, false);
    if (!dst.db().open())
        raiseSql(dst.db().lastError(), target);
    if (!dst.db().transaction())
        raiseSql(dst.db().lastError(), target);
    for (const auto& table : tables) {
        QSqlQuery insert(dst.db());
        insert.prepare(QStringLiteral(
            "INSERT INTO MSysLinks (LinkName, SourceDatabase, RemoteName) VALUES (?, ?, ?)"));
        insert.addBindValue(table);
        insert.addBindValue(QFileInfo(source).absoluteFilePath());
        insert.addBindValue(table);
        if (!insert.exec()) {
            const auto error = insert.lastError();
            dst.db().rollback();
            raiseSql(error, target);
        }
    }
    if (!dst.db().commit())
        raiseSql(dst.db().lastError(), target);
}

QSqlDatabase openUserDatabase(const QString& path, const QString& connectionName)
{
    if (!fileIsDatabase(path))
        raiseMissing(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(lockWaitOption());
    if (!db.open())
        raiseSql(db.lastError(), path);
    execSql(db, QStringLiteral("PRAGMA foreign_keys = ON"));
    upgradeUserSchema(db);

    // One attachment per linked file, then every link under its own name.
    QStringList files;
    QList<QPair<QString, QPair<QString, QString>>> links;
    {
        QSqlQuery q = execSql(db, QStringLiteral("SELECT LinkName, SourceDatabase, RemoteName "
                                                 "FROM MSysLinks ORDER BY rowid"));
        while (q.next()) {
            const QString file = q.value(1).toString();
            if (!files.contains(file))
                files << file;
            links.append({q.value(0).toString(), {file, q.value(2).toString()}});
        }
    }
    for (int i = 0; i < files.size(); ++i) {
        if (!fileIsDatabase(files[i]))
            raiseMissing(files[i]);
        execSql(db,
                QStringLiteral("ATTACH DATABASE ? AS %1")
                    .arg(quoteName(QStringLiteral("link%1").arg(i))),
                {files[i]});
    }
    for (const auto& [name, where] : links) {
        const QString schemaName = QStringLiteral("link%1").arg(files.indexOf(where.first));
        execSql(db, QStringLiteral("CREATE TEMP VIEW %1 AS SELECT * FROM %2.%3")
                        .arg(quoteName(name), quoteName(schemaName), quoteName(where.second)));
    }
    QList<QPair<QString, QString>> queries;
    {
        QSqlQuery q = execSql(db, QStringLiteral("SELECT QueryName, QuerySQL FROM MSysQueries "
                                                 "ORDER BY rowid"));
        while (q.next())
            queries.append({q.value(0).toString(), q.value(1).toString()});
    }
    for (const auto& [name, sql] : queries)
        execSql(db, QStringLiteral("CREATE TEMP VIEW %1 AS %2").arg(quoteName(name), sql));
    return db;
}

void InitializeData(ProgramState& state)
{
    const QString user = state.path(QStringLiteral("Ostrel7_user.mdb"));
    const QString supplied = state.path(QStringLiteral("Ostrel7_supp.mdb"));
    // Nothing is written before both files are known to be fit for this program.
    bool linksRemoved = false;
    if (checkDatabasesBeforeStart(state, user, supplied)) {
        RemoveLinks(user);
        linksRemoved = !RemoveLinks(user);
    }
    if (!linksRemoved) {
        state.dialogs.msgBox(QStringLiteral("Unable to access MsysObjects table in program "
                                            "database, probably because of insufficient "
                                            "permissions."),
                             platform::MsgButtons::OK, platform::MsgIcon::Exclamation,
                             ProgramState::title());
        vbrt::raise(DatabaseErrorNumber,
                    QStringLiteral("Unable to access MsysObjects table in program "
                                   "database."));
    }
    try {
        LinkTables(supplied, user);
        state.gcnnUser = openUserDatabase(user, state.connectionName());
    } catch (const DatabaseError& e) {
        refuseStartup(state, e);
    }
}

int fieldSize(const QSqlDatabase& db, const QString& table, const QString& field)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoteName(table))))
        return -1;
    static const QRegularExpression size(QStringLiteral("\\(\\s*(\\d+)\\s*\\)"));
    while (q.next()) {
        if (q.value(1).toString().compare(field, Qt::CaseInsensitive) != 0)
            continue;
        const auto m = size.match(q.value(2).toString());
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    return -1;
}

QString fitText(const QString& text, int size)
{
    if (size < 0 || text.size() <= size)
        return text;
    int cut = size;
    // Never leave half of a surrogate pair behind.
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut);
}

QLineEdit* SaveableText(const QSqlDatabase& db, const QString& table, const QString& field,
                        QLineEdit* box)
{
    const int size = fieldSize(db, table, field);
    const QString fitted = fitText(box->text(), size);
    if (fitted != box->text())
        box->setText(fitted);
    return box;
}

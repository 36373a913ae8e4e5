#include "DatabaseError.h"

#include <QFileInfo>
#include <QSqlError>

namespace {

// SQLite's primary result codes.
enum SqliteCode
{
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteIoErr = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteNotADb = 26,
};

} // namespace

DatabaseError::DatabaseError(DatabaseFault fault, const QString& technical)
    : vbrt::Error(DatabaseErrorNumber, technical), m_fault(fault)
{
}

DatabaseFault faultOf(const QSqlError& error, const QString& file)
{
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xff;
    const QString text = error.databaseText().toLower();
    const auto either = [&](int sqlite, const char* words) {
        return (isNumber && code == sqlite) || text.contains(QLatin1String(words));
    };
    if (either(SqliteBusy, "database is locked") || either(SqliteLocked, "table is locked"))
        return DatabaseFault::Busy;
    if (either(SqliteReadOnly, "readonly database"))
        return DatabaseFault::ReadOnly;
    if (either(SqliteFull, "database or disk is full"))
        return DatabaseFault::DiskFull;
    if (either(SqliteCorrupt, "malformed") || either(SqliteNotADb, "not a database"))
        return DatabaseFault::Damaged;
    // A file made write-protected while it is open fails its writes as a disk error.
    const bool writeProtected =
        !file.isEmpty() && QFileInfo::exists(file) && !QFileInfo(file).isWritable();
    if (either(SqliteIoErr, "disk i/o error"))
        return writeProtected ? DatabaseFault::ReadOnly : DatabaseFault::DiskError;
    if (either(SqliteCantOpen, "unable to open"))
        return writeProtected ? DatabaseFault::ReadOnly : DatabaseFault::CannotOpen;
    return DatabaseFault::Other;
}

void raiseDatabaseError(const QSqlError& error, const QString& statement, const QString& file)
{
    throw DatabaseError(faultOf(error, file), statement + QStringLiteral(": ") + error.text());
}

QString faultReason(DatabaseFault fault)
{
    switch (fault) {
    case DatabaseFault::Busy:
        return QStringLiteral("Another program is using the database.  Wait a moment or close "
                              "that program, then try again.");
    case DatabaseFault::ReadOnly:
        return QStringLiteral("The database file is read-only, so nothing can be saved to it.  "
                              "Make sure the file and its folder may be written to, then try "
                              "again.");
    case DatabaseFault::DiskFull:
        return QStringLiteral("The disk is full.  Free some space on it, then try again.");
    case DatabaseFault::DiskError:
        return QStringLiteral("The disk could not be read or written.  Check the disk (or the "
                              "network drive) that holds the database, then try again.");
    case DatabaseFault::Damaged:
        return QStringLiteral("The database file is damaged.  Restore it from a backup copy.");
    case DatabaseFault::CannotOpen:
        return QStringLiteral("The database file could not be opened.  Make sure it is still "
                              "there and may be read, then try again.");
    case DatabaseFault::Other:
        break;
    }
    return QStringLiteral("The database could not carry out the request.");
}

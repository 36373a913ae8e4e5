#include "StartupChecks.h"

#include "DatabaseError.h"
#include "Dialogs.h"
#include "ProgramState.h"
#include "SchemaUpgrade.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <optional>

namespace {

// The tables the program reads in each file; the build's files have them all.
const QStringList UserTables = {
    "Clients",  "Technicians",  "House Leakage Tests", "Duct Leak Analysis", "Flow Hood Tests",
    "Settings", "UserClimates", "MSysLinks",           "MSysQueries"};
const QStringList SuppliedTables = {"Climates", "States", "Cities", "Blower Models", "Ranges"};

const QString Crlf2 = QStringLiteral("\r\n\r\n");

QString shown(const QString& file)
{
    return QStringLiteral("\"") + QDir::toNativeSeparators(file) + QStringLiteral("\"");
}

[[noreturn]] void refuse(ProgramState& state, const QString& problem, const QString& remedy,
                         const QString& technical)
{
    state.gLog.NewEntry(QStringLiteral("Start-up ended: ") + problem +
                        QStringLiteral("  Error Text:  '") + technical + QStringLiteral("'"));
    state.dialogs.msgBox(problem + Crlf2 + remedy + state.gstrErrorLoggedNote,
                         platform::MsgButtons::OK, platform::MsgIcon::Critical,
                         ProgramState::title());
    throw StartupRefused(DatabaseErrorNumber, problem);
}

// What a look into one file found.
struct FileLook
{
    bool found = false;
    std::optional<QSqlError> error; // reading failed
    int version = 0;
    QStringList tables;
};

FileLook look(const QString& file)
{
    FileLook result;
    if (!QFileInfo(file).isFile())
        return result;
    result.found = true;
    static int serial = 0;
    const QString name = QStringLiteral("startup-check-%1").arg(++serial);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1")
                                 .arg(DatabaseLockWaitMs));
        if (!db.open()) {
            result.error = db.lastError();
        } else {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
                result.version = q.value(0).toInt();
            else
                result.error = q.lastError();
            if (!result.error) {
                if (q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
                    while (q.next())
                        result.tables << q.value(0).toString();
                } else {
                    result.error = q.lastError();
                }
            }
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

QString missingTable(const QStringList& needed, const QStringList& present)
{
    for (const QString& table : needed)
        if (!present.contains(table, Qt::CaseInsensitive))
            return table;
    return {};
}

} // namespace

bool checkDatabasesBeforeStart(ProgramState& state, const QString& user, const QString& supplied)
{
    const QString userUnchanged = QStringLiteral("  The file has not been changed.");
    const FileLook mine = look(user);
    if (!mine.found)
        refuse(state,
               QStringLiteral("The program's database ") + shown(user) +
                   QStringLiteral(" could not be found."),
               QStringLiteral("Put back your copy of the file (from a backup if need be), or "
                              "rebuild or reinstall the program to create an empty one."),
               QStringLiteral("Could not find file '%1'.").arg(user));
    if (mine.error) {
        const DatabaseFault fault = faultOf(*mine.error, user);
        // A lock: the links cannot be removed, which has its own message.
        if (fault == DatabaseFault::Busy)
            return false;
        if (fault == DatabaseFault::Damaged)
            refuse(state,
                   QStringLiteral("The program's database ") + shown(user) +
                       QStringLiteral(" is damaged or is not a database."),
                   QStringLiteral("Restore the file from a backup copy.") + userUnchanged,
                   mine.error->text());
        refuse(state,
               QStringLiteral("The program's database ") + shown(user) +
                   QStringLiteral(" could not be read."),
               faultReason(fault) + userUnchanged, mine.error->text());
    }
    if (mine.version > UserSchemaVersion)
        refuse(state,
               QStringLiteral("The program's database ") + shown(user) +
                   QStringLiteral(" was made by a newer version of this program, which "
                                  "this version cannot read."),
               QStringLiteral("Use the newer version of the program with this file, or restore an "
                              "older copy of it.") +
                   userUnchanged,
               QStringLiteral("user_version %1; this program knows up to %2.")
                   .arg(mine.version)
                   .arg(UserSchemaVersion));
    if (mine.version < 1)
        refuse(state,
               QStringLiteral("The program's database ") + shown(user) +
                   QStringLiteral(" is not a database of this program."),
               QStringLiteral("Restore your own file from a backup copy.") + userUnchanged,
               QStringLiteral("user_version %1").arg(mine.version));
    if (const QString table = missingTable(UserTables, mine.tables); !table.isEmpty())
        refuse(state,
               QStringLiteral("The program's database ") + shown(user) +
                   QStringLiteral(" has no table \"") + table + QStringLiteral("\"."),
               QStringLiteral("The file is damaged or belongs to another program.  Restore it "
                              "from a backup copy.") +
                   userUnchanged,
               QStringLiteral("no such table: ") + table);

    const QString reinstall = QStringLiteral("Rebuild or reinstall the program to recreate it.  "
                                             "Your own records are kept in another file and are "
                                             "not affected.");
    const FileLook theirs = look(supplied);
    const QString suppliedName =
        QStringLiteral("The program's reference database ") + shown(supplied);
    if (!theirs.found)
        refuse(state, suppliedName + QStringLiteral(" could not be found."), reinstall,
               QStringLiteral("Could not find file '%1'.").arg(supplied));
    if (theirs.error) {
        const DatabaseFault fault = faultOf(*theirs.error, supplied);
        if (fault == DatabaseFault::Busy)
            refuse(state, suppliedName + QStringLiteral(" is in use by another program."),
                   QStringLiteral("Close that program and start this one again.  If this keeps "
                                  "happening, rebuild or reinstall the program."),
                   theirs.error->text());
        refuse(state, suppliedName + QStringLiteral(" is damaged or is not a database."), reinstall,
               theirs.error->text());
    }
    if (const QString table = missingTable(SuppliedTables, theirs.tables); !table.isEmpty())
        refuse(state,
               suppliedName + QStringLiteral(" has no table \"") + table + QStringLiteral("\"."),
               reinstall, QStringLiteral("no such table: ") + table);
    return true;
}

void refuseStartup(ProgramState& state, const DatabaseError& error)
{
    refuse(state,
           QStringLiteral("The program could not prepare its database ") +
               shown(state.path(QStringLiteral("Ostrel7_user.mdb"))) +
               QStringLiteral(", so it cannot start."),
           error.fault() == DatabaseFault::Other
               ? QStringLiteral("The file may be damaged or belong to another program.  Restore "
                                "it from a backup copy.")
               : faultReason(error.fault()),
           error.description());
}

#include "DatabaseAction.h"

#include "DatabaseError.h"
#include "Dialogs.h"
#include "ProgramState.h"
#include "WaitCursor.h"
#include "vbformat.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <optional>

namespace {

void run(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        raiseDatabaseError(q.lastError(), sql, db.databaseName());
}

// Undoing never raises: the database may already have dropped the transaction itself (as
// SQLite does after a full disk or an I/O error).
void runQuietly(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    q.exec(sql);
}

} // namespace

bool runDatabaseAction(ProgramState& state, DbAccess access, const QString& what,
                       const std::function<void()>& action)
{
    QSqlDatabase& db = state.gcnnUser;
    const bool outermost = state.databaseActionDepth == 0;
    const QString savepoint = QStringLiteral("action%1").arg(state.databaseActionDepth);
    std::optional<DatabaseError> failure;
    {
        platform::WaitCursor wait;
        ++state.databaseActionDepth;
        const auto undo = [&] {
            if (outermost) {
                runQuietly(db, QStringLiteral("ROLLBACK"));
            } else {
                runQuietly(db, QStringLiteral("ROLLBACK TO ") + savepoint);
                runQuietly(db, QStringLiteral("RELEASE ") + savepoint);
            }
        };
        try {
            if (outermost)
                run(db, access == DbAccess::Write ? QStringLiteral("BEGIN IMMEDIATE")
                                                  : QStringLiteral("BEGIN"));
            else
                run(db, QStringLiteral("SAVEPOINT ") + savepoint);
            action();
            run(db, outermost ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + savepoint);
        } catch (const DatabaseError& e) {
            undo();
            failure = e;
        } catch (...) {
            undo();
            --state.databaseActionDepth;
            throw;
        }
        --state.databaseActionDepth;
    }
    if (!failure)
        return true;
    reportDatabaseFailure(state, what, *failure);
    return false;
}

void reportDatabaseFailure(ProgramState& state, const QString& what, const DatabaseError& error)
{
    state.gLog.NewEntry(QStringLiteral("A database error occurred: ") + what +
                        QStringLiteral("  Error number:  ") + vbrt::cstr(qint64(error.number())) +
                        QStringLiteral(".  Error Text:  '") + error.description() +
                        QStringLiteral("'"));
    // The message is read with the normal pointer, whatever hourglasses the callers hold.
    int hourglasses = 0;
    for (; QGuiApplication::overrideCursor(); ++hourglasses)
        QGuiApplication::restoreOverrideCursor();
    state.dialogs.msgBox(
        what + QStringLiteral("\r\n\r\n") + faultReason(error.fault()) + state.gstrErrorLoggedNote,
        platform::MsgButtons::OK, platform::MsgIcon::Exclamation, ProgramState::title());
    while (hourglasses-- > 0)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

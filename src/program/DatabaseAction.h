#pragma once

#include <QString>

#include <functional>

class DatabaseError;
struct ProgramState;

enum class DbAccess
{
    Read, // reads only; may run on a write-protected file
    Write // takes the write lock at the start, so that a lock is waited for there
};

// Runs one user action on the user database as one transaction, with the hourglass meanwhile.
// When the database fails (locked, read-only, disk full, disk error ...) everything the action
// wrote is undone, the technical text goes to the program log, and the user is told `what`
// ("The client could not be saved.") with the reason in plain words; the result is then false
// and the caller keeps the entries on screen. Other errors pass through unchanged. The action
// must not ask the user anything: a lock would be held meanwhile.
//
//     if (!runDatabaseAction(state, DbAccess::Write, QStringLiteral("The technician could not "
//                            "be deleted."), [&] { deleteTechnician(name); }))
//         return;
//
// Actions may nest: an inner one is a savepoint of the outer transaction and reports its own
// failure.
bool runDatabaseAction(ProgramState& state, DbAccess access, const QString& what,
                       const std::function<void()>& action);

// Tells the user and the log about a database failure of `what` (see runDatabaseAction).
void reportDatabaseFailure(ProgramState& state, const QString& what, const DatabaseError& error);

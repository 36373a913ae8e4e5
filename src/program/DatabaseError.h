#pragma once

#include "vberror.h"

#include <QString>

class QSqlError;

// How long a statement waits for a lock another program holds on a database file before it
// gives up: long enough to outlast a short write of another program, short enough that the
// window does not look hung.
inline constexpr int DatabaseLockWaitMs = 5000;

// The number every failure of the database layer carries.
inline constexpr int32_t DatabaseErrorNumber = -2147467259;

// What went wrong with a database file, as far as the user can do something about it.
enum class DatabaseFault
{
    Busy,       // another program holds a lock
    ReadOnly,   // the file (or its folder) cannot be written
    DiskFull,   // no room left on the disk
    DiskError,  // the disk could not be read or written
    Damaged,    // the file is no database or is corrupt
    CannotOpen, // the file cannot be opened at all
    Other       // anything else: a fault of the statement or the schema
};

// A failure of the database itself, raised by the query helpers. Where nobody turns it into a
// message (see runDatabaseAction) it is a run-time error like any other.
class DatabaseError : public vbrt::Error
{
public:
    DatabaseError(DatabaseFault fault, const QString& technical);

    DatabaseFault fault() const { return m_fault; }

private:
    DatabaseFault m_fault;
};

// The fault a driver error stands for; file is the database file, when known, so that an I/O
// error on a file that has become write-protected is told as such.
DatabaseFault faultOf(const QSqlError& error, const QString& file = {});

// Raises a driver error as a DatabaseError whose text names the statement.
[[noreturn]] void raiseDatabaseError(const QSqlError& error, const QString& statement,
                                     const QString& file = {});

// The reason and the remedy in the user's words, e.g. "Another program is using the database
// file.  Wait a moment or close that program, then try again."
QString faultReason(DatabaseFault fault);

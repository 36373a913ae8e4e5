#pragma once

#include "vberror.h"

#include <QString>

class DatabaseError;
struct ProgramState;

// Raised once a failed start-up has been told to the user and logged: the program ends
// without a second report.
class StartupRefused : public vbrt::Error
{
public:
    using vbrt::Error::Error;
};

// Looks at both database files, read-only, before the start-up writes anything: a missing,
// damaged or foreign file, one missing a table the program needs, and a user database of a
// newer schema are refused (message, log entry, StartupRefused), and neither file is written.
// Returns false when another program holds the user database locked, which the caller reports
// as a database it cannot write.
bool checkDatabasesBeforeStart(ProgramState& state, const QString& user, const QString& supplied);

// A database failure later in the start-up: the message names the user database and what to
// do, the log gets the technical text; raises StartupRefused.
[[noreturn]] void refuseStartup(ProgramState& state, const DatabaseError& error);

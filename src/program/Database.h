#pragma once

#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <optional>

struct ProgramState;

// The user database keeps its links to supplied tables in MSysLinks and the saved queries that
// read them in MSysQueries; opening gcnnUser attaches each linked file and makes every link and
// query reachable under its own name as a temporary view.

// Prepares the user database and opens gcnnUser; shows the documented message and raises an
// error when the links cannot be removed.
void InitializeData(ProgramState& state);

// Deletes every link recorded in the database file; returns an error value (1) when that failed.
std::optional<int> RemoveLinks(const QString& database);

// Links every ordinary table of the source file into the target file.
void LinkTables(const QString& source, const QString& target);

// Opens a connection on the user database file with its links and saved queries reachable.
QSqlDatabase openUserDatabase(const QString& path, const QString& connectionName);

// The declared size of a text field, e.g. 50 for TEXT(50); -1 when it has none.
int fieldSize(const QSqlDatabase& db, const QString& table, const QString& field);

// Cuts the box's text to the declared size of the field that will store it (the user sees the
// cut text) and returns the box.
QLineEdit* SaveableText(const QSqlDatabase& db, const QString& table, const QString& field,
                        QLineEdit* box);
// The same fitting for a plain text.
QString fitText(const QString& text, int size);

// Runs a statement with bound values; a failure is raised as a DatabaseError naming it.
// forwardOnly reads a long result once, without the driver keeping every row.
QSqlQuery execSql(const QSqlDatabase& db, const QString& sql, const QVariantList& values,
                  bool forwardOnly = false);
inline QSqlQuery execSql(const QSqlDatabase& db, const QString& sql,
                         std::initializer_list<QVariant> values = {})
{
    return execSql(db, sql, QVariantList(values));
}

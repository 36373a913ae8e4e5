#pragma once

class QSqlDatabase;

// The user database's schema version; the build creates new files at the newest version.
inline constexpr int UserSchemaVersion = 1;

// Brings an older user database up to the current schema, one step per version, each in its
// own transaction, so a contractor's existing file is upgraded, never replaced.
void upgradeUserSchema(QSqlDatabase& db);

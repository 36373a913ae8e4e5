#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <utility>

class ProgramFolder;

namespace testsupport {

// Column values of one row, in the order they are written.
using Fields = QList<std::pair<QString, QVariant>>;

// A user climate as the climate editor stores it.
struct UserClimate
{
    QString city = QStringLiteral("Testville");
    QString state = QStringLiteral("ZZ");
    int zone = 2;
    double winter = 10;
    double summer = 90;
    double grain = 20;
};

// Rows put into a user database with bound SQL, for a test to start from: technicians,
// clients, climates, saved tests and settings. Each call keeps the new row's id, so that
// the rows after it can refer to it.
//
//     SeededProgram seed(run.folder);        // before the program starts
//     seed.technician("Pat").climate({.zone = 3});
//     seed.client("Ann", {{"ZoneID", seed.climateUniqueId()}});
//
// A row the database refuses ends the test program: the seed is part of the test, not of
// what it tries.
class SeededProgram
{
public:
    // Writes into the folder's user database file, on a connection of its own that is closed
    // when the builder goes.
    explicit SeededProgram(const ProgramFolder& folder);
    // Writes through a running program's own connection.
    explicit SeededProgram(const QSqlDatabase& db);
    ~SeededProgram();
    SeededProgram(const SeededProgram&) = delete;
    SeededProgram& operator=(const SeededProgram&) = delete;

    // A technician; remembered, the one the program chooses at start-up.
    SeededProgram& technician(const QString& name, bool remembered = true);
    SeededProgram& client(const QString& name, const Fields& fields = {});
    SeededProgram& climate(const UserClimate& climate = {});
    // A saved house leakage test, or efficiency analysis, of the last client unless the
    // fields name another.
    SeededProgram& houseLeakageTest(const Fields& fields = {});
    SeededProgram& efficiencyAnalysis(const Fields& fields = {});
    SeededProgram& flowHoodTest(const Fields& fields = {});
    SeededProgram& setting(const QString& name, const QVariant& value);

    // Any row; returns its id.
    int32_t insert(const QString& table, const Fields& fields);

    // The ids of the last rows of each kind.
    int32_t techId() const { return m_techId; }
    int32_t clientId() const { return m_clientId; }
    int32_t climateId() const { return m_climateId; }
    QString climateUniqueId() const { return QStringLiteral("U%1").arg(m_climateId); }
    int32_t testId() const { return m_testId; }
    int32_t analysisId() const { return m_analysisId; }

    const QSqlDatabase& db() const { return m_db; }

private:
    Fields ofClient(const QString& column, const Fields& fields) const;

    QString m_ownConnection;
    QSqlDatabase m_db;
    int32_t m_techId = -1;
    int32_t m_clientId = -1;
    int32_t m_climateId = -1;
    int32_t m_testId = -1;
    int32_t m_analysisId = -1;
};

} // namespace testsupport

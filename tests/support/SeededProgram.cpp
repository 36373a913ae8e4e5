#include "SeededProgram.h"

#include "ProgramFolder.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace testsupport {

SeededProgram::SeededProgram(const ProgramFolder& folder)
{
    static int connections = 0;
    m_ownConnection = QStringLiteral("seed-%1").arg(++connections);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_ownConnection);
    m_db.setDatabaseName(folder.file(QStringLiteral("Ostrel7_user.mdb")));
    if (!m_db.open())
        qFatal("seeding: %s", qPrintable(m_db.lastError().text()));
}

SeededProgram::SeededProgram(const QSqlDatabase& db) : m_db(db) {}

SeededProgram::~SeededProgram()
{
    if (m_ownConnection.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_ownConnection);
}

int32_t SeededProgram::insert(const QString& table, const Fields& fields)
{
    QStringList columns;
    QStringList marks;
    for (const auto& field : fields) {
        columns << field.first;
        marks << QStringLiteral("?");
    }
    QSqlQuery q(m_db);
    const QString sql = QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                            .arg(table, columns.join(','), marks.join(','));
    if (!q.prepare(sql))
        qFatal("seeding %s: %s", qPrintable(table), qPrintable(q.lastError().text()));
    for (const auto& field : fields)
        q.addBindValue(field.second);
    if (!q.exec())
        qFatal("seeding %s: %s", qPrintable(table), qPrintable(q.lastError().text()));
    return q.lastInsertId().toInt();
}

SeededProgram& SeededProgram::technician(const QString& name, bool remembered)
{
    m_techId = insert(QStringLiteral("Technicians"), {{QStringLiteral("TechName"), name}});
    if (remembered)
        setting(QStringLiteral("MRUTechnician"), QString::number(m_techId));
    return *this;
}

SeededProgram& SeededProgram::client(const QString& name, const Fields& fields)
{
    Fields row{{QStringLiteral("ClientName"), name}};
    row << fields;
    m_clientId = insert(QStringLiteral("Clients"), row);
    return *this;
}

SeededProgram& SeededProgram::climate(const UserClimate& c)
{
    m_climateId = insert(QStringLiteral("UserClimates"),
                         {{QStringLiteral("ZoneState"), c.state},
                          {QStringLiteral("ZoneCity"), c.city},
                          {QStringLiteral("ZoneCountry"), QStringLiteral("USA")},
                          {QStringLiteral("ZoneLBLClimateZone"), c.zone},
                          {QStringLiteral("ZoneWinterOutdoorDesignTemp"), c.winter},
                          {QStringLiteral("ZoneSummerOutdoorDesignTemp"), c.summer},
                          {QStringLiteral("ZoneSummerDesignGrainDifference"), c.grain}});
    return *this;
}

Fields SeededProgram::ofClient(const QString& column, const Fields& fields) const
{
    for (const auto& field : fields)
        if (field.first.compare(column, Qt::CaseInsensitive) == 0)
            return fields;
    Fields row{{column, m_clientId}};
    row << fields;
    return row;
}

SeededProgram& SeededProgram::houseLeakageTest(const Fields& fields)
{
    m_testId =
        insert(QStringLiteral("House Leakage Tests"), ofClient(QStringLiteral("ClientId"), fields));
    return *this;
}

SeededProgram& SeededProgram::efficiencyAnalysis(const Fields& fields)
{
    m_analysisId =
        insert(QStringLiteral("Duct Leak Analysis"), ofClient(QStringLiteral("ClientID"), fields));
    return *this;
}

SeededProgram& SeededProgram::flowHoodTest(const Fields& fields)
{
    insert(QStringLiteral("Flow Hood Tests"), ofClient(QStringLiteral("ClientID"), fields));
    return *this;
}

SeededProgram& SeededProgram::setting(const QString& name, const QVariant& value)
{
    insert(QStringLiteral("Settings"),
           {{QStringLiteral("SettingName"), name}, {QStringLiteral("SettingValue"), value}});
    return *this;
}

} // namespace testsupport

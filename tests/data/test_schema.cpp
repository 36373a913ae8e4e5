// Checks the two database templates the build makes from data/: the tables and columns the
// program reads and writes, the reference rows, and the saved queries over linked tables.
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

const QString templates = QStringLiteral(OSTREL_DB_TEMPLATES);
const QString suppliedFile = templates + "/Ostrel7_supp.mdb";
const QString userFile = templates + "/Ostrel7_user.mdb";

// One named connection, removed again when the scope ends.
class Connection
{
public:
    explicit Connection(const QString& file, const QString& options = {})
        : m_name(QStringLiteral("schema%1").arg(++s_count))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", m_name);
        db.setDatabaseName(file);
        db.setConnectOptions(options);
        m_open = db.open();
    }
    ~Connection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const { return m_open; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    // Runs one statement; fails the test with the driver's message when it does not run.
    QSqlQuery run(const QString& sql, const QVariantList& values = {}) const
    {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        bool ok = q.prepare(sql);
        for (const QVariant& v : values)
            q.addBindValue(v);
        ok = ok && q.exec();
        if (!ok)
            qWarning().noquote() << sql << "->" << q.lastError().text();
        m_failed = m_failed || !ok;
        return q;
    }
    QVariant scalar(const QString& sql, const QVariantList& values = {}) const
    {
        QSqlQuery q = run(sql, values);
        return q.next() ? q.value(0) : QVariant();
    }
    bool failed() const { return m_failed; }

private:
    static inline int s_count = 0;
    QString m_name;
    bool m_open = false;
    mutable bool m_failed = false;
};

// Declared type of each column, from PRAGMA table_info, keyed by lower-case column name.
QHash<QString, QString> declaredTypes(const Connection& c, const QString& table)
{
    QHash<QString, QString> types;
    QSqlQuery q = c.run("SELECT name, type FROM pragma_table_info(?)", {table});
    while (q.next())
        types.insert(q.value(0).toString().toLower(), q.value(1).toString().toUpper());
    return types;
}

QStringList tables(const Connection& c)
{
    QStringList names;
    QSqlQuery q = c.run("SELECT name FROM sqlite_master WHERE type = 'table' "
                        "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name");
    while (q.next())
        names << q.value(0).toString();
    return names;
}

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT
private slots:
    void templatesOpen()
    {
        for (const QString& file : {suppliedFile, userFile}) {
            QVERIFY2(QFile::exists(file), qPrintable(file));
            Connection c(file, "QSQLITE_OPEN_READONLY");
            QVERIFY(c.isOpen());
            QCOMPARE(c.scalar("PRAGMA integrity_check").toString(), QString("ok"));
        }
        Connection user(userFile, "QSQLITE_OPEN_READONLY");
        QCOMPARE(user.scalar("PRAGMA user_version").toInt(), 1);
    }

    void tablesHaveTheirColumns_data()
    {
        QTest::addColumn<bool>("supplied");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns"); // "name TYPE"

        QTest::newRow("Climates") << true << "Climates"
                                  << QStringList{"ZoneID INTEGER",
                                                 "ZoneState TEXT(50)",
                                                 "ZoneCity TEXT(50)",
                                                 "ZoneCountry TEXT(50)",
                                                 "ZoneLBLClimateZone INTEGER",
                                                 "ZoneWinterOutdoorDesignTemp REAL",
                                                 "ZoneSummerOutdoorDesignTemp REAL",
                                                 "ZoneSummerDesignGrainDifference REAL"};
        QTest::newRow("States") << true << "States"
                                << QStringList{"State TEXT(2)", "StateName TEXT(50)"};
        QTest::newRow("Cities") << true << "Cities" << QStringList{"city TEXT(50)"};
        QTest::newRow("Blower Models")
            << true << "Blower Models"
            << QStringList{"BlowerModelID INTEGER", "BlowerModelName TEXT(50)"};
        QTest::newRow("Ranges") << true << "Ranges"
                                << QStringList{"rangeid INTEGER",
                                               "BlowerModelID INTEGER",
                                               "RangeDisplayOrder INTEGER",
                                               "RangeDropText TEXT(50)",
                                               "RangeK REAL",
                                               "RangeKReversed REAL",
                                               "RangeN REAL",
                                               "RangeNReversed REAL",
                                               "RangeK1 REAL",
                                               "RangeK2 REAL",
                                               "RangeK3 REAL",
                                               "RangeK4 REAL"};
        QTest::newRow("Clients") << false << "Clients"
                                 << QStringList{"ClientID INTEGER",
                                                "ClientName TEXT(50)",
                                                "ClientAddress TEXT(50)",
                                                "ClientCity TEXT(50)",
                                                "ClientState TEXT(50)",
                                                "ClientZip TEXT(10)",
                                                "ClientDateAdded DATETIME",
                                                "HltLivingArea INTEGER",
                                                "HltStories INTEGER",
                                                "StoriesText TEXT(50)",
                                                "HltAverageCeilingHeight REAL",
                                                "HltBedrooms REAL",
                                                "SurveyHowLong2 TEXT(50)",
                                                "SurveyRoomName0 TEXT(25)",
                                                "SurveyRoomName1 TEXT(25)",
                                                "SurveyRoomComment1 TEXT(255)",
                                                "SurveyYesNo7 TEXT(50)",
                                                "SurveyUtilities3 TEXT(50)",
                                                "SurveyUtilitiesType3 TEXT(50)",
                                                "ClientComments TEXT",
                                                "ZoneID TEXT(20)"};
        QTest::newRow("Technicians")
            << false << "Technicians" << QStringList{"TechID INTEGER", "TechName TEXT(50)"};
        QTest::newRow("House Leakage Tests") << false << "House Leakage Tests"
                                             << QStringList{"HltID INTEGER",
                                                            "ClientId INTEGER",
                                                            "HltTestDate DATETIME",
                                                            "TechName TEXT(50)",
                                                            "HltUserID TEXT(10)",
                                                            "HltTestType INTEGER",
                                                            "HltDirection INTEGER",
                                                            "HltGaugeLocation INTEGER",
                                                            "hltWindFactor INTEGER",
                                                            "BlowerModelID INTEGER",
                                                            "rangeid INTEGER",
                                                            "HltFlowTube INTEGER",
                                                            "HltInsideTemp INTEGER",
                                                            "HltOutsideTemp INTEGER",
                                                            "HltHousePressure5 INTEGER",
                                                            "HltFlowPressure5 INTEGER",
                                                            "HltFlowPressure2_5 INTEGER",
                                                            "HltFlowCFM5 INTEGER"};
        QTest::newRow("Duct Leak Analysis") << false << "Duct Leak Analysis"
                                            << QStringList{"DlaID INTEGER",
                                                           "ClientID INTEGER",
                                                           "DlaTestDate DATETIME",
                                                           "DlaUserID TEXT(10)",
                                                           "DlaSystemDescription TEXT(100)",
                                                           "DlaPrimaryHeat INTEGER",
                                                           "DlaTotalBtuInput INTEGER",
                                                           "DlaTotalCoolingTons REAL",
                                                           "DlaSupplyLeaksSqIn REAL",
                                                           "DlaReturnLeaksSqIn REAL",
                                                           "DlaReturnLeaks INTEGER",
                                                           "DlaAtticRoofCoolingFactor INTEGER",
                                                           "DlaWinterOutDesignTemp REAL",
                                                           "DlaSummerOutDesignTemp REAL",
                                                           "DlaSummerDesignGrainDifference REAL"};
        QTest::newRow("Flow Hood Tests")
            << false << "Flow Hood Tests" << QStringList{"FhtID INTEGER",
                                                         "ClientID INTEGER",
                                                         "FhtSystemDescription TEXT(100)",
                                                         "FhtSupplyLeakCFM REAL",
                                                         "FhtReturnLeakCFM REAL",
                                                         "FhtTotalLeakCFM REAL",
                                                         "FhtSupplyLeakSqIn REAL",
                                                         "FhtReturnLeakSqIn REAL",
                                                         "FhtTotalLeakSqIn REAL"};
        QTest::newRow("Settings") << false << "Settings"
                                  << QStringList{"SettingName TEXT(50)", "SettingValue TEXT(255)"};
        QTest::newRow("UserClimates") << false << "UserClimates"
                                      << QStringList{"ZoneID INTEGER",
                                                     "ZoneState TEXT(50)",
                                                     "ZoneCity TEXT(50)",
                                                     "ZoneCountry TEXT(50)",
                                                     "ZoneLBLClimateZone INTEGER",
                                                     "ZoneWinterOutdoorDesignTemp REAL",
                                                     "ZoneSummerOutdoorDesignTemp REAL",
                                                     "ZoneSummerDesignGrainDifference REAL"};
        QTest::newRow("MSysLinks")
            << false << "MSysLinks"
            << QStringList{"LinkName TEXT", "SourceDatabase TEXT", "RemoteName TEXT"};
        QTest::newRow("MSysQueries")
            << false << "MSysQueries" << QStringList{"QueryName TEXT", "QuerySQL TEXT"};
    }
    void tablesHaveTheirColumns()
    {
        QFETCH(bool, supplied);
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        Connection c(supplied ? suppliedFile : userFile, "QSQLITE_OPEN_READONLY");
        const QHash<QString, QString> types = declaredTypes(c, table);
        QVERIFY2(!types.isEmpty(), qPrintable(table + " is missing"));
        for (const QString& entry : columns) {
            const QStringList parts = entry.split(' ');
            QCOMPARE(types.value(parts[0].toLower(), "<missing>") + " " + parts[0],
                     parts[1] + " " + parts[0]);
        }
        QVERIFY(!c.failed());
    }

    // Text compared and sorted regardless of case, as users expect; the link catalog holds
    // file paths and SQL, which keep their case.
    void textColumnsIgnoreCase()
    {
        for (const QString& file : {suppliedFile, userFile}) {
            Connection c(file, "QSQLITE_OPEN_READONLY");
            for (const QString& table : tables(c)) {
                if (table.startsWith("MSys"))
                    continue;
                const QString sql =
                    c.scalar("SELECT sql FROM sqlite_master WHERE name = ?", {table}).toString();
                const QHash<QString, QString> types = declaredTypes(c, table);
                for (auto it = types.begin(); it != types.end(); ++it) {
                    if (!it.value().startsWith("TEXT"))
                        continue;
                    const QRegularExpression nocase("(?:^|[(,\\n])[ \\t]*\\[?" +
                                                        QRegularExpression::escape(it.key()) +
                                                        "\\]?\\s+TEXT[^,\\n]*COLLATE\\s+NOCASE",
                                                    QRegularExpression::CaseInsensitiveOption |
                                                        QRegularExpression::MultilineOption);
                    QVERIFY2(nocase.match(sql).hasMatch(), qPrintable(table + "." + it.key()));
                }
            }
            QVERIFY(!c.failed());
        }
    }

    void referenceRows()
    {
        Connection c(suppliedFile, "QSQLITE_OPEN_READONLY");
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM States").toInt(), 51);
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM Climates").toInt(), 215);
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM Cities").toInt(), 379);
        QCOMPARE(c.scalar("SELECT StateName FROM States WHERE State = 'dc'").toString(),
                 QString("District of Columbia"));
        // Every climate's state is in the state list, every state has a climate, zones 1-4.
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM Climates WHERE ZoneState NOT IN "
                          "(SELECT State FROM States)")
                     .toInt(),
                 0);
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM States WHERE State NOT IN "
                          "(SELECT ZoneState FROM Climates)")
                     .toInt(),
                 0);
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM Climates WHERE ZoneLBLClimateZone NOT BETWEEN 1 "
                          "AND 4 OR typeof(ZoneWinterOutdoorDesignTemp) <> 'real' "
                          "OR ZoneSummerDesignGrainDifference < 0 OR ZoneCity = ''")
                     .toInt(),
                 0);
        QSqlQuery fairbanks = c.run("SELECT ZoneState, ZoneCity, ZoneCountry, ZoneLBLClimateZone, "
                                    "ZoneWinterOutdoorDesignTemp FROM Climates WHERE ZoneID = 1");
        QVERIFY(fairbanks.next());
        QCOMPARE(fairbanks.value(0).toString() + "|" + fairbanks.value(1).toString() + "|" +
                     fairbanks.value(2).toString() + "|" + fairbanks.value(3).toString() + "|" +
                     fairbanks.value(4).toString(),
                 QString("AK|Fairbanks|USA|1|-38"));
        // The city list holds every climate's city.
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM Climates WHERE ZoneCity NOT IN "
                          "(SELECT city FROM Cities)")
                     .toInt(),
                 0);
        QVERIFY(!c.failed());
    }

    void blowerModelsAndRanges()
    {
        Connection c(suppliedFile, "QSQLITE_OPEN_READONLY");
        QCOMPARE(c.scalar("SELECT group_concat(BlowerModelID) FROM (SELECT BlowerModelID FROM "
                          "[Blower Models] ORDER BY BlowerModelID)")
                     .toString(),
                 QString("1,2"));
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM [Blower Models] WHERE BlowerModelName NOT LIKE "
                          "'Example fan %'")
                     .toInt(),
                 0);

        struct Fixed
        {
            int id, model;
            const char* text;
            int fans;
        };
        for (const Fixed& f : {Fixed{12, 1, "36  = (2 blowers, plates off)", 2},
                               Fixed{13, 1, "CFM  = (Flow measured directly)", 1},
                               Fixed{24, 2, "CFM  = (Flow measured directly)", 1}}) {
            QSqlQuery q =
                c.run("SELECT BlowerModelID, RangeDropText, RangeFanCount FROM Ranges WHERE "
                      "rangeid = ?",
                      {f.id});
            QVERIFY2(q.next(), qPrintable(QString::number(f.id)));
            QCOMPARE(q.value(0).toInt(), f.model);
            QCOMPARE(q.value(1).toString(), QString(f.text));
            QCOMPARE(q.value(2).toInt(), f.fans);
        }
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM Ranges WHERE rangeid = 1").toInt(), 1);
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM Ranges WHERE RangeFanCount <> 1").toInt(), 1);

        // The port rule: the only model with a tube choice owns every range up to 13, and the
        // stated port agrees with the rule the program applies by id.
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM Ranges WHERE (rangeid <= 13) <> "
                          "(BlowerModelID = 1)")
                     .toInt(),
                 0);
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM Ranges WHERE RangeFlowTube IS NOT CASE "
                          "WHEN rangeid IN (1, 12) THEN 1 WHEN rangeid < 13 THEN 0 END")
                     .toInt(),
                 0);

        // The calculation finds a range by its text: only the two direct-flow ranges share one.
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM (SELECT RangeDropText FROM Ranges GROUP BY "
                          "RangeDropText HAVING COUNT(*) > 1 AND RangeDropText <> "
                          "'CFM  = (Flow measured directly)')")
                     .toInt(),
                 0);

        // Every model has ranges, listed in a strict display order.
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM [Blower Models] m WHERE NOT EXISTS (SELECT 1 "
                          "FROM Ranges r WHERE r.BlowerModelID = m.BlowerModelID)")
                     .toInt(),
                 0);
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM (SELECT 1 FROM Ranges GROUP BY BlowerModelID, "
                          "RangeDisplayOrder HAVING COUNT(*) > 1)")
                     .toInt(),
                 0);

        // Plausible fan constants; two fans of range 12 must add up, so no house-pressure
        // correction and no linear term there.
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM Ranges WHERE rangeid NOT IN (13, 24) AND NOT ("
                          "RangeN BETWEEN 0.45 AND 0.6 AND RangeNReversed BETWEEN 0.45 AND 0.6 "
                          "AND RangeK > 0 AND RangeKReversed > 0 AND RangeK4 BETWEEN 0.9 AND 1.1 "
                          "AND RangeK1 BETWEEN 0 AND 1)")
                     .toInt(),
                 0);
        QCOMPARE(c.scalar("SELECT RangeK1 + RangeK3 FROM Ranges WHERE rangeid = 12").toDouble(),
                 0.0);
        // An open fan moves some thousands of cfm at 250 Pa fan pressure.
        double open = 0;
        QSqlQuery fans = c.run("SELECT RangeK, RangeN, RangeK4 FROM Ranges WHERE rangeid NOT IN "
                               "(13, 24)");
        while (fans.next())
            open = std::max(open, fans.value(0).toDouble() *
                                      std::pow(250.0, fans.value(1).toDouble()) *
                                      fans.value(2).toDouble());
        QVERIFY2(open > 4000 && open < 7000, qPrintable(QString::number(open)));
        QVERIFY(!c.failed());
    }

    void suppliedHoldsNoCatalogTables()
    {
        Connection c(suppliedFile, "QSQLITE_OPEN_READONLY");
        for (const QString& table : tables(c))
            QVERIFY2(!table.startsWith("msys", Qt::CaseInsensitive), qPrintable(table));
    }

    void userTemplateStartsEmpty()
    {
        Connection c(userFile, "QSQLITE_OPEN_READONLY");
        for (const QString& table : tables(c)) {
            if (table == "MSysQueries")
                continue;
            QVERIFY2(c.scalar("SELECT COUNT(*) FROM [" + table + "]").toInt() == 0,
                     qPrintable(table));
        }
        QVERIFY(!c.failed());
    }

    // The program attaches the supplied file, makes each supplied table reachable under its
    // own name, then creates the saved queries as views: here the same under another alias, so
    // a query that names a schema fails.
    void savedQueriesRunOnLinkedTables()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString user = dir.filePath("Ostrel7_user.mdb");
        QVERIFY(QFile::copy(userFile, user));
        QFile::setPermissions(user, QFile::ReadOwner | QFile::WriteOwner);
        Connection c(user);
        QVERIFY(c.isOpen());
        c.run("ATTACH DATABASE ? AS linked_supplied", {suppliedFile});
        QStringList linked;
        {
            QSqlQuery q = c.run("SELECT name FROM linked_supplied.sqlite_master WHERE type = "
                                "'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
            while (q.next())
                linked << q.value(0).toString();
        }
        QCOMPARE(linked.size(), 5);
        for (const QString& name : linked)
            c.run(QString("CREATE TEMP VIEW [%1] AS SELECT * FROM linked_supplied.[%1]").arg(name));

        QStringList queries;
        {
            QSqlQuery q = c.run("SELECT QueryName, QuerySQL FROM MSysQueries ORDER BY QueryName");
            while (q.next()) {
                queries << q.value(0).toString();
                QVERIFY(q.value(1).toString().startsWith("SELECT "));
                c.run("CREATE TEMP VIEW [" + q.value(0).toString() + "] AS " +
                      q.value(1).toString());
            }
        }
        QCOMPARE(queries, (QStringList{"Climates by prevalence", "House Leakage Test List"}));
        for (const QString& name : queries)
            c.run("SELECT * FROM [" + name + "]");
        QVERIFY(!c.failed());

        // Climates by prevalence: every climate once, user climates as "U" & id, most used
        // first; a client's stored id matches regardless of case.
        QCOMPARE(c.scalar("SELECT COUNT(DISTINCT UniqueID) FROM [Climates by prevalence]").toInt(),
                 215);
        c.run("INSERT INTO UserClimates (ZoneState, ZoneCity, ZoneCountry, ZoneLBLClimateZone, "
              "ZoneWinterOutdoorDesignTemp, ZoneSummerOutdoorDesignTemp, "
              "ZoneSummerDesignGrainDifference) VALUES ('ON', 'Ottawa', 'Canada', 1, -13, 86, 20)");
        c.run("INSERT INTO Clients (ClientName, ZoneID) VALUES ('A', '7'), ('B', 'u1'), "
              "('C', 'U1'), ('D', '')");
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM [Climates by prevalence]").toInt(), 216);
        {
            QSqlQuery q = c.run("SELECT UniqueID, Source, CountOfZoneID, ZoneCity, ZoneState, "
                                "ZoneLBLClimateZone, ZoneWinterOutdoorDesignTemp, "
                                "ZoneSummerDesignGrainDifference FROM [Climates by prevalence]");
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QString("U1"));
            QVERIFY(q.value(1).toString().startsWith('U'));
            QCOMPARE(q.value(2).toInt(), 2);
            QCOMPARE(q.value(3).toString() + "," + q.value(4).toString(), QString("Ottawa,ON"));
            QCOMPARE(q.value(6).toDouble(), -13.0);
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QString("7"));
            QCOMPARE(q.value(2).toInt(), 1);
            QVERIFY(!q.value(1).toString().startsWith('U'));
        }
        QCOMPARE(
            c.scalar("SELECT COUNT(*) FROM [Climates by prevalence] WHERE UniqueID = 'u1'").toInt(),
            1);
        QCOMPARE(c.scalar("SELECT COUNT(*) FROM [Climates by prevalence] WHERE Source LIKE 'U%'")
                     .toInt(),
                 1);

        // The test list: stored rows with their range's text; a save without a valid date
        // leaves the date empty.
        c.run("INSERT INTO [House Leakage Tests] (ClientId, HltUserID, rangeid) VALUES "
              "(1, '1', 12), (1, '2', 24), (2, '1', 99)");
        QSqlQuery list = c.run("SELECT HltUserID, RangeDropText, HltTestDate FROM [House Leakage "
                               "Test List] WHERE ClientID = 1 ORDER BY HltUserID, HltTestDate");
        QVERIFY(list.next());
        QCOMPARE(list.value(1).toString(), QString("36  = (2 blowers, plates off)"));
        QVERIFY(list.value(2).isNull());
        QVERIFY(list.next());
        QCOMPARE(list.value(1).toString(), QString("CFM  = (Flow measured directly)"));
        QVERIFY(!list.next());
        QVERIFY(c.scalar("SELECT RangeDropText FROM [House Leakage Test List] WHERE ClientID = 2")
                    .isNull());
        QVERIFY(!c.failed());
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "test_schema.moc"

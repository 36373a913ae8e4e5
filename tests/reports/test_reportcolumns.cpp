// The report builders' shared pieces: the record set of bound values, the Tight/Loose rule,
// the booster ventilation text, the wind factor and the company texts.
#include "ReportColumns.h"
#include "Settings.h"
#include "vberror.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using reporting::ReportColumns;

namespace {

QSqlDatabase settingsDatabase()
{
    const QString name = QStringLiteral("reportcolumns");
    if (!QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        db.open();
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE Settings (SettingName TEXT(50) COLLATE "
                                          "NOCASE NOT NULL PRIMARY KEY, SettingValue TEXT(255))"));
    }
    QSqlDatabase db = QSqlDatabase::database(name);
    QSqlQuery(db).exec(QStringLiteral("DELETE FROM Settings"));
    return db;
}

} // namespace

class TestReportColumns : public QObject
{
    Q_OBJECT
private slots:
    void tightUpToTheAllowance_data()
    {
        QTest::addColumn<float>("measured");
        QTest::addColumn<float>("optimum");
        QTest::addColumn<bool>("tight");
        // Exactly 28.8 over: in double arithmetic 100 - 28.8 lies just above 71.2f.
        QTest::newRow("exactly 28.8 over") << 100.0f << 71.2f << true;
        QTest::newRow("exactly 28.8 over, larger") << 428.8f << 400.0f << true;
        QTest::newRow("just over") << 100.0f << 71.19f << false;
        QTest::newRow("just under") << 100.0f << 71.21f << true;
        QTest::newRow("below the optimum") << 80.0f << 120.0f << true;
        QTest::newRow("far over") << 402.3f << 174.1f << false;
    }
    void tightUpToTheAllowance()
    {
        QFETCH(float, measured);
        QFETCH(float, optimum);
        QFETCH(bool, tight);
        QCOMPARE(reporting::isTightHouse(measured, optimum), tight);
    }

    void boosterRunTimes_data()
    {
        QTest::addColumn<float>("daily");
        QTest::addColumn<QString>("text");
        // 2 x 150 x 60 cubic feet: whole hours, "0" minutes.
        QTest::newRow("exact multiple") << 18000.0f
                                        << "150 cfm for 2 hours and 0 minutes \r\nor "
                                           "100 cfm for 3 hours and 0 minutes";
        QTest::newRow("one multiple") << 9000.0f
                                      << "150 cfm for 1 hours and 0 minutes \r\nor "
                                         "100 cfm for 1 hours and 30 minutes";
        // 179.96 minutes: the written rule printed "2 hours and 60 minutes".
        QTest::newRow("minutes carry") << 26994.0f
                                       << "150 cfm for 3 hours and 0 minutes \r\nor "
                                          "100 cfm for 4 hours and 30 minutes";
        QTest::newRow("rounded minutes") << 22795.0f
                                         << "150 cfm for 2 hours and 32 minutes \r\nor "
                                            "100 cfm for 3 hours and 48 minutes";
        // Half a minute rounds up, as the number formats do.
        QTest::newRow("half a minute") << 75.0f
                                       << "150 cfm for 0 hours and 1 minutes \r\nor "
                                          "100 cfm for 0 hours and 1 minutes";
        QTest::newRow("none needed") << 0.0f
                                     << "150 cfm for 0 hours and 0 minutes \r\nor "
                                        "100 cfm for 0 hours and 0 minutes";
        // Leakier than the optimum: no booster, never negative time.
        QTest::newRow("leakier than needed") << -21600.0f
                                             << "150 cfm for 0 hours and 0 minutes "
                                                "\r\nor 100 cfm for 0 hours and 0 "
                                                "minutes";
    }
    void boosterRunTimes()
    {
        QFETCH(float, daily);
        QFETCH(QString, text);
        QCOMPARE(reporting::boosterVentilationText(daily), text);
    }

    void windFactorAsPlainNumber_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("factor");
        QTest::newRow("well shielded") << 0 << "1.2";
        QTest::newRow("very exposed") << 1 << "0.9";
        QTest::newRow("normal suburban") << 2 << "1";
        QTest::newRow("none chosen") << -1 << "";
    }
    void windFactorAsPlainNumber()
    {
        QFETCH(int, item);
        QFETCH(QString, factor);
        QCOMPARE(reporting::windShieldingFactorText(item), factor);
    }

    void recordHoldsBoundValuesVerbatimInOrder()
    {
        QSqlDatabase db = settingsDatabase();
        const ReportColumns columns = {
            {"Title", "Tight House Leakage Test Report #7'"},
            {"ClientInfo", "Margaret O'Neill, 12 \"Old\" Mill Road, Chicago, IL"},
            {"TechInfo", "'); DELETE FROM Settings; --"},
            {"C", "(C = 96"},
            {"N", ""},
        };
        SaveAppSetting(db, "CompanyName", "kept");
        const QSqlRecord row = reporting::openReportRecord(db, columns);
        QCOMPARE(row.count(), columns.size());
        for (int i = 0; i < columns.size(); ++i) {
            QCOMPARE(row.fieldName(i), columns[i].first);
            QCOMPARE(row.value(i).toString(), columns[i].second);
        }
        QCOMPARE(GetAppSetting(db, "CompanyName"), QStringLiteral("kept"));
    }

    void recordRefusesAnAliasThatIsNoName()
    {
        QSqlDatabase db = settingsDatabase();
        try {
            reporting::openReportRecord(db, {{"Title, 1 AS X", "t"}});
            QFAIL("no error");
        } catch (const vbrt::Error& e) {
            QCOMPARE(e.number(), reporting::ErrRecordSet);
        }
    }

    void techInfoFromTheCompanySettings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("technician");
        QTest::addColumn<QString>("text");
        QTest::newRow("all three") << "Smith && Sons Home Performance"
                                   << "Loveland, Colorado"
                                   << "Daniel Reyes"
                                   << "Smith & Sons Home Performance, Loveland, Colorado, "
                                      "Daniel Reyes";
        // Only the company texts take "&&" for one "&"; names are printed as typed.
        QTest::newRow("ampersands") << "A && B Energy & Air"
                                    << "Fort Collins && Loveland"
                                    << "Pat && Lee"
                                    << "A & B Energy & Air, Fort Collins & Loveland, Pat && Lee";
        QTest::newRow("not set up") << ""
                                    << ""
                                    << "Daniel Reyes"
                                    << "Daniel Reyes";
        QTest::newRow("name only") << "  Reyes Energy  "
                                   << ""
                                   << "Daniel Reyes"
                                   << "Reyes Energy, Daniel Reyes";
        QTest::newRow("location only") << ""
                                       << "Peoria, IL"
                                       << "Tess"
                                       << "Peoria, IL, Tess";
    }
    void techInfoFromTheCompanySettings()
    {
        QFETCH(QString, name);
        QFETCH(QString, location);
        QFETCH(QString, technician);
        QFETCH(QString, text);
        QSqlDatabase db = settingsDatabase();
        if (!name.isEmpty())
            SaveAppSetting(db, "CompanyName", name);
        if (!location.isEmpty())
            SaveAppSetting(db, "CompanyLocation", location);
        QCOMPARE(reporting::techInfo(db, technician), text);
    }
};

QTEST_GUILESS_MAIN(TestReportColumns)
#include "test_reportcolumns.moc"

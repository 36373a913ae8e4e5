#include "ClimateKit.h"
#include "GuiTestMain.h"
#include "Settings.h"

#include <QSqlError>

using namespace driving;
using namespace climatekit;

namespace {

// Writes to a database file of the program folder before the program starts.
void onFile(const QString& path, const QStringList& statements)
{
    {
        auto db = QSqlDatabase::addDatabase("QSQLITE", "seed");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        for (const QString& sql : statements) {
            QSqlQuery q(db);
            QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase("seed");
}

} // namespace

class TestClimate : public QObject
{
    Q_OBJECT
private slots:
    void setCurrentClimate_data()
    {
        QTest::addColumn<QString>("id"); // "first", "tenth", "user", "user lower" or a literal
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("found");
        QTest::newRow("empty takes the first") << ""
                                               << "first" << true;
        QTest::newRow("a supplied climate") << "tenth"
                                            << "tenth" << true;
        QTest::newRow("a user climate") << "user"
                                        << "user" << true;
        QTest::newRow("ids ignore case") << "user lower"
                                         << "user" << true;
        QTest::newRow("unknown falls back") << "999999"
                                            << "first" << false;
        QTest::newRow("deleted user climate") << "U999"
                                              << "first" << false;
        QTest::newRow("quote in the id") << "1' OR '1'='1"
                                         << "first" << false;
    }

    void setCurrentClimate()
    {
        QFETCH(QString, id);
        QFETCH(QString, expected);
        QFETCH(bool, found);
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        const auto& db = run.state->gcnnUser;
        const QString user =
            QStringLiteral("U%1").arg(addUserClimate(db, "Smallville", "KS", 3, -4.5, 95, 33.5));
        const QList<Climate> all = climates(db);
        const auto named = [&](const QString& which) {
            if (which == "first")
                return all.first().uniqueId;
            if (which == "tenth")
                return all.at(9).uniqueId;
            if (which == "user")
                return user;
            if (which == "user lower")
                return user.toLower();
            return which;
        };
        QCOMPARE(form.climate->SetCurrentClimate(named(id)), found);
        const Climate want = climateOf(db, named(expected));
        QVERIFY(same(current(form), want));
        QCOMPARE(form.survey->lblClimate->text(), want.city + ", " + want.state);
        if (expected == "user") {
            QCOMPARE(form.session.mstrClimateLBLZone(), QStringLiteral("3"));
            QCOMPARE(form.session.msngClimateWinterDesignTemp(), -4.5f);
            QCOMPARE(form.session.msngClimateSummerGrainDiff(), 33.5f);
        }
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void startUpTakesTheMostUsedClimateWithoutASetting()
    {
        MainWindowFixture run;
        // Two clients use a climate far down the alphabet, which makes it the most used.
        testsupport::SeededProgram(run.folder)
            .client(QStringLiteral("A"), {{"ZoneID", QStringLiteral("150")}})
            .client(QStringLiteral("B"), {{"ZoneID", QStringLiteral("150")}});
        QVERIFY(startActive(run));
        auto& form = run.form();
        const Climate most = climates(run.state->gcnnUser).first();
        QCOMPARE(most.uniqueId, QStringLiteral("150"));
        QCOMPARE(form.session.mstrClimateUniqueID(), most.uniqueId);
        QCOMPARE(form.home->lblSelectClimate->text(),
                 "Standard Climate is " + most.city + ", " + most.state);

        // With a setting, start-up takes that one.
        const Climate other = climates(run.state->gcnnUser).at(20);
        SaveAppSetting(run.state->gcnnUser, "DefaultZoneID", other.uniqueId);
        QVERIFY(restart(run));
        QVERIFY(same(current(run.form()), other));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void noClimateAtAll()
    {
        MainWindowFixture run;
        onFile(run.folder.file("Ostrel7_supp.mdb"), {"DELETE FROM Climates"});
        QVERIFY(startActive(run));
        auto& form = run.form();
        ClimateValues kept = form.session.climate();
        kept.state = "kept";
        kept.winterDesignTemp = 12;
        form.session.setClimate(kept);
        QVERIFY(!form.climate->SetCurrentClimate(""));
        QCOMPARE(form.session.mstrClimateCity(), QString());
        QCOMPARE(form.session.mstrClimateLBLZone(), QString());
        QCOMPARE(form.session.mstrClimateUniqueID(), QString());
        QCOMPARE(form.session.mstrClimateState(), QStringLiteral("kept"));
        QCOMPARE(form.session.msngClimateWinterDesignTemp(), 12.0f);
        QCOMPARE(form.survey->lblClimate->text(), QString());

        // A client saved now stores an empty climate; loading it keeps the current one.
        beginNewClient(form);
        typeAndLeave(form.survey->txtClientName, "Ann");
        form.survey->txtHLLivingArea->setText("1500");
        form.survey->txtHLBedrooms->setText("2");
        QVERIFY(form.clients->SaveThisClient());
        const QSqlRecord row = clientRow(run.state->gcnnUser, run.form().session.gintClientID());
        QVERIFY(!row.value("ZoneID").isNull());
        QCOMPARE(row.value("ZoneID").toString(), QString());
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void loadingAClientMakesItsClimateCurrent()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        const auto& db = run.state->gcnnUser;
        addTechnician(form, "Tess");
        const QList<Climate> all = climates(db);
        const Climate standard = all.at(30);
        SaveAppSetting(db, "DefaultZoneID", standard.uniqueId);
        const int32_t gone = addUserClimate(db, "Gone", "ZZ");
        const int32_t withGone =
            insertClient(db, "Gone climate", {{"ZoneID", QStringLiteral("U%1").arg(gone)}});
        execSql(db, "DELETE FROM UserClimates WHERE ZoneID = ?", {gone});
        const int32_t withOwn = insertClient(db, "Own", {{"ZoneID", all.at(40).uniqueId}});
        const int32_t withNone =
            insertClient(db, "None", {{"ZoneID", QVariant(QMetaType::fromType<QString>())}});
        const int32_t withEmpty = insertClient(db, "Empty", {{"ZoneID", ""}});
        const Climate first = climates(db).first();

        QVERIFY(selectClient(form, withOwn));
        QVERIFY(same(current(form), climateOf(db, all.at(40).uniqueId)));
        QCOMPARE(form.survey->lblClimate->text(), all.at(40).city + ", " + all.at(40).state);
        // A climate deleted since silently gives the first of the list.
        QVERIFY(selectClient(form, withGone));
        QVERIFY(same(current(form), first));
        // None stored: the standard climate.
        QVERIFY(selectClient(form, withNone));
        QVERIFY(same(current(form), standard));
        // An empty one selects nothing: the climate stays as it was.
        QVERIFY(selectClient(form, withOwn));
        QVERIFY(selectClient(form, withEmpty));
        QVERIFY(same(current(form), climateOf(db, all.at(40).uniqueId)));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void newClientStartsWithTheStandardClimate()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        const auto& db = run.state->gcnnUser;
        const Climate standard = climates(db).at(12);
        SaveAppSetting(db, "DefaultZoneID", standard.uniqueId);
        form.climate->SetCurrentClimate(climates(db).at(50).uniqueId);
        addTechnician(form, "Tess");
        QTest::mouseClick(form.home->cmdAddClient, Qt::LeftButton);
        QVERIFY(same(current(form), standard));
        QCOMPARE(form.survey->lblClimate->text(), standard.city + ", " + standard.state);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }
};

OSTREL_GUI_TEST_MAIN(TestClimate)
#include "test_climate.moc"

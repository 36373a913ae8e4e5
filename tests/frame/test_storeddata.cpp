// Values the program never writes, put into each field it reads, one at a time: every page,
// list, reload and report that the row feeds still opens, nothing ends the program, and
// the boxes never show what their own checks would refuse.

#include "BlowerDoorRun.h"
#include "EfficiencyTab.h"
#include "GuiTestMain.h"
#include "ListFunctions.h"
#include "ProgramDriving.h"
#include "StoredValues.h"
#include "frmClimateEdit.h"
#include "frmClimateSelection.h"
#include "report/ReportWindow.h"
#include "ui_EfficiencyPage.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QTemporaryDir>

using platform::MsgResult;

namespace {

const QString Technician = QStringLiteral("Daniel Reyes");

// What the user database of every row starts from: a client with a user climate, one saved
// house leakage test and one efficiency analysis, all as the program would store them.
struct Template
{
    QTemporaryDir dir;
    QString userDatabase() const { return dir.filePath(QStringLiteral("user.mdb")); }
    int32_t clientId = -1;
    int32_t climateId = -1;
    int32_t rangeId = -1;
};

Template& seed()
{
    static Template t;
    return t;
}

// Runs work on a database file on a connection of its own.
void onFile(const QString& path, const std::function<void(const QSqlDatabase&)>& work)
{
    const QString name = QStringLiteral("storeddata");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

struct Target
{
    const char* table;
    const char* column;
};

// Every field the pages, lists, reloads and reports read from the row they show; of the
// survey's lists, which all show their answers alike, a few.
const Target Targets[] = {
    {"Clients", "ClientName"},
    {"Clients", "ClientAddress"},
    {"Clients", "ClientCity"},
    {"Clients", "ClientState"},
    {"Clients", "ClientDateAdded"},
    {"Clients", "HltLivingArea"},
    {"Clients", "HltStories"},
    {"Clients", "StoriesText"},
    {"Clients", "HltAverageCeilingHeight"},
    {"Clients", "HltBedrooms"},
    {"Clients", "SurveyRoomName0"},
    {"Clients", "SurveyRoomComment0"},
    {"Clients", "SurveyYesNo0"},
    {"Clients", "SurveyUtilitiesType0"},
    {"Clients", "ClientComments"},
    {"Clients", "ZoneID"},
    {"House Leakage Tests", "HltTestDate"},
    {"House Leakage Tests", "TechName"},
    {"House Leakage Tests", "HltUserID"},
    {"House Leakage Tests", "HltTestType"},
    {"House Leakage Tests", "HltDirection"},
    {"House Leakage Tests", "HltGaugeLocation"},
    {"House Leakage Tests", "hltWindFactor"},
    {"House Leakage Tests", "BlowerModelID"},
    {"House Leakage Tests", "rangeid"},
    {"House Leakage Tests", "HltFlowTube"},
    {"House Leakage Tests", "HltInsideTemp"},
    {"House Leakage Tests", "HltOutsideTemp"},
    {"House Leakage Tests", "HltHousePressure0"},
    {"House Leakage Tests", "HltHousePressure3"},
    {"House Leakage Tests", "HltFlowPressure0"},
    {"House Leakage Tests", "HltFlowPressure5"},
    {"House Leakage Tests", "HltFlowCFM0"},
    {"Duct Leak Analysis", "DlaTestDate"},
    {"Duct Leak Analysis", "DlaUserID"},
    {"Duct Leak Analysis", "DlaSystemDescription"},
    {"Duct Leak Analysis", "DlaPrimaryHeat"},
    {"Duct Leak Analysis", "DlaTotalBtuInput"},
    {"Duct Leak Analysis", "DlaTotalCoolingTons"},
    {"Duct Leak Analysis", "DlaSupplyLeaksSqIn"},
    {"Duct Leak Analysis", "DlaReturnLeaksSqIn"},
    {"Duct Leak Analysis", "DlaReturnLeaks"},
    {"Duct Leak Analysis", "DlaAtticRoofCoolingFactor"},
    {"Duct Leak Analysis", "DlaWinterOutDesignTemp"},
    {"Duct Leak Analysis", "DlaSummerOutDesignTemp"},
    {"Duct Leak Analysis", "DlaSummerDesignGrainDifference"},
    {"Settings", "BlowerModelID"},
    {"Settings", "DefaultZoneID"},
    {"Settings", "MRUTechnician"},
    {"Settings", "CompanyName"},
    {"Technicians", "TechName"},
    {"UserClimates", "ZoneState"},
    {"UserClimates", "ZoneCity"},
    {"UserClimates", "ZoneLBLClimateZone"},
    {"UserClimates", "ZoneWinterOutdoorDesignTemp"},
    {"UserClimates", "ZoneSummerOutdoorDesignTemp"},
    {"UserClimates", "ZoneSummerDesignGrainDifference"},
    {"Ranges", "RangeDropText"},
    {"Ranges", "RangeK"},
    {"Ranges", "RangeN"},
    {"Ranges", "RangeK1"},
};

// The values: NULL, empty, text, exponent form, beyond 16 and 32 bits, negative, another date.
const std::pair<const char*, QVariant> Values[] = {
    {"null", QVariant()},
    {"empty", QStringLiteral("")},
    {"text", QStringLiteral("junk")},
    {"exponent", QStringLiteral("1.5e+40")},
    {"beyond 16 bits", 40000},
    {"beyond 32 bits", qlonglong(5000000000LL)},
    {"negative", -5},
    {"other date", QStringLiteral("12-10-2026")},
};

// Writes the value into the one field of the seeded rows.
void plant(MainWindowFixture& run, const Target& target, const QVariant& value)
{
    const QString table = QLatin1String(target.table);
    const QString column = QLatin1String(target.column);
    const bool supplied = table == QLatin1String("Ranges");
    const QString file =
        run.folder.file(supplied ? QStringLiteral("Ostrel7_supp.mdb") : "Ostrel7_user.mdb");
    onFile(file, [&](const QSqlDatabase& db) {
        QSqlQuery q(db);
        if (table == QLatin1String("Settings")) {
            q.prepare("INSERT OR REPLACE INTO Settings (SettingName, SettingValue) VALUES (?, ?)");
            q.addBindValue(column);
        } else {
            QString where;
            if (table == QLatin1String("UserClimates"))
                where = QStringLiteral(" WHERE ZoneID = %1").arg(seed().climateId);
            else if (supplied)
                where = QStringLiteral(" WHERE rangeid = %1").arg(seed().rangeId);
            q.prepare(QStringLiteral("UPDATE [%1] SET %2 = ?%3").arg(table, column, where));
        }
        q.addBindValue(value);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        QVERIFY(q.numRowsAffected() >= 1);
    });
}

// A box that shows a number its own check would refuse, or no number at all. Free text shows
// as it was stored, even when it looks like a number.
QString badShownNumber(const QWidget* page, const QVariant& planted)
{
    static const QRegularExpression bad(QStringLiteral("\\d[eE][+-]?\\d|\\b(inf|nan)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    for (const QLineEdit* box : page->findChildren<QLineEdit*>())
        if (bad.match(box->text()).hasMatch() && box->text() != planted.toString())
            return box->objectName() + QStringLiteral(": ") + box->text();
    return {};
}

} // namespace

class TestStoredData : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // One calculated and saved test, as the program stores it; every row starts from it.
        MainWindowFixture run;
        QVERIFY(blowerdoor::startWithClient(run));
        frmHVACMain& form = run.form();
        const QSqlDatabase& db = run.state->gcnnUser;
        Template& t = seed();
        t.clientId = form.session.gintClientID();
        testsupport::SeededProgram rows(db);
        t.climateId = rows.climate({.grain = 30}).climateId();
        execSql(db, "UPDATE Clients SET ZoneID = ?", {QStringLiteral("U%1").arg(t.climateId)});
        SaveAppSetting(db, "DefaultZoneID", QStringLiteral("U%1").arg(t.climateId));
        QVERIFY(driving::selectClient(form, t.clientId));
        form.tabMain->setCurrentWidget(form.pageHouseLeakage);
        QVERIFY(blowerdoor::enterTest(form, blowerdoor::tightReadings()));
        QVERIFY(blowerdoor::calculate(form));
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(driving::count(db, "SELECT COUNT(*) FROM [House Leakage Tests]"), 1);
        t.rangeId = ComboData(form.hl->cmbHLRange);
        rows.efficiencyAnalysis({{"ClientID", t.clientId},
                                 {"DlaTestDate", QDateTime(QDate(2024, 10, 14), QTime(9, 30))},
                                 {"TechName", Technician},
                                 {"DlaUserID", QStringLiteral("1")},
                                 {"DlaSystemDescription", QStringLiteral("Attic unit")},
                                 {"DlaPrimaryHeat", 0},
                                 {"DlaTotalBtuInput", 80000},
                                 {"DlaTotalCoolingTons", 3},
                                 {"DlaSupplyLeaksSqIn", 20},
                                 {"DlaReturnLeaksSqIn", 15},
                                 {"DlaReturnLeaks", 0},
                                 {"DlaAtticRoofCoolingFactor", 15},
                                 {"DlaWinterOutDesignTemp", 10},
                                 {"DlaSummerOutDesignTemp", 90},
                                 {"DlaSummerDesignGrainDifference", 30}});
        run.close();
        run.window.reset();
        run.state.reset();
        QVERIFY(QFile::copy(run.folder.file("Ostrel7_user.mdb"), t.userDatabase()));
    }

    // What the reading helpers make of a field, as the boxes and lists show it.
    void fieldsAsShown_data()
    {
        QTest::addColumn<QVariant>("field");
        QTest::addColumn<QString>("number"); // as a box shows it
        QTest::addColumn<int>("whole16");    // -1: none
        QTest::addColumn<QString>("date");   // "M/D/YY h:mm"
        QTest::newRow("null") << QVariant() << "" << -1 << "";
        QTest::newRow("empty") << QVariant("") << "" << -1 << "";
        QTest::newRow("text") << QVariant("junk") << "" << -1 << "";
        QTest::newRow("typed number") << QVariant(" 1,500.5 ") << "1500.5" << 1500 << "";
        QTest::newRow("database's number text") << QVariant("2.5e+3") << "2500" << 2500 << "";
        QTest::newRow("huge") << QVariant(1.5e40) << "15" + QString(39, '0') << -1 << "";
        QTest::newRow("tiny") << QVariant(2.5e-7) << "0.00000025" << 0 << "";
        QTest::newRow("negative") << QVariant(-40000) << "-40000" << -1 << "";
        QTest::newRow("beyond 32 bits")
            << QVariant(qlonglong(5000000000LL)) << "5000000000" << -1 << "";
        QTest::newRow("half to even") << QVariant(12.5) << "12.5" << 12 << "";
        QTest::newRow("infinite text") << QVariant("inf") << "" << -1 << "";
        QTest::newRow("stored date")
            << QVariant("2026-12-10T15:05:00.000") << "" << -1 << "12/10/26 15:05";
        QTest::newRow("date alone") << QVariant("2026-12-10") << "" << -1 << "12/10/26 0:00";
        QTest::newRow("typed date")
            << QVariant("12/10/2026 3:05 pm") << "" << -1 << "12/10/26 15:05";
        QTest::newRow("other date") << QVariant("12-10-2026") << "" << -1 << "";
        QTest::newRow("date as number") << QVariant(46000) << "46000" << -1 << "";
    }
    void fieldsAsShown()
    {
        QFETCH(QVariant, field);
        QFETCH(QString, number);
        QFETCH(int, whole16);
        QFETCH(QString, date);
        QCOMPARE(stored::numberText(field), number);
        QCOMPARE(stored::whole16(field).value_or(-1), whole16);
        QCOMPARE(stored::dateText(field, "M/D/YY h:mm"), date);
    }

    void everyPageOpensWhateverTheFieldHolds_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        for (const Target& target : Targets) {
            for (const auto& [name, value] : Values) {
                // The supplied ranges refuse NULL.
                if (QLatin1String(target.table) == QLatin1String("Ranges") && value.isNull())
                    continue;
                QTest::addRow("%s.%s %s", target.table, target.column, name)
                    << QString::fromLatin1(target.table) << QString::fromLatin1(target.column)
                    << value;
            }
        }
    }
    void everyPageOpensWhateverTheFieldHolds()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        const QByteArray tableName = table.toLatin1(), columnName = column.toLatin1();

        MainWindowFixture run(ScriptedDialogs::OnFailure::RecordOnly);
        const QString userFile = run.folder.file("Ostrel7_user.mdb");
        QVERIFY(QFile::remove(userFile) && QFile::copy(seed().userDatabase(), userFile));
        QFile(userFile).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        plant(run, {tableName.constData(), columnName.constData()}, value);
        if (QTest::currentTestFailed())
            return;

        QVERIFY(run.start());
        frmHVACMain& form = run.form();
        auto& home = *form.home;
        QVERIFY(run.activate());
        // A remembered technician that cannot be read chooses none, and one without a name
        // is none: the user picks or adds one.
        if (home.cmbTechnician->currentIndex() < 0)
            home.cmbTechnician->setCurrentIndex(0);
        if (home.cmbTechnician->currentText().isEmpty())
            driving::addTechnician(form, QStringLiteral("Tess"));
        QVERIFY(driving::selectClient(form, seed().clientId));
        form.tabMain->setCurrentWidget(form.pageClientSurvey);
        QCOMPARE(form.tabMain->currentWidget(), form.pageClientSurvey);

        // The test list, the reloaded test and, when it could be computed, its reports.
        form.tabMain->setCurrentWidget(form.pageHouseLeakage);
        QCOMPARE(form.tabMain->currentWidget(), form.pageHouseLeakage);
        QTableWidget* tests = form.hl->fgdHLTestSelect;
        QCOMPARE(tests->rowCount(), 1);
        QVERIFY(!tests->item(0, 0)->text().isEmpty());
        tests->selectRow(0);
        const bool computed = !form.hl->txtActualLeakage->text().isEmpty();
        QCOMPARE(form.hl->cmdHLViewTechReport->isEnabled(), computed);
        if (computed) {
            QTest::mouseClick(form.hl->cmdHLViewClientReport, Qt::LeftButton);
            QTest::mouseClick(form.hl->cmdHLViewTechReport, Qt::LeftButton);
        }

        // The efficiency analyses, one reloaded, with the climate's design values.
        form.tabMain->setCurrentWidget(form.pageEfficiency);
        QCOMPARE(form.tabMain->currentWidget(), form.pageEfficiency);
        QTableWidget* analyses = form.dl->fgdDLTestSelect;
        QCOMPARE(analyses->rowCount(), 1);
        analyses->selectRow(0);
        QCOMPARE(form.session.mintCurrentDlaID, analyses->item(0, 0)->text().toInt());

        // The climate lists.
        {
            frmClimateSelection selection(*run.state, &form);
            frmClimateEdit editor(*run.state, &form);
            QCOMPARE(editor.currentZoneId(), seed().climateId);
            QCOMPARE(badShownNumber(&editor, value), QString());
        }

        QCOMPARE(run.unhandledErrors(), QStringList());
        QVERIFY(!run.programEnded());
        for (const QString& text : run.dialogs.messageTexts())
            QVERIFY2(!text.startsWith(QLatin1String("Run-time error")), qPrintable(text));
        for (QWidget* page : {form.pageClientSurvey, form.pageHouseLeakage, form.pageEfficiency})
            QCOMPARE(badShownNumber(page, value), QString());
        // A report that could not be computed said so; one that could is on screen.
        if (computed) {
            const bool told = run.dialogs.messageTexts().contains(ReportBuilder::ReportNotComputed);
            const bool shown = form.reports->reportWindow("drpTightTechnical") ||
                               form.reports->reportWindow("drpLooseTechnical");
            QVERIFY(told != shown);
        }
        run.close();
    }

    // A number the program writes into a box is one its checks take back: values stored by
    // another program reload in plain digits, or leave the box empty when they do not fit it,
    // and the analysis saves again.
    void numbersWrittenIntoBoxesAreAcceptedBack()
    {
        MainWindowFixture run;
        const QString userFile = run.folder.file("Ostrel7_user.mdb");
        QVERIFY(QFile::remove(userFile) && QFile::copy(seed().userDatabase(), userFile));
        QFile(userFile).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        plant(run, {"Duct Leak Analysis", "DlaSummerDesignGrainDifference"}, 1.5e40);
        plant(run, {"Duct Leak Analysis", "DlaSupplyLeaksSqIn"}, 2.5e-7);
        QVERIFY(run.start());
        frmHVACMain& form = run.form();
        QVERIFY(driving::selectClient(form, seed().clientId));
        form.tabMain->setCurrentWidget(form.pageEfficiency);
        form.dl->fgdDLTestSelect->selectRow(0);
        QCOMPARE(form.dl->txtDLSummerDesignGrainDifference->text(), QString());
        QCOMPARE(form.dl->txtDLSupplyLeaksSqIn->text(), QStringLiteral("0.00000025"));
        form.session.mblnDataChanged = true;
        QVERIFY(form.efficiency->DLSave());
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(driving::count(run.state->gcnnUser,
                                "SELECT COUNT(*) FROM [Duct Leak Analysis] WHERE "
                                "DlaSupplyLeaksSqIn = 2.5e-7"),
                 2);
        QCOMPARE(driving::count(run.state->gcnnUser,
                                "SELECT COUNT(*) FROM [Duct Leak Analysis] WHERE "
                                "DlaSummerDesignGrainDifference IS NULL"),
                 1);
    }

    // The fault that made a client's tests unreachable: house data that cannot be read
    // lists the test without results instead of ending the program.
    void unreadableHouseDataListsTheTestWithoutResults_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        for (const char* column : {"HltLivingArea", "HltAverageCeilingHeight", "HltBedrooms"}) {
            QTest::addRow("%s null", column) << QString::fromLatin1(column) << QVariant();
            QTest::addRow("%s text", column) << QString::fromLatin1(column) << QVariant("junk");
        }
    }
    void unreadableHouseDataListsTheTestWithoutResults()
    {
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        const QByteArray columnName = column.toLatin1();
        MainWindowFixture run;
        const QString userFile = run.folder.file("Ostrel7_user.mdb");
        QVERIFY(QFile::remove(userFile) && QFile::copy(seed().userDatabase(), userFile));
        QFile(userFile).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        plant(run, {"Clients", columnName.constData()}, value);
        QVERIFY(run.start());
        frmHVACMain& form = run.form();
        QVERIFY(driving::selectClient(form, seed().clientId));
        form.tabMain->setCurrentWidget(form.pageHouseLeakage);
        QCOMPARE(form.tabMain->currentWidget(), form.pageHouseLeakage);
        QTableWidget* tests = form.hl->fgdHLTestSelect;
        QCOMPARE(tests->rowCount(), 1);
        QCOMPARE(tests->item(0, 3)->text(), QStringLiteral("12"));
        QCOMPARE(tests->item(0, 4)->text(), QString());
        QCOMPARE(tests->item(0, 6)->text(), QString());
        QCOMPARE(run.unhandledErrors(), QStringList());
        VERIFY_DIALOGS_DONE(run.dialogs);
        QVERIFY(!run.programEnded());
    }
};

OSTREL_GUI_TEST_MAIN(TestStoredData)

#include "test_storeddata.moc"

// The House Leakage Test page: listing a client's 1,000 saved tests (each recomputed) beside a
// bare read of the same rows, and a full "Calculate" through the form.
#include "BenchSupport.h"
#include "Database.h"
#include "Dialogs.h"
#include "HouseLeakageTab.h"
#include "ListFunctions.h"
#include "MDIMain.h"
#include "Pages.h"
#include "ProgramState.h"
#include "frmHVACMain.h"
#include "ui_HomePage.h"
#include "ui_HouseLeakagePage.h"

#include <QApplication>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int SavedTests = 1000;

// One program run with a technician, a climate and two clients: one with 1,000 saved tests,
// one with none.
class Run
{
public:
    Run()
    {
        benchsupport::copyDatabases(m_dir.path());
        {
            QSqlDatabase db = openUserDatabase(m_dir.filePath("Ostrel7_user.mdb"), "benchsetup");
            execSql(db, "INSERT INTO Technicians (TechName) VALUES ('Pat Tester')");
            execSql(
                db,
                "INSERT INTO Settings (SettingName, SettingValue) VALUES ('MRUTechnician', '1')");
            execSql(
                db,
                "INSERT INTO UserClimates (ZoneState, ZoneCity, ZoneCountry, ZoneLBLClimateZone, "
                "ZoneWinterOutdoorDesignTemp, ZoneSummerOutdoorDesignTemp, "
                "ZoneSummerDesignGrainDifference) VALUES ('ZZ', 'Testville', 'USA', 2, 10, 90, "
                "30)");
            for (const char* name : {"Many Tests", "No Tests"})
                execSql(db,
                        "INSERT INTO Clients (ClientName, HltLivingArea, HltStories, "
                        "HltAverageCeilingHeight, "
                        "HltBedrooms, ZoneID) VALUES (?, 1500, 2, 8, 3, 'U1')",
                        {QString::fromLatin1(name)});
            db.transaction();
            for (int i = 0; i < SavedTests; ++i)
                execSql(db,
                        "INSERT INTO [House Leakage Tests] (ClientId, HltTestDate, TechName, "
                        "HltUserID, "
                        "HltTestType, HltDirection, HltGaugeLocation, hltWindFactor, "
                        "BlowerModelID, rangeid, "
                        "HltInsideTemp, HltOutsideTemp, HltHousePressure0, HltHousePressure1, "
                        "HltHousePressure2, "
                        "HltHousePressure3, HltFlowPressure0, HltFlowPressure1, HltFlowPressure2, "
                        "HltFlowPressure3) VALUES (1, ?, 'Pat Tester', ?, 0, 0, 0, 2, 2, 14, 70, "
                        "40, 50, 40, 30, "
                        "20, ?, 300, 205, 122)",
                        {QDateTime(QDate(2026, 1, 1), QTime(9, 0)).addSecs(i * 3600),
                         QString::number(i), 400 + i % 40});
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase("benchsetup");
        state = std::make_unique<ProgramState>(m_dir.path(), dialogs);
        window = std::make_unique<MDIMain>(*state);
        window->MDIForm_Load();
        window->show();
        QApplication::processEvents();
    }

    frmHVACMain& form() const { return *window->form(); }

    void openClient(int32_t clientId)
    {
        auto& home = *form().home;
        home.cmbClientSelect->setCurrentIndex(LocateComboItemData(home.cmbClientSelect, clientId));
        for (int i = 0; i < form().tabMain->count(); ++i)
            if (form().tabMain->tabText(i) == pages::HouseLeakage)
                form().tabMain->setCurrentIndex(i);
        QApplication::processEvents();
    }

    benchsupport::AnswerOk dialogs;
    std::unique_ptr<ProgramState> state;
    std::unique_ptr<MDIMain> window;

private:
    QTemporaryDir m_dir;
};

// Made in main, after the application object and gone before it.
Run* g_run = nullptr;
Run& run()
{
    return *g_run;
}

void BM_RefreshHLTests(benchmark::State& bench)
{
    Run& r = run();
    r.openClient(1);
    for (auto _ : bench) {
        QSqlQuery tests = r.form().houseLeakage->clientTests();
        r.form().houseLeakage->RefreshHLTests(tests);
    }
    bench.counters["rows"] = r.form().hl->fgdHLTestSelect->rowCount();
}
BENCHMARK(BM_RefreshHLTests)->Unit(benchmark::kMillisecond);

// The same rows read and every field touched, with nothing computed or shown.
void BM_BareQueryOfTests(benchmark::State& bench)
{
    Run& r = run();
    r.openClient(1);
    int rows = 0;
    for (auto _ : bench) {
        QSqlQuery tests = r.form().houseLeakage->clientTests();
        const int fields = tests.record().count();
        rows = 0;
        while (tests.next()) {
            for (int f = 0; f < fields; ++f)
                benchmark::DoNotOptimize(tests.value(f));
            ++rows;
        }
    }
    bench.counters["rows"] = rows;
}
BENCHMARK(BM_BareQueryOfTests)->Unit(benchmark::kMillisecond);

// A six-point test typed into the page of the client without tests.
void enterSixPoints(Run& r)
{
    r.openClient(2);
    auto& ui = *r.form().hl;
    auto& tab = *r.form().houseLeakage;
    ui.cmbHLRange->setCurrentIndex(LocateComboText(ui.cmbHLRange, "B0  = (Example fan B, open)"));
    bool cancel = false;
    tab.cmbHLRange_Validate(cancel);
    ui.txtHLInsideTemp->setText("70");
    ui.txtHLOutsideTemp->setText("40");
    const char* rows[6][2] = {{"50", "400"}, {"40", "300"}, {"30", "205"},
                              {"20", "122"}, {"15", "84"},  {"10", "49"}};
    for (size_t i = 0; i < 6; ++i) {
        tab.housePressure[i]->setText(rows[i][0]);
        tab.flowPressure[i]->setText(rows[i][1]);
    }
}

// Each iteration presses Calculate: check, compute, save, list.
void BM_CalculateThroughForm(benchmark::State& bench)
{
    Run& r = run();
    enterSixPoints(r);
    auto& ui = *r.form().hl;
    auto& tab = *r.form().houseLeakage;
    for (auto _ : bench) {
        ui.cmdHLCalculate->click();
        bench.PauseTiming();
        if (!tab.resultsCalculated())
            bench.SkipWithError("the calculation failed");
        // Keep the client's list at one test.
        execSql(r.state->gcnnUser, "DELETE FROM [House Leakage Tests] WHERE ClientId = 2");
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_CalculateThroughForm)->Unit(benchmark::kMicrosecond);

// The calculation alone, as a reloaded test runs it.
void BM_HLCalculateSilent(benchmark::State& bench)
{
    Run& r = run();
    enterSixPoints(r);
    auto& tab = *r.form().houseLeakage;
    for (auto _ : bench)
        if (!tab.HLCalculate(false))
            bench.SkipWithError("the calculation failed");
}
BENCHMARK(BM_HLCalculateSilent)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return benchsupport::runBenchmarks(argc, argv, [] {
        Run instance;
        g_run = &instance;
        benchmark::RunSpecifiedBenchmarks();
        g_run = nullptr;
    });
}

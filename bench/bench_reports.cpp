// The technical house leakage report of a calculated test: its one-row record built from the
// page, and the whole way to a PDF file (record, layout, painting).
#include "BenchSupport.h"
#include "ClientRecords.h"
#include "Database.h"
#include "Dialogs.h"
#include "HouseLeakageTab.h"
#include "MDIMain.h"
#include "ProgramState.h"
#include "ReportBuilder.h"
#include "Technicians.h"
#include "frmHVACMain.h"
#include "report/ReportLayout.h"
#include "report/ReportOutput.h"
#include "ui_HomePage.h"
#include "ui_HouseLeakagePage.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

// One program run with a client and a six-point test calculated on its page.
struct CalculatedRun
{
    QTemporaryDir dir;
    benchsupport::AnswerOk dialogs;
    std::unique_ptr<ProgramState> state;
    std::unique_ptr<MDIMain> window;

    CalculatedRun()
    {
        benchsupport::copyDatabases(dir.path());
        state = std::make_unique<ProgramState>(dir.path(), dialogs);
        window = std::make_unique<MDIMain>(*state);
        window->MDIForm_Load();
        frmHVACMain& form = *window->form();
        const QSqlDatabase& db = state->gcnnUser;
        execSql(db, "INSERT INTO Technicians (TechName) VALUES (?)", {"Daniel Reyes"});
        execSql(db,
                "INSERT INTO Clients (ClientName, ClientAddress, ClientCity, ClientState, "
                "HltLivingArea, HltStories, HltAverageCeilingHeight, HltBedrooms, ZoneID) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                {"Margaret O'Neill", "1452 Juniper Ridge Road", "Chicago", "IL", 1850, 2, 8.5, 3,
                 "57"});
        form.technicians->RefreshTechnician();
        form.home->cmbTechnician->setCurrentIndex(
            form.home->cmbTechnician->findText("Daniel Reyes"));
        form.clients->RefreshClientSelect();
        form.home->cmbClientSelect->setCurrentIndex(0);

        auto& hl = *form.hl;
        hl.cmbBlowerModel->setCurrentIndex(
            hl.cmbBlowerModel->findText("Example fan B (example calibration)"));
        hl.cmbHLRange->setCurrentIndex(hl.cmbHLRange->findText("B1  = (Example fan B, ring 1)"));
        hl.cmbHLTestType->setCurrentIndex(hl.cmbHLTestType->findData(0));
        hl.cmbHLTestDirection2->setCurrentIndex(hl.cmbHLTestDirection2->findData(0));
        hl.cmbHLWindFactor->setCurrentIndex(hl.cmbHLWindFactor->findData(2));
        hl.txtHLTestNum->setText("12");
        hl.txtHLInsideTemp->setText("68");
        hl.txtHLOutsideTemp->setText("41");
        hl.txtHLTestDateTime->setText("10/14/2024 9:30 am");
        const auto& house = form.houseLeakage->housePressure;
        const auto& fan = form.houseLeakage->flowPressure;
        const std::array<const char*, 6> housePa{"50", "45", "40", "35", "30", "25"};
        const std::array<const char*, 6> fanPa{"155", "136", "117", "97", "78", "60"};
        for (size_t i = 0; i < 6; ++i) {
            house[i]->setText(housePa[i]);
            fan[i]->setText(fanPa[i]);
        }
        if (!form.houseLeakage->HLCalculate(false))
            qFatal("the benchmark's test does not calculate");
    }
    ~CalculatedRun()
    {
        window.reset();
        state.reset();
    }
};

CalculatedRun& run()
{
    static CalculatedRun r;
    return r;
}

void BM_BuildTechnicalRecord(benchmark::State& bench)
{
    ReportBuilder& reports = *run().window->form()->reports;
    for (auto _ : bench)
        benchmark::DoNotOptimize(reports.BuildTechnicalReport());
}
BENCHMARK(BM_BuildTechnicalRecord)->Unit(benchmark::kMillisecond);

void BM_TechnicalReportToPdf(benchmark::State& bench)
{
    ReportBuilder& reports = *run().window->form()->reports;
    QTemporaryDir dir;
    const QString path = dir.filePath("technical.pdf");
    for (auto _ : bench) {
        const BuiltReport report = reports.BuildTechnicalReport();
        const auto layout =
            platform::ReportLayout::load(ReportBuilder::layoutResource(report.layout), report.row);
        benchmark::DoNotOptimize(platform::writeReportPdf(layout, report.row, path));
    }
    bench.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_TechnicalReportToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return benchsupport::runBenchmarks(argc, argv);
}

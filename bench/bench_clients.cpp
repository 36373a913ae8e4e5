// The client list and loading one client with 10,000 clients in the user database, each beside a
// bare query that reads the same rows.
#include "BenchSupport.h"
#include "ClientRecords.h"
#include "CurrentClimate.h"
#include "Database.h"
#include "Dialogs.h"
#include "MDIMain.h"
#include "ProgramState.h"
#include "Technicians.h"
#include "frmHVACMain.h"
#include "ui_HomePage.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int ClientCount = 10000;

// One program run on a folder whose user database holds the clients, shared by the benchmarks.
struct Run
{
    Run()
    {
        benchsupport::copyDatabases(dir.path());
        seed();
        state = std::make_unique<ProgramState>(dir.path(), dialogs);
        window = std::make_unique<MDIMain>(*state);
        window->MDIForm_Load();
        execSql(state->gcnnUser, "INSERT INTO Technicians (TechName) VALUES ('Tess')");
        form().technicians->RefreshTechnician();
        form().home->cmbTechnician->setCurrentIndex(0);
    }

    void seed()
    {
        {
            auto db = QSqlDatabase::addDatabase("QSQLITE", "seed");
            db.setDatabaseName(dir.filePath("Ostrel7_user.mdb"));
            db.open();
            db.transaction();
            QSqlQuery q(db);
            q.prepare("INSERT INTO Clients (ClientName, ClientAddress, ClientCity, ClientState, "
                      "ClientDateAdded, HltLivingArea, HltStories, StoriesText, "
                      "HltAverageCeilingHeight, HltBedrooms, SurveyHowLong0, SurveyYesNo3, "
                      "SurveyRoomName0, SurveyRoomComment0, ClientComments, ZoneID) "
                      "VALUES (?, ?, 'Boston', 'MA', ?, 1800, 1, '1.5 Stories', 8, 3, "
                      "'1 to 3 years', 'Yes', 'Kitchen', 'Drafty', 'Dog in yard', ?)");
            for (int i = 0; i < ClientCount; ++i) {
                q.addBindValue(QStringLiteral("Client %1")
                                   .arg((i * 7919) % ClientCount, 5, 10, QLatin1Char('0')));
                q.addBindValue(QStringLiteral("%1 Elm Street").arg(i));
                q.addBindValue(QDateTime({2024, 1, 1}, {9, 0}).addSecs(i * 600));
                q.addBindValue(QString::number(1 + i % 200));
                q.exec();
            }
            db.commit();
        }
        QSqlDatabase::removeDatabase("seed");
    }

    frmHVACMain& form() { return *window->form(); }

    benchsupport::AnswerOk dialogs;
    QTemporaryDir dir;
    std::unique_ptr<ProgramState> state;
    std::unique_ptr<MDIMain> window;
};

Run& run()
{
    static Run shared;
    return shared;
}

void BM_RefreshClientSelect(benchmark::State& bench)
{
    auto& form = run().form();
    for (auto _ : bench)
        form.clients->RefreshClientSelect();
    if (form.home->cmbClientSelect->count() != ClientCount)
        bench.SkipWithError("the list does not hold every client");
}
BENCHMARK(BM_RefreshClientSelect)->Unit(benchmark::kMillisecond);

void BM_BareClientListQuery(benchmark::State& bench)
{
    const QSqlDatabase& db = run().state->gcnnUser;
    for (auto _ : bench) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.exec("SELECT ClientName, ClientID FROM Clients ORDER BY ClientName, ClientID");
        QList<std::pair<QString, int>> rows;
        rows.reserve(ClientCount);
        while (q.next())
            rows.append({q.value(0).toString(), q.value(1).toInt()});
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_BareClientListQuery)->Unit(benchmark::kMillisecond);

void BM_cmbClientSelect_Click(benchmark::State& bench)
{
    auto& form = run().form();
    form.clients->RefreshClientSelect();
    QComboBox* list = form.home->cmbClientSelect;
    int index = 0;
    for (auto _ : bench) {
        // A different client each time: every selection loads a row.
        index = (index + 4099) % list->count();
        list->setCurrentIndex(index);
    }
}
BENCHMARK(BM_cmbClientSelect_Click)->Unit(benchmark::kMicrosecond);

void BM_BareClientRowQuery(benchmark::State& bench)
{
    const QSqlDatabase& db = run().state->gcnnUser;
    int id = 0;
    for (auto _ : bench) {
        id = (id + 4099) % ClientCount;
        QSqlQuery q(db);
        q.prepare("SELECT * FROM Clients WHERE ClientID = ?");
        q.addBindValue(id + 1);
        q.exec();
        q.next();
        QSqlRecord row = q.record();
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(BM_BareClientRowQuery)->Unit(benchmark::kMicrosecond);

// The part of loading a client that finds its climate among the climates, most used first.
void BM_SetCurrentClimate(benchmark::State& bench)
{
    auto& form = run().form();
    int zone = 0;
    for (auto _ : bench) {
        zone = (zone + 37) % 200;
        form.climate->SetCurrentClimate(QString::number(zone + 1));
    }
}
BENCHMARK(BM_SetCurrentClimate)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return benchsupport::runBenchmarks(argc, argv);
}

#pragma once

// A whole program run whose user database holds a technician and a client before it starts,
// for the tests that need to reach the pages beyond Home.

#include "Database.h"
#include "ListFunctions.h"
#include "MainWindowFixture.h"
#include "ProgramDriving.h"
#include "SeededProgram.h"
#include "frmHVACMain.h"
#include "ui_HomePage.h"

#include <QApplication>
#include <QComboBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

#include <cstdint>

namespace seeded {

inline const QString Technician = QStringLiteral("Pat Tech");
inline const QString Client = QStringLiteral("Ann Client");

using driving::count;
using driving::pageIndex;
using driving::shownPage;

struct Options
{
    bool technician = true;   // a technician exists and was the last one used
    bool client = true;       // a client exists
    bool selectClient = true; // and is selected after start-up
};

// The technician and the client of a seeded run.
inline void seedTechnicianAndClient(testsupport::SeededProgram& seed, const Options& options = {})
{
    if (options.technician)
        seed.technician(Technician);
    if (options.client)
        seed.client(Client, {{"ClientAddress", QStringLiteral("12 Elm Street")},
                             {"HltLivingArea", 1500},
                             {"HltStories", 0},
                             {"StoriesText", QStringLiteral("1 Story")},
                             {"HltAverageCeilingHeight", 8},
                             {"HltBedrooms", 3},
                             {"ZoneID", QStringLiteral("")}});
}

// Seeds the database, starts the program, selects the client. The ids of the seeded rows
// are kept in techId and clientId.
struct Run
{
    MainWindowFixture run;
    int32_t techId = -1;
    int32_t clientId = -1;

    bool start(Options options = {})
    {
        {
            testsupport::SeededProgram seed(run.folder);
            seedTechnicianAndClient(seed, options);
            techId = seed.techId();
            clientId = seed.clientId();
        }
        if (!run.start())
            return false;
        bool ok = run.activate();
        if (options.client && options.selectClient) {
            QComboBox* list = form().home->cmbClientSelect;
            list->setCurrentIndex(LocateComboItemData(list, clientId));
            ok = ok && list->currentIndex() >= 0 && run.form().session.gintClientID() == clientId;
        }
        return ok;
    }

    frmHVACMain& form() const { return run.form(); }
    ScriptedDialogs& dialogs() { return run.dialogs; }
    const QSqlDatabase& db() const { return run.state->gcnnUser; }

    // Shows a page as a click on its tab would.
    void show(const QString& caption)
    {
        form().tabMain->setCurrentIndex(pageIndex(form(), caption));
    }
};

} // namespace seeded

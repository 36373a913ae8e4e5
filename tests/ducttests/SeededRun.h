#pragma once

// A whole program run whose user database holds a technician and a client before it starts,
// for the tests that need to reach the pages beyond Home.

#include "Database.h"
#include "ListFunctions.h"
#include "MainWindowFixture.h"
#include "frmHVACMain.h"
#include "ui_HomePage.h"

#include <QApplication>
#include <QComboBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

#include <cstdint>
#include <functional>

namespace seeded {

inline const QString Technician = QStringLiteral("Pat Tech");
inline const QString Client = QStringLiteral("Ann Client");

// Runs statements on the run's user database file on a connection of its own.
inline void write(MainWindowFixture& run, const std::function<void(const QSqlDatabase&)>& work)
{
    const QString name = QStringLiteral("seed");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(run.folder.file(QStringLiteral("Ostrel7_user.mdb")));
        QVERIFY(db.open());
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

inline int count(const QSqlDatabase& db, const QString& sql,
                 std::initializer_list<QVariant> values = {})
{
    QSqlQuery q = execSql(db, sql, values);
    return q.next() ? q.value(0).toInt() : -1;
}

inline int pageIndex(const frmHVACMain& form, const QString& caption)
{
    for (int i = 0; i < form.tabMain->count(); ++i)
        if (form.tabMain->tabText(i) == caption)
            return i;
    return -1;
}

inline QString shownPage(const frmHVACMain& form)
{
    return form.tabMain->tabText(form.tabMain->currentIndex());
}

inline bool activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

struct Options
{
    bool technician = true;   // a technician exists and was the last one used
    bool client = true;       // a client exists
    bool selectClient = true; // and is selected after start-up
};

// Seeds the database, starts the program, selects the client. The ids of the seeded rows
// are kept in techId and clientId.
struct Run
{
    MainWindowFixture run;
    int32_t techId = -1;
    int32_t clientId = -1;

    bool start(Options options = {})
    {
        bool ok = true;
        write(run, [&](const QSqlDatabase& db) {
            if (options.technician) {
                techId =
                    execSql(db, QStringLiteral("INSERT INTO Technicians (TechName) VALUES (?)"),
                            {Technician})
                        .lastInsertId()
                        .toInt();
                execSql(db,
                        QStringLiteral("INSERT INTO Settings (SettingName, SettingValue) "
                                       "VALUES ('MRUTechnician', ?)"),
                        {QString::number(techId)});
            }
            if (options.client) {
                clientId = execSql(db,
                                   QStringLiteral("INSERT INTO Clients (ClientName, ClientAddress, "
                                                  "HltLivingArea, HltStories, StoriesText, "
                                                  "HltAverageCeilingHeight, HltBedrooms, ZoneID) "
                                                  "VALUES (?, ?, 1500, 0, '1 Story', 8, 3, '')"),
                                   {Client, QStringLiteral("12 Elm Street")})
                               .lastInsertId()
                               .toInt();
            }
        });
        if (!run.start())
            return false;
        ok = activate(run.window.get());
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

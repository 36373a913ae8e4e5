#pragma once

// A whole program run with one client and a blower door test typed into the House Leakage
// Test page, ready for "Calculate" and the reports.

#include "ClientRecords.h"
#include "Database.h"
#include "HouseLeakageTab.h"
#include "MainWindowFixture.h"
#include "ReportBuilder.h"
#include "SeededProgram.h"
#include "Settings.h"
#include "Technicians.h"
#include "ui_ClientSurveyPage.h"
#include "ui_HomePage.h"
#include "ui_HouseLeakagePage.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <array>

namespace blowerdoor {

using platform::MsgResult;

// A blower door test as typed into the page: fan B of the supplied models, six data sets of
// house pressure and fan pressure.
struct Readings
{
    QString range;
    std::array<QString, 6> house;
    std::array<QString, 6> fan;
};

// A house that leaks less than its optimum: Tight.
inline Readings tightReadings()
{
    return {"B1  = (Example fan B, ring 1)",
            {"50", "45", "40", "35", "30", "25"},
            {"155", "136", "117", "97", "78", "60"}};
}

// The same readings on the open fan move three times the air: Loose.
inline Readings looseReadings()
{
    Readings r = tightReadings();
    r.range = "B0  = (Example fan B, open)";
    return r;
}

inline bool selectText(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    list->setCurrentIndex(index);
    return index >= 0;
}

inline bool selectData(QComboBox* list, int code)
{
    const int index = list->findData(code);
    list->setCurrentIndex(index);
    return index >= 0;
}

// Starts the run with a technician and a client in Chicago chosen, on the House Leakage page.
// The company texts are set up as an installation would.
inline bool startWithClient(MainWindowFixture& run,
                            const QString& clientName = "Margaret \"Peg\" O'Neill")
{
    if (!run.start())
        return false;
    frmHVACMain& form = run.form();
    const QSqlDatabase& db = run.state->gcnnUser;
    testsupport::SeededProgram(db)
        .technician(QStringLiteral("Daniel Reyes"), false)
        .client(clientName, {{"ClientAddress", QStringLiteral("1452 Juniper Ridge Road")},
                             {"ClientCity", QStringLiteral("Chicago")},
                             {"ClientState", QStringLiteral("IL")},
                             {"HltLivingArea", 1850},
                             {"HltStories", 2},
                             {"StoriesText", QStringLiteral("2 Stories")},
                             {"HltAverageCeilingHeight", 8.5},
                             {"HltBedrooms", 3},
                             {"ZoneID", QStringLiteral("57")}});
    SaveAppSetting(db, "CompanyName", "Smith && Sons Home Performance");
    SaveAppSetting(db, "CompanyLocation", "Loveland, Colorado");
    form.technicians->RefreshTechnician();
    if (!selectText(form.home->cmbTechnician, "Daniel Reyes"))
        return false;
    form.clients->RefreshClientSelect();
    QComboBox* clients = form.home->cmbClientSelect;
    if (clients->count() < 1)
        return false;
    clients->setCurrentIndex(clients->findText(clientName, Qt::MatchStartsWith));
    form.tabMain->setCurrentWidget(form.pageHouseLeakage);
    return clients->currentIndex() >= 0;
}

// Types the test into the page: multi-point, depressurized from inside, normal suburban.
inline bool enterTest(frmHVACMain& form, const Readings& readings, const QString& testNumber = "12")
{
    auto& hl = *form.hl;
    if (!selectText(hl.cmbBlowerModel, "Example fan B (example calibration)"))
        return false;
    if (!selectText(hl.cmbHLRange, readings.range))
        return false;
    selectData(hl.cmbHLTestType, 0);
    selectData(hl.cmbHLTestDirection2, 0);
    selectData(hl.cmbHLWindFactor, 2);
    hl.txtHLTestNum->setText(testNumber);
    hl.txtHLInsideTemp->setText("68");
    hl.txtHLOutsideTemp->setText("41");
    hl.txtHLTestDateTime->setText("10/14/2024 9:30 am");
    const auto& house = form.houseLeakage->housePressure;
    const auto& fan = form.houseLeakage->flowPressure;
    for (size_t i = 0; i < 6; ++i) {
        house[i]->setText(readings.house[i]);
        fan[i]->setText(readings.fan[i]);
    }
    return true;
}

// Presses "Calculate"; true when the results stand on the page.
inline bool calculate(frmHVACMain& form)
{
    QTest::mouseClick(form.hl->cmdHLCalculate, Qt::LeftButton);
    return form.hl->cmdHLViewClientReport->isEnabled() &&
           !form.hl->txtActualLeakage->text().isEmpty();
}

} // namespace blowerdoor

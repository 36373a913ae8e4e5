#pragma once

// A whole program run with one technician and one client whose house and climate are known,
// driven on the House Leakage Test page.

#include "Database.h"
#include "HouseLeakageTab.h"
#include "ListFunctions.h"
#include "MainWindowFixture.h"
#include "Pages.h"
#include "ProgramDriving.h"
#include "SeededProgram.h"
#include "ui_ClientSurveyPage.h"
#include "ui_HomePage.h"
#include "ui_HouseLeakagePage.h"

#include <QApplication>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

using platform::MsgResult;

struct HouseSetup
{
    int livingArea = 1500;
    int storiesCode = 2; // "2 Stories"
    double ceiling = 8;
    double bedrooms = 3;
    testsupport::UserClimate climate{.grain = 30};
};

class HLRun
{
public:
    MainWindowFixture run;
    int32_t clientId = -1;

    // Starts the program with the client selected and the House Leakage Test page open.
    bool start(const HouseSetup& house = {})
    {
        {
            testsupport::SeededProgram seed(run.folder);
            seed.technician(QStringLiteral("Pat Tester")).climate(house.climate);
            seed.client(QStringLiteral("Test House"), {{"HltLivingArea", house.livingArea},
                                                       {"HltStories", house.storiesCode},
                                                       {"StoriesText", QString()},
                                                       {"HltAverageCeilingHeight", house.ceiling},
                                                       {"HltBedrooms", house.bedrooms},
                                                       {"ZoneID", seed.climateUniqueId()}});
            clientId = seed.clientId();
        }
        if (!run.start() || !run.activate())
            return false;
        auto& home = *form().home;
        const int client = LocateComboItemData(home.cmbClientSelect, clientId);
        if (client < 0 || home.cmbTechnician->currentIndex() < 0)
            return false;
        home.cmbClientSelect->setCurrentIndex(client);
        if (form().session.gintClientID() != clientId)
            return false;
        openPage();
        return driving::shownPage(form()) == pages::HouseLeakage;
    }

    frmHVACMain& form() const { return run.form(); }
    Ui::HouseLeakagePage& ui() const { return *form().hl; }
    HouseLeakageTab& tab() const { return *form().houseLeakage; }
    QSqlDatabase db() const { return run.state->gcnnUser; }

    void openPage()
    {
        form().tabMain->setCurrentIndex(driving::pageIndex(form(), pages::HouseLeakage));
    }

    // As the technician does it: into the box, type, and on to the next.
    void type(QLineEdit* box, const QString& text)
    {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
    }

    void choose(QComboBox* list, const QString& text)
    {
        list->setFocus(Qt::TabFocusReason);
        const int index = LocateComboText(list, text);
        QVERIFY2(index >= 0, qPrintable(text));
        list->setCurrentIndex(index);
    }

    // Leaves the box that has the focus for a neutral one.
    void leave() { ui().cmbHLWindFactor->setFocus(Qt::TabFocusReason); }

    void chooseModelAndRange(const QString& model, const QString& range)
    {
        choose(ui().cmbBlowerModel, model);
        choose(ui().cmbHLRange, range);
        leave();
    }

    // Types the data sets: {house, flow} or {house, flow, flow2} per row; an empty text
    // leaves the box empty.
    void typeRows(const QList<QStringList>& rows, const std::array<QLineEdit*, 6>* second = nullptr)
    {
        const auto& t = tab();
        for (int i = 0; i < rows.size(); ++i) {
            type(t.housePressure[size_t(i)], rows[i].value(0));
            type(second ? (*second)[size_t(i)] : t.flowPressure[size_t(i)], rows[i].value(1));
            if (rows[i].size() > 2)
                type(t.flowPressure2[size_t(i)], rows[i].value(2));
        }
    }

    void clickCalculate() { QTest::mouseClick(ui().cmdHLCalculate, Qt::LeftButton); }

    int count(const QString& sql, std::initializer_list<QVariant> values = {}) const
    {
        return driving::count(db(), sql, values);
    }
};

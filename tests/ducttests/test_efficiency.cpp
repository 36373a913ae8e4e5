// The Efficiency Analysis page on the real form: its checks and messages, the heat-pump
// relabelling, the type-ahead, the total leakage, clearing, and saving, listing and reloading.
#include "EfficiencyTab.h"
#include "GuiTestMain.h"
#include "Pages.h"
#include "ProgramState.h"
#include "SeededRun.h"
#include "ui_EfficiencyPage.h"
#include "vbdate.h"
#include "vbformat.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

// A run shown on the Efficiency Analysis page, ready for a gas furnace analysis.
struct Page
{
    seeded::Run s;
    Ui::EfficiencyPage* dl = nullptr;

    bool open()
    {
        if (!s.start())
            return false;
        s.show(pages::Efficiency);
        dl = s.form().dl.get();
        return seeded::shownPage(s.form()) == pages::Efficiency;
    }
    frmHVACMain& form() { return s.form(); }
    ScriptedDialogs& dialogs() { return s.dialogs(); }
    EfficiencyTab& tab() { return *s.form().efficiency; }

    // Types into a box as a user would: the box takes the focus (selecting its text) and
    // the typing replaces the text.
    void type(QWidget* field, const QString& text)
    {
        field->setFocus();
        QLineEdit* edit = qobject_cast<QLineEdit*>(field);
        if (!edit)
            edit = static_cast<QComboBox*>(field)->lineEdit();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    // Leaves the box by Tab; true when the focus went on.
    bool leave(QWidget* field)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        return !(focus == field || field->isAncestorOf(focus));
    }
    void fillValidAnalysis()
    {
        dl->txtDLTestDateTime->setText(QStringLiteral("12/10/2026 3:05 pm"));
        dl->txtDLTestNum->setText(QStringLiteral("7"));
        dl->txtDLSystemDescription->setText(QStringLiteral("Basement furnace"));
        dl->cmbDLPrimaryHeat->setCurrentIndex(0);
        dl->txtDLTotalBtuInput->setText(QStringLiteral("80000"));
        dl->txtDLTotalCoolingTons->setText(QStringLiteral("2.5"));
        dl->txtDLSupplyLeaksSqIn->setText(QStringLiteral("12.5"));
        dl->txtDLReturnLeaksSqIn->setText(QStringLiteral("7.5"));
        dl->cmbDLReturnLeaks->setCurrentIndex(1);
        dl->cmbDLAtticRoofCoolingFactor->setCurrentIndex(2);
        dl->txtDLWinterOutDesignTemp->setText(QStringLiteral("-5"));
        dl->txtDLSummerOutDesignTemp->setText(QStringLiteral("95"));
        dl->txtDLSummerDesignGrainDifference->setText(QStringLiteral("33.5"));
    }
    bool resultsEmpty() const
    {
        const auto& t = *s.form().efficiency;
        for (std::size_t i = 0; i < t.atxtDLACSeer.size(); ++i)
            if (!t.atxtDLACSeer[i]->text().isEmpty() ||
                !t.atxtDLACEfficiency[i]->text().isEmpty() ||
                !t.atxtDLHeatSourceRating[i]->text().isEmpty() ||
                !t.atxtDLHeatingEfficiency[i]->text().isEmpty())
                return false;
        for (const QLineEdit* box :
             {dl->txtDLPeakCoolingLoss, dl->txtDLPeakCoolingLossPercent, dl->txtDLPeakHeatingLoss,
              dl->txtDLPeakHeatingLossPercent, dl->txtDLACSEERDegrade, dl->txtDLHeatingDegrade})
            if (!box->text().isEmpty())
                return false;
        return !dl->cmdDLViewReport->isEnabled() && !dl->cmdPrintEffReport->isEnabled();
    }
};

QWidget* control(Ui::EfficiencyPage* dl, const QString& name)
{
    return dl->txtDLTestDateTime->window()->findChild<QWidget*>(name);
}

} // namespace

class TestEfficiency : public QObject
{
    Q_OBJECT
private slots:
    void checks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<bool>("appTitle");
        QTest::addColumn<QString>("shown"); // the box's text afterwards

        const QString furnaceEmpty = "A Total Furnace Input value must be entered.";
        const QString furnaceNumber = "A number from 20,000 to 600,000 is required.";
        const QString furnaceRange = "Value should be from 20,000 to 600,000.";
        QTest::newRow("furnace empty") << "txtDLTotalBtuInput"
                                       << "" << furnaceEmpty << true << "";
        QTest::newRow("furnace letters") << "txtDLTotalBtuInput"
                                         << "abc" << furnaceNumber << true << "abc";
        QTest::newRow("furnace 20000") << "txtDLTotalBtuInput"
                                       << "20000"
                                       << "" << false << "20,000";
        QTest::newRow("furnace 600000") << "txtDLTotalBtuInput"
                                        << "600000"
                                        << "" << false << "600,000";
        QTest::newRow("furnace 19999.5") << "txtDLTotalBtuInput"
                                         << "19999.5"
                                         << "" << false << "20,000";
        QTest::newRow("furnace 600001") << "txtDLTotalBtuInput"
                                        << "600001" << furnaceRange << false << "600,001";
        QTest::newRow("furnace 999") << "txtDLTotalBtuInput"
                                     << "999" << furnaceRange << false << "999";
        QTest::newRow("furnace beyond 32 bits")
            << "txtDLTotalBtuInput"
            << "99999999999" << furnaceRange << false << "99999999999";

        const QString tonsEmpty = "A Total Cooling Tons value must be entered.";
        const QString number = "A number is required.";
        const QString positive = "Value should be positive";
        const QString largest = "50 is the largest acceptable value.";
        QTest::newRow("tons empty") << "txtDLTotalCoolingTons"
                                    << "" << tonsEmpty << true << "";
        QTest::newRow("tons letters") << "txtDLTotalCoolingTons"
                                      << "two" << number << true << "two";
        QTest::newRow("tons 0") << "txtDLTotalCoolingTons"
                                << "0"
                                << "" << false << "0";
        QTest::newRow("tons 50.4") << "txtDLTotalCoolingTons"
                                   << "50.4"
                                   << "" << false << "50.4";
        QTest::newRow("tons 50.5 rounds to even") << "txtDLTotalCoolingTons"
                                                  << "50.5"
                                                  << "" << false << "50.5";
        QTest::newRow("tons -0.4") << "txtDLTotalCoolingTons"
                                   << "-0.4"
                                   << "" << false << "-0.4";
        QTest::newRow("tons -0.6") << "txtDLTotalCoolingTons"
                                   << "-0.6" << positive << false << "-0.6";
        QTest::newRow("tons 50.6") << "txtDLTotalCoolingTons"
                                   << "50.6" << largest << false << "50.6";
        QTest::newRow("tons beyond 16 bits") << "txtDLTotalCoolingTons"
                                             << "40000" << largest << false << "40000";
        QTest::newRow("tons below 16 bits") << "txtDLTotalCoolingTons"
                                            << "-40000" << positive << false << "-40000";

        QTest::newRow("supply empty")
            << "txtDLSupplyLeaksSqIn"
            << ""
            << "A Supply Duct Leakage value must be entered." << true << "";
        QTest::newRow("supply exponent") << "txtDLSupplyLeaksSqIn"
                                         << "1e3" << number << true << "1e3";
        QTest::newRow("supply 12.5") << "txtDLSupplyLeaksSqIn"
                                     << "12.5"
                                     << "" << false << "12.5";
        QTest::newRow("return empty")
            << "txtDLReturnLeaksSqIn"
            << ""
            << "A Return Duct Leakage value must be entered." << true << "";
        QTest::newRow("return letters") << "txtDLReturnLeaksSqIn"
                                        << "abc" << number << true << "abc";

        QTest::newRow("date empty")
            << "txtDLTestDateTime"
            << ""
            << "A date and time must be entered - use mm/dd/yyyy HH:MM format." << true << "";
        QTest::newRow("date day first")
            << "txtDLTestDateTime"
            << "13/10/2026"
            << "A valid date and time must be entered - use mm/dd/yyyy HH:MM format." << true
            << "13/10/2026";
        QTest::newRow("date ok") << "txtDLTestDateTime"
                                 << "12/10/2026 3:05 pm"
                                 << "" << false << "12/10/2026 3:05 pm";

        QTest::newRow("description quotes") << "txtDLSystemDescription"
                                            << "Attic \"big\" unit"
                                            << "" << false << "Attic 'big' unit";

        const QString fromList = "'Return leaks draw from' must be selected from the list.";
        QTest::newRow("return leaks typed") << "cmbDLReturnLeaks"
                                            << "Garage"
                                            << "" << false << "Garage";
        QTest::newRow("return leaks case") << "cmbDLReturnLeaks"
                                           << "garage" << fromList << false << "garage";
        QTest::newRow("return leaks empty") << "cmbDLReturnLeaks"
                                            << "" << fromList << false << "";
        QTest::newRow("primary heat no match")
            << "cmbDLPrimaryHeat"
            << "x"
            << "A 'Primary heating system' must be selected." << false << "x";
    }
    void checks()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, appTitle);
        QFETCH(QString, shown);

        Page p;
        QVERIFY(p.open());
        p.dl->cmbDLPrimaryHeat->setCurrentIndex(0); // gas furnace
        QWidget* box = control(p.dl, field);
        QVERIFY(box);
        p.type(box, typed);
        if (!message.isEmpty())
            p.dialogs().expect(MsgResult::OK, message);
        const bool left = p.leave(box);
        VERIFY_DIALOGS_DONE(p.dialogs());
        QCOMPARE(left, message.isEmpty());
        if (!message.isEmpty()) {
            const auto b = p.dialogs().lastBox();
            QCOMPARE(b.text, message);
            QCOMPARE(b.buttons, MsgButtons::OK);
            QCOMPARE(b.icon, MsgIcon::None);
            QCOMPARE(b.title, appTitle ? ProgramState::title() : QString());
        }
        const QString text = qobject_cast<QLineEdit*>(box)
                                 ? static_cast<QLineEdit*>(box)->text()
                                 : static_cast<QComboBox*>(box)->currentText();
        QCOMPARE(text, shown);
        QVERIFY(!p.s.run.programEnded());
    }

    void heatPumpEmptiesAndDisablesFurnaceInput()
    {
        Page p;
        QVERIFY(p.open());
        auto* dl = p.dl;
        dl->cmbDLPrimaryHeat->setCurrentIndex(0);
        dl->txtDLTotalBtuInput->setText(QStringLiteral("80,000"));
        dl->cmbDLPrimaryHeat->setCurrentIndex(4);
        QCOMPARE(dl->txtDLTotalBtuInput->text(), QString());
        QVERIFY(!dl->txtDLTotalBtuInput->isEnabled());
        QVERIFY(!dl->zlblDLTotalBtuInput->isEnabled());
        QVERIFY(!dl->zlblDLTotalBtuInputUnit->isEnabled());
        QCOMPARE(dl->zlblDLHeatingDegrade->text(), QStringLiteral("COP @ 35°F"));
        QVERIFY(dl->zlblDLHeatingDegradeUnit->isHidden());
        QCOMPARE(dl->zlblDLHeatSourceHeader->text(), QStringLiteral("Heat Pump"));
        QVERIFY(dl->zlblDLFurnaceRating->isHidden());
        QVERIFY(!dl->zlblDLHeatPumpRating->isHidden());
        // A heat pump analysis needs no furnace input.
        QVERIFY(p.form().validation.runCheck(dl->txtDLTotalBtuInput));

        dl->cmbDLPrimaryHeat->setCurrentIndex(1);
        QVERIFY(dl->txtDLTotalBtuInput->isEnabled());
        QCOMPARE(dl->txtDLTotalBtuInput->text(), QString());
        QVERIFY(dl->zlblDLTotalBtuInput->isEnabled());
        QCOMPARE(dl->zlblDLHeatingDegrade->text(), QStringLiteral("AFUE"));
        QVERIFY(!dl->zlblDLHeatingDegradeUnit->isHidden());
        QCOMPARE(dl->zlblDLHeatSourceHeader->text(), QStringLiteral("Furnace"));
        QVERIFY(!dl->zlblDLFurnaceRating->isHidden());
        QVERIFY(dl->zlblDLHeatPumpRating->isHidden());
        VERIFY_DIALOGS_DONE(p.dialogs());
    }

    void typeAhead_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("h") << "h" << 4 << "Heat pump";
        QTest::newRow("H") << "H" << 4 << "Heat pump";
        QTest::newRow("he, typed on") << "he" << 4 << "Heat pump";
        QTest::newRow("e") << "e" << 3 << "Electric furnace";
        QTest::newRow("o") << "o" << 1 << "Oil furnace";
        QTest::newRow("no match") << "x" << -1 << "x";
        QTest::newRow("match, then none") << "gx" << -1 << "Gx";
    }
    void typeAhead()
    {
        QFETCH(QString, typed);
        QFETCH(int, position);
        QFETCH(QString, text);
        Page p;
        QVERIFY(p.open());
        QVERIFY(!p.form().session.mblnDataChanged);
        p.type(p.dl->cmbDLPrimaryHeat, typed);
        QCOMPARE(p.dl->cmbDLPrimaryHeat->currentIndex(), position);
        QCOMPARE(p.dl->cmbDLPrimaryHeat->currentText(), text);
        QVERIFY(p.form().session.mblnDataChanged);
        // The heat pump relabelling follows what the typing selected.
        QCOMPARE(p.dl->txtDLTotalBtuInput->isEnabled(), position != 4);
    }

    void totalLeakageIsSupplyPlusReturn()
    {
        Page p;
        QVERIFY(p.open());
        p.dl->cmbDLReturnLeaks->setCurrentIndex(0);
        p.type(p.dl->txtDLSupplyLeaksSqIn, QStringLiteral("12.5"));
        QVERIFY(p.leave(p.dl->txtDLSupplyLeaksSqIn));
        QCOMPARE(p.dl->txtDLTotalLeaksSqIn->text(), QString()); // no return leakage yet
        p.type(p.dl->txtDLReturnLeaksSqIn, QStringLiteral("7.5"));
        QVERIFY(p.leave(p.dl->txtDLReturnLeaksSqIn));
        QCOMPARE(p.dl->txtDLTotalLeaksSqIn->text(), QStringLiteral("20.0"));
        p.type(p.dl->txtDLSupplyLeaksSqIn, QStringLiteral("1,000"));
        QVERIFY(p.leave(p.dl->txtDLSupplyLeaksSqIn));
        QCOMPARE(p.dl->txtDLTotalLeaksSqIn->text(), QStringLiteral("1,007.5"));
        VERIFY_DIALOGS_DONE(p.dialogs());
    }

    void dateNowAndClearing()
    {
        Page p;
        QVERIFY(p.open());
        auto* dl = p.dl;
        p.fillValidAnalysis();
        dl->txtDLTestDateTime->clear();
        QTest::mouseClick(dl->DLDateNow, Qt::LeftButton);
        const auto stamped = vbrt::parseDate(dl->txtDLTestDateTime->text());
        QVERIFY(stamped);
        QVERIFY(qAbs(stamped->secsTo(QDateTime::currentDateTime())) < 120);
        QVERIFY(dl->txtDLTestDateTime->text().endsWith(QStringLiteral("am")) ||
                dl->txtDLTestDateTime->text().endsWith(QStringLiteral("pm")));

        p.form().session.mblnDataChanged = true;
        p.tab().ClearDLATab();
        QVERIFY(vbrt::isDate(dl->txtDLTestDateTime->text()));
        QCOMPARE(dl->cmbDLAtticRoofCoolingFactor->currentIndex(), 0);
        QCOMPARE(dl->txtDLTotalBtuInput->text(), QString());
        QCOMPARE(dl->txtDLSystemDescription->text(), QString());
        QCOMPARE(dl->txtDLTotalCoolingTons->text(), QString());
        QCOMPARE(QApplication::focusWidget(), dl->txtDLSystemDescription);
        QVERIFY(p.resultsEmpty());
        QVERIFY(!p.tab().mblnDLResultsShown);
        QCOMPARE(p.form().session.mintCurrentDlaID, -1);
        // The leak boxes stay; their total is cleared with the results, and comes back when
        // a leak box is entered again.
        QCOMPARE(dl->txtDLSupplyLeaksSqIn->text(), QStringLiteral("12.5"));
        QCOMPARE(dl->txtDLTotalLeaksSqIn->text(), QString());
        dl->txtDLSupplyLeaksSqIn->setFocus();
        QVERIFY(p.leave(dl->txtDLSupplyLeaksSqIn));
        QCOMPARE(dl->txtDLTotalLeaksSqIn->text(), QStringLiteral("20.0"));
        VERIFY_DIALOGS_DONE(p.dialogs());
    }

    void enteringFillsTheClimatesDesignValues()
    {
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        // The climate current at start-up, or the most used one.
        const QString climate = form.session.mstrClimateUniqueID();
        QSqlQuery q = execSql(
            s.db(),
            QStringLiteral(
                "SELECT UniqueID, ZoneWinterOutdoorDesignTemp, ZoneSummerOutdoorDesignTemp, "
                "ZoneSummerDesignGrainDifference FROM [Climates by prevalence]") +
                (climate.isEmpty() ? QStringLiteral(" LIMIT 1")
                                   : QStringLiteral(" WHERE UniqueID = ?")),
            climate.isEmpty() ? std::initializer_list<QVariant>{}
                              : std::initializer_list<QVariant>{climate});
        QVERIFY(q.next());
        ClimateValues current = form.session.climate();
        current.uniqueId = q.value(0).toString();
        form.session.setClimate(current);
        s.show(pages::Efficiency);
        QCOMPARE(form.dl->txtDLWinterOutDesignTemp->text(), vbrt::cstr(q.value(1).toDouble()));
        QCOMPARE(form.dl->txtDLSummerOutDesignTemp->text(), vbrt::cstr(q.value(2).toDouble()));
        QCOMPARE(form.dl->txtDLSummerDesignGrainDifference->text(),
                 vbrt::cstr(q.value(3).toDouble()));
        QVERIFY(vbrt::isDate(form.dl->txtDLTestDateTime->text()));
        QVERIFY(!form.session.mblnDataChanged);
        QVERIFY(!form.dl->fgdDLTestSelect->isEnabled()); // nothing saved yet
        VERIFY_DIALOGS_DONE(s.dialogs());
    }

    void saveListAndReload()
    {
        Page p;
        QVERIFY(p.open());
        auto* dl = p.dl;
        p.fillValidAnalysis();
        QTest::mouseClick(dl->cmdDLSave, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(p.dialogs());

        QSqlQuery row = execSql(p.s.db(), QStringLiteral("SELECT * FROM [Duct Leak Analysis]"));
        QVERIFY(row.next());
        auto field = [&row](const char* name) { return row.value(QLatin1String(name)); };
        QCOMPARE(field("ClientID").toInt(), p.s.clientId);
        QCOMPARE(field("DlaTestDate").toDateTime(), QDateTime(QDate(2026, 12, 10), QTime(15, 5)));
        QCOMPARE(field("TechName").toString(), seeded::Technician);
        QCOMPARE(field("DlaUserID").toString(), QStringLiteral("7"));
        QCOMPARE(field("DlaSystemDescription").toString(), QStringLiteral("Basement furnace"));
        QCOMPARE(field("DlaPrimaryHeat").toInt(), 0);
        QCOMPARE(field("DlaTotalBtuInput").toInt(), 80000);
        QCOMPARE(field("DlaTotalCoolingTons").toDouble(), 2.5);
        QCOMPARE(field("DlaSupplyLeaksSqIn").toDouble(), 12.5);
        QCOMPARE(field("DlaReturnLeaksSqIn").toDouble(), 7.5);
        QCOMPARE(field("DlaReturnLeaks").toInt(), 1);
        QCOMPARE(field("DlaAtticRoofCoolingFactor").toInt(), 30);
        QCOMPARE(field("DlaWinterOutDesignTemp").toDouble(), -5.0);
        QCOMPARE(field("DlaSummerOutDesignTemp").toDouble(), 95.0);
        QCOMPARE(field("DlaSummerDesignGrainDifference").toDouble(), 33.5);
        const int id = field("DlaID").toInt();
        QVERIFY(!row.next());
        QCOMPARE(p.form().session.mintCurrentDlaID, id);
        QVERIFY(!p.form().session.mblnDataChanged);
        QVERIFY(p.resultsEmpty());

        // Listed, and highlighted without being loaded again.
        QTableWidget* grid = dl->fgdDLTestSelect;
        QVERIFY(grid->isEnabled());
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("12/10/26 15:05"));
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("7"));
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("Basement furnace"));
        QVERIFY(grid->item(0, 1)->isSelected());

        // A heat pump analysis is a second row, with no furnace input.
        dl->cmbDLPrimaryHeat->setCurrentIndex(4);
        dl->txtDLTestNum->setText(QStringLiteral("8"));
        QVERIFY(p.tab().DLSave());
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(seeded::count(p.s.db(),
                               QStringLiteral("SELECT COUNT(*) FROM [Duct Leak Analysis] WHERE "
                                              "DlaTotalBtuInput IS NULL AND DlaPrimaryHeat = 4")),
                 1);

        // Selecting the first row reloads it into a cleared page.
        p.tab().ClearDLATab();
        dl->cmbDLReturnLeaks->setCurrentIndex(-1);
        const QRect cell = grid->visualItemRect(grid->item(0, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(p.form().session.mintCurrentDlaID, id);
        QCOMPARE(dl->txtDLTestDateTime->text(), QStringLiteral("12/10/2026 3:05 pm"));
        QCOMPARE(dl->txtDLTestNum->text(), QStringLiteral("7"));
        QCOMPARE(dl->txtDLSystemDescription->text(), QStringLiteral("Basement furnace"));
        QCOMPARE(dl->cmbDLPrimaryHeat->currentIndex(), 0);
        QVERIFY(dl->txtDLTotalBtuInput->isEnabled());
        QCOMPARE(dl->txtDLTotalBtuInput->text(), QStringLiteral("80,000"));
        QCOMPARE(dl->txtDLTotalCoolingTons->text(), QStringLiteral("2.5"));
        QCOMPARE(dl->txtDLSupplyLeaksSqIn->text(), QStringLiteral("12.5"));
        QCOMPARE(dl->txtDLReturnLeaksSqIn->text(), QStringLiteral("7.5"));
        QCOMPARE(dl->txtDLTotalLeaksSqIn->text(), QStringLiteral("20.0"));
        QCOMPARE(dl->cmbDLReturnLeaks->currentIndex(), 1);
        QCOMPARE(dl->cmbDLAtticRoofCoolingFactor->currentIndex(), 2);
        QCOMPARE(dl->txtDLWinterOutDesignTemp->text(), QStringLiteral("-5"));
        QCOMPARE(dl->txtDLSummerOutDesignTemp->text(), QStringLiteral("95"));
        QCOMPARE(dl->txtDLSummerDesignGrainDifference->text(), QStringLiteral("33.5"));
        QVERIFY(!p.form().session.mblnDataChanged);
        QVERIFY(p.resultsEmpty());

        // Leaving and coming back keeps the reloaded analysis, with its own design values.
        p.s.show(pages::FlowHood);
        p.s.show(pages::Efficiency);
        QCOMPARE(dl->txtDLTestNum->text(), QStringLiteral("7"));
        QCOMPARE(dl->txtDLWinterOutDesignTemp->text(), QStringLiteral("-5"));
        QVERIFY(grid->item(0, 1)->isSelected());
        VERIFY_DIALOGS_DONE(p.dialogs());
    }

    void refusedSaveStoresNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("cooling tons") << "txtDLTotalCoolingTons"
                                      << ""
                                      << "A Total Cooling Tons value must be entered.";
        QTest::newRow("return leaks") << "cmbDLReturnLeaks"
                                      << "Basement"
                                      << "'Return leaks draw from' must be selected from the list.";
        QTest::newRow("design value") << "txtDLSummerDesignGrainDifference"
                                      << "lots"
                                      << "A number is required.";
    }
    void refusedSaveStoresNothing()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Page p;
        QVERIFY(p.open());
        p.fillValidAnalysis();
        QWidget* box = control(p.dl, field);
        if (auto* edit = qobject_cast<QLineEdit*>(box))
            edit->setText(typed);
        else
            static_cast<QComboBox*>(box)->setEditText(typed);
        p.form().session.mblnDataChanged = true;
        p.dialogs().expect(MsgResult::OK, message);
        QVERIFY(!p.tab().DLSave());
        VERIFY_DIALOGS_DONE(p.dialogs());
        QCOMPARE(
            seeded::count(p.s.db(), QStringLiteral("SELECT COUNT(*) FROM [Duct Leak Analysis]")),
            0);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus == box || box->isAncestorOf(focus));
        QVERIFY(p.form().session.mblnDataChanged);
        QCOMPARE(p.form().session.mintCurrentDlaID, -1);
    }
};

OSTREL_GUI_TEST_MAIN(TestEfficiency)
#include "test_efficiency.moc"

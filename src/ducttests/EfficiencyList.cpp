// Saving the Efficiency Analysis page's inputs, the list of the client's saved analyses and
// reloading one of them.
#include "EfficiencyTab.h"

#include "Database.h"
#include "DatabaseAction.h"
#include "Dialogs.h"
#include "FieldValidation.h"
#include "FlowHoodTab.h"
#include "ListFunctions.h"
#include "ProgramState.h"
#include "Session.h"
#include "StoredValues.h"
#include "TechnicianChoice.h"
#include "WaitCursor.h"
#include "ui_EfficiencyPage.h"
#include "vbconvert.h"
#include "vbdate.h"
#include "vbformat.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QTableWidget>

namespace {

const QString Table = QStringLiteral("Duct Leak Analysis");

enum Column
{
    ColId,
    ColDate,
    ColTestNum,
    ColDescription,
    ColumnCount
};

// A box's number for storing; null when the box is empty.
QVariant numberOf(const QLineEdit* box)
{
    const auto number = vbrt::parseNumber(box->text());
    return number ? QVariant(*number) : QVariant();
}

QVariant codeOf(const QComboBox* list)
{
    return list->currentIndex() < 0 ? QVariant() : QVariant(ComboData(list));
}

void selectCode(QComboBox* list, const QVariant& code)
{
    const auto value = stored::whole32(code);
    list->setCurrentIndex(value ? LocateComboItemData(list, *value) : -1);
}

} // namespace

void EfficiencyTab::SetUpDLGrid()
{
    QTableWidget* grid = m_ui->fgdDLTestSelect;
    m_suppressTestLoad = true;
    grid->clear();
    grid->setColumnCount(ColumnCount);
    grid->setRowCount(0);
    grid->setHorizontalHeaderLabels({QStringLiteral("DlaID"), QStringLiteral("Date/Time"),
                                     QStringLiteral("Test #"),
                                     QStringLiteral("System Description")});
    grid->setColumnHidden(ColId, true);
    grid->setColumnWidth(ColDate, 110);
    grid->setColumnWidth(ColTestNum, 60);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->hide();
    grid->setEnabled(false);
    m_suppressTestLoad = false;
}

void EfficiencyTab::RefreshDLTests()
{
    QTableWidget* grid = m_ui->fgdDLTestSelect;
    m_suppressTestLoad = true;
    grid->clearSelection();
    grid->setRowCount(0);
    QSqlQuery q =
        execSql(m_ctx.state.gcnnUser,
                QStringLiteral("SELECT DlaID, DlaTestDate, DlaUserID, DlaSystemDescription "
                               "FROM [Duct Leak Analysis] WHERE ClientID = ? "
                               "ORDER BY DlaUserID, DlaTestDate, DlaID"),
                {m_ctx.session.gintClientID()});
    while (q.next()) {
        const auto id = stored::whole32(q.value(0));
        if (!id)
            continue; // a row the program cannot address again
        const int row = grid->rowCount();
        grid->insertRow(row);
        const QStringList cells{QString::number(*id), stored::dateText(q.value(1), "M/D/YY h:mm"),
                                stored::text(q.value(2)), stored::text(q.value(3))};
        for (int col = 0; col < ColumnCount; ++col)
            grid->setItem(row, col, new QTableWidgetItem(cells[col]));
    }
    grid->setEnabled(grid->rowCount() > 0);
    m_suppressTestLoad = false;
}

bool EfficiencyTab::selectListedRow(int32_t dlaId)
{
    QTableWidget* grid = m_ui->fgdDLTestSelect;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (grid->item(row, ColId)->text().toInt() != dlaId)
            continue;
        m_suppressTestLoad = true;
        grid->setCurrentCell(row, ColDate);
        grid->selectRow(row);
        m_suppressTestLoad = false;
        return true;
    }
    return false;
}

void EfficiencyTab::fgdDLTestSelect_SelChange()
{
    if (m_suppressTestLoad)
        return;
    QTableWidget* grid = m_ui->fgdDLTestSelect;
    const QList<QTableWidgetItem*> selected = grid->selectedItems();
    if (selected.isEmpty())
        return;
    const int32_t id = grid->item(selected.first()->row(), ColId)->text().toInt();
    ShowDlaRecord(id);
}

void EfficiencyTab::ShowDlaRecord(int32_t dlaId)
{
    QSqlQuery q =
        execSql(m_ctx.state.gcnnUser,
                QStringLiteral("SELECT * FROM [Duct Leak Analysis] WHERE DlaID = ?"), {dlaId});
    if (!q.next())
        return; // deleted meanwhile: the page keeps what it shows
    auto* dl = m_ui;
    auto field = [&q](const char* name) { return q.value(QLatin1String(name)); };

    dl->txtDLTestDateTime->setText(stored::dateText(field("DlaTestDate"), "mm/dd/yyyy h:mm am/pm"));
    dl->txtDLTestNum->setText(stored::text(field("DlaUserID")));
    dl->txtDLSystemDescription->setText(stored::text(field("DlaSystemDescription")));
    // The heating system first: choosing a heat pump empties the furnace input.
    QComboBox* heat = dl->cmbDLPrimaryHeat;
    const auto heatCode = stored::whole32(field("DlaPrimaryHeat"));
    const int heatPosition = heatCode ? LocateComboItemData(heat, *heatCode) : -1;
    if (heatPosition < 0) {
        // An empty box would make the type-ahead pick the first item.
        const QSignalBlocker blocker(heat);
        heat->setCurrentIndex(-1);
    } else {
        heat->setCurrentIndex(heatPosition);
    }
    HeatRelabel(heatPosition);
    const auto btu = stored::whole32(field("DlaTotalBtuInput"));
    if (dl->txtDLTotalBtuInput->isEnabled())
        stored::showNumber(dl->txtDLTotalBtuInput, btu ? vbrt::format(*btu, "#,##0") : QString());
    stored::showNumber(dl->txtDLTotalCoolingTons, field("DlaTotalCoolingTons"));
    stored::showNumber(dl->txtDLSupplyLeaksSqIn, field("DlaSupplyLeaksSqIn"));
    stored::showNumber(dl->txtDLReturnLeaksSqIn, field("DlaReturnLeaksSqIn"));
    selectCode(dl->cmbDLReturnLeaks, field("DlaReturnLeaks"));
    selectCode(dl->cmbDLAtticRoofCoolingFactor, field("DlaAtticRoofCoolingFactor"));
    stored::showNumber(dl->txtDLWinterOutDesignTemp, field("DlaWinterOutDesignTemp"));
    stored::showNumber(dl->txtDLSummerOutDesignTemp, field("DlaSummerOutDesignTemp"));
    stored::showNumber(dl->txtDLSummerDesignGrainDifference,
                       field("DlaSummerDesignGrainDifference"));

    ClearDLResults();
    m_flowHood.CalculateTotalLeaks();
    m_ctx.session.mintCurrentDlaID = dlaId;
    m_ctx.session.mblnDataChanged = false;
}

void EfficiencyTab::fillDesignValuesFromClimate()
{
    QString winter, summer, grains;
    if (!m_ctx.session.mstrClimateUniqueID().isEmpty()) {
        QSqlQuery q = execSql(m_ctx.state.gcnnUser,
                              QStringLiteral("SELECT ZoneWinterOutdoorDesignTemp, "
                                             "ZoneSummerOutdoorDesignTemp, "
                                             "ZoneSummerDesignGrainDifference "
                                             "FROM [Climates by prevalence] WHERE UniqueID = ?"),
                              {m_ctx.session.mstrClimateUniqueID()});
        if (q.next()) {
            winter = stored::numberText(q.value(0));
            summer = stored::numberText(q.value(1));
            grains = stored::numberText(q.value(2));
        }
    }
    stored::showNumber(m_ui->txtDLWinterOutDesignTemp, winter);
    stored::showNumber(m_ui->txtDLSummerOutDesignTemp, summer);
    stored::showNumber(m_ui->txtDLSummerDesignGrainDifference, grains);
}

void EfficiencyTab::PrepDLATab()
{
    RefreshDLTests();
    // An analysis of this client still on the page stays as it is.
    if (m_ctx.session.mintCurrentDlaID >= 1 && selectListedRow(m_ctx.session.mintCurrentDlaID))
        return;
    m_ctx.session.mintCurrentDlaID = -1;
    fillDesignValuesFromClimate();
    if (m_ui->txtDLTestDateTime->text().isEmpty())
        DLDateNow_Click();
}

void EfficiencyTab::prepare()
{
    runDatabaseAction(m_ctx.state, DbAccess::Read,
                      QStringLiteral("The efficiency analyses could not be read."),
                      [this] { PrepDLATab(); });
}

bool EfficiencyTab::designValuesAreNumbers()
{
    auto* dl = m_ui;
    for (QLineEdit* box : {dl->txtDLWinterOutDesignTemp, dl->txtDLSummerOutDesignTemp,
                           dl->txtDLSummerDesignGrainDifference}) {
        if (box->text().isEmpty() || vbrt::isNumeric(box->text()))
            continue;
        m_ctx.state.dialogs.msgBox(QStringLiteral("A number is required."),
                                   platform::MsgButtons::OK, platform::MsgIcon::None,
                                   ProgramState::title());
        const platform::FieldValidation::Suspend suspend(m_ctx.validation);
        box->setFocus();
        return false;
    }
    return true;
}

bool EfficiencyTab::DLSave()
{
    auto* dl = m_ui;
    for (QWidget* field : {static_cast<QWidget*>(dl->txtDLTestDateTime),
                           static_cast<QWidget*>(dl->txtDLSystemDescription),
                           static_cast<QWidget*>(dl->cmbDLPrimaryHeat),
                           static_cast<QWidget*>(dl->txtDLTotalBtuInput),
                           static_cast<QWidget*>(dl->txtDLTotalCoolingTons),
                           static_cast<QWidget*>(dl->txtDLSupplyLeaksSqIn),
                           static_cast<QWidget*>(dl->txtDLReturnLeaksSqIn),
                           static_cast<QWidget*>(dl->cmbDLReturnLeaks)}) {
        if (!m_ctx.validation.runCheck(field))
            return false;
    }
    if (!designValuesAreNumbers())
        return false;
    ProgramState& state = m_ctx.state;
    if (m_ctx.session.gintClientID() < 0) {
        // The page is only reachable with a client; a row without one could never be listed.
        state.dialogs.msgBox(QStringLiteral("Please select a client before saving an analysis."),
                             platform::MsgButtons::OK, platform::MsgIcon::None,
                             ProgramState::title());
        return false;
    }

    platform::WaitCursor wait;
    const QSqlDatabase& db = state.gcnnUser;
    const QString tech = fitText(m_technicians.currentTechnician(),
                                 fieldSize(db, Table, QStringLiteral("TechName")));
    const QString testNum =
        SaveableText(db, Table, QStringLiteral("DlaUserID"), dl->txtDLTestNum)->text();
    const QString description =
        SaveableText(db, Table, QStringLiteral("DlaSystemDescription"), dl->txtDLSystemDescription)
            ->text();
    // A heat pump has no furnace input; otherwise the check has made it a whole number.
    const QVariant btu = dl->txtDLTotalBtuInput->text().isEmpty()
                             ? QVariant()
                             : QVariant(vbrt::clng(dl->txtDLTotalBtuInput->text()));
    // A database failure stores nothing and keeps the page as it is, still unsaved.
    int32_t id = -1;
    const bool saved = runDatabaseAction(
        state, DbAccess::Write, QStringLiteral("The efficiency analysis could not be saved."), [&] {
            QSqlQuery q = execSql(
                db,
                QStringLiteral("INSERT INTO [Duct Leak Analysis] (ClientID, DlaTestDate, TechName, "
                               "DlaUserID, DlaSystemDescription, DlaPrimaryHeat, DlaTotalBtuInput, "
                               "DlaTotalCoolingTons, DlaSupplyLeaksSqIn, DlaReturnLeaksSqIn, "
                               "DlaReturnLeaks, DlaAtticRoofCoolingFactor, DlaWinterOutDesignTemp, "
                               "DlaSummerOutDesignTemp, DlaSummerDesignGrainDifference) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {m_ctx.session.gintClientID(), vbrt::cdate(dl->txtDLTestDateTime->text()), tech,
                 testNum, description, codeOf(dl->cmbDLPrimaryHeat), btu,
                 numberOf(dl->txtDLTotalCoolingTons), numberOf(dl->txtDLSupplyLeaksSqIn),
                 numberOf(dl->txtDLReturnLeaksSqIn), codeOf(dl->cmbDLReturnLeaks),
                 codeOf(dl->cmbDLAtticRoofCoolingFactor), numberOf(dl->txtDLWinterOutDesignTemp),
                 numberOf(dl->txtDLSummerOutDesignTemp),
                 numberOf(dl->txtDLSummerDesignGrainDifference)});
            id = q.lastInsertId().toInt();
            q.finish();
            RefreshDLTests();
            selectListedRow(id);
        });
    if (!saved)
        return false;
    m_ctx.session.mintCurrentDlaID = id;
    m_ctx.session.mblnDataChanged = false;
    return true;
}

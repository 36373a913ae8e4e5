#include "EfficiencyTab.h"

#include "DatabaseAction.h"
#include "Dialogs.h"
#include "FieldValidation.h"
#include "FlowHoodTab.h"
#include "ListFunctions.h"
#include "PageNavigation.h"
#include "Pages.h"
#include "ProgramState.h"
#include "Session.h"
#include "ui_EfficiencyPage.h"
#include "vbconvert.h"
#include "vbdate.h"
#include "vberror.h"
#include "vbformat.h"

#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <cmath>
#include <limits>

namespace {

constexpr int HeatPumpPosition = 4;
constexpr int HeatPumpCode = 4;

template <std::size_t N>
void gather(std::array<QLineEdit*, N>& boxes, QWidget* page, const QString& base)
{
    for (std::size_t i = 0; i < N; ++i) {
        boxes[i] = page->findChild<QLineEdit*>(base + QLatin1Char('_') + QString::number(i));
        Q_ASSERT(boxes[i]);
    }
}

} // namespace

EfficiencyTab::EfficiencyTab(const PageContext& context, Ui::EfficiencyPage& page,
                             QWidget* pageWidget, TechnicianChoice& technicians,
                             FlowHoodTab& flowHood)
    : m_ctx(context), m_ui(&page), m_page(pageWidget), m_technicians(technicians),
      m_flowHood(flowHood)
{
    gather(atxtDLACSeer, m_page, QStringLiteral("atxtDLACSeer"));
    gather(atxtDLACEfficiency, m_page, QStringLiteral("atxtDLACEfficiency"));
    gather(atxtDLHeatSourceRating, m_page, QStringLiteral("atxtDLHeatSourceRating"));
    gather(atxtDLHeatingEfficiency, m_page, QStringLiteral("atxtDLHeatingEfficiency"));

    // The two typed lists do their own matching; Qt's completion would fight it.
    for (QComboBox* list : {m_ui->cmbDLPrimaryHeat, m_ui->cmbDLReturnLeaks}) {
        list->setCompleter(nullptr);
        list->setInsertPolicy(QComboBox::NoInsert);
    }
    m_ui->zlblDLHeatPumpRating->hide();
    connectSignals();
}

void EfficiencyTab::connectSignals()
{
    auto* dl = m_ui;
    connect(dl->cmbDLReturnLeaks, &QComboBox::editTextChanged, this,
            &EfficiencyTab::cmbDLReturnLeaks_Change);
    connect(dl->cmbDLAtticRoofCoolingFactor, &QComboBox::currentIndexChanged, this,
            &EfficiencyTab::cmbDLAtticRoofCoolingFactor_Click);
    for (QLineEdit* box :
         {dl->txtDLReturnLeaksSqIn, dl->txtDLSupplyLeaksSqIn, dl->txtDLTotalBtuInput,
          dl->txtDLSystemDescription, dl->txtDLTotalCoolingTons, dl->txtDLTestDateTime})
        connect(box, &QLineEdit::textChanged, this, &EfficiencyTab::txtDLInput_Change);
    for (QLineEdit* box : {dl->txtDLWinterOutDesignTemp, dl->txtDLSummerOutDesignTemp,
                           dl->txtDLSummerDesignGrainDifference})
        connect(box, &QLineEdit::textChanged, this, &EfficiencyTab::txtDLDesignValue_Change);
    connect(dl->cmbDLPrimaryHeat, &QComboBox::editTextChanged, this,
            &EfficiencyTab::cmbDLPrimaryHeat_Change);
    connect(dl->cmbDLPrimaryHeat, &QComboBox::currentIndexChanged, this,
            &EfficiencyTab::cmbDLPrimaryHeat_Click);
    connect(dl->DLDateNow, &QPushButton::clicked, this, &EfficiencyTab::DLDateNow_Click);
    connect(dl->cmdDLSave, &QPushButton::clicked, this, &EfficiencyTab::cmdDLSave_Click);
    connect(dl->fgdDLTestSelect, &QTableWidget::itemSelectionChanged, this, [this] {
        runDatabaseAction(m_ctx.state, DbAccess::Read,
                          QStringLiteral("The efficiency analysis could not be loaded."),
                          [this] { fgdDLTestSelect_SelChange(); });
    });

    auto& v = m_ctx.validation;
    v.addCheck(dl->txtDLTestDateTime, [this](bool& c) { txtDLTestDateTime_Validate(c); });
    v.addCheck(dl->txtDLSystemDescription, [this](bool& c) { txtDLSystemDescription_Validate(c); });
    v.addCheck(dl->cmbDLPrimaryHeat, [this](bool& c) { cmbDLPrimaryHeat_Validate(c); });
    v.addCheck(dl->txtDLTotalBtuInput, [this](bool& c) { txtDLTotalBtuInput_Validate(c); });
    v.addCheck(dl->txtDLTotalCoolingTons, [this](bool& c) { txtDLTotalCoolingTons_Validate(c); });
    v.addCheck(dl->txtDLSupplyLeaksSqIn, [this](bool& c) { txtDLSupplyLeaksSqIn_Validate(c); });
    v.addCheck(dl->txtDLReturnLeaksSqIn, [this](bool& c) { txtDLReturnLeaksSqIn_Validate(c); });
    v.addCheck(dl->cmbDLReturnLeaks, [this](bool& c) { cmbDLReturnLeaks_Validate(c); });
}

// --- change handlers ---------------------------------------------------------------------

void EfficiencyTab::cmbDLReturnLeaks_Change()
{
    if (mblnDLResultsShown)
        ClearDLResults();
    m_ctx.session.mblnDataChanged = true;
}

void EfficiencyTab::cmbDLAtticRoofCoolingFactor_Click()
{
    if (mblnDLResultsShown)
        ClearDLResults();
    m_ctx.session.mblnDataChanged = true;
}

void EfficiencyTab::txtDLInput_Change()
{
    if (mblnDLResultsShown)
        ClearDLResults();
    m_ctx.session.mblnDataChanged = true;
}

void EfficiencyTab::txtDLDesignValue_Change()
{
    m_ctx.session.mblnDataChanged = true;
}

void EfficiencyTab::cmbDLPrimaryHeat_Change(const QString& typed)
{
    // Selecting an item below rewrites the box's text, which comes back here.
    if (m_typeAhead)
        return;
    m_typeAhead = true;
    QComboBox* list = m_ui->cmbDLPrimaryHeat;
    if (mblnDLResultsShown)
        ClearDLResults();
    const qsizetype n = typed.size();
    const QString wanted = typed.toUpper();
    list->setCurrentIndex(-1);
    bool found = false;
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).left(n).toUpper() == wanted) {
            list->setCurrentIndex(i);
            found = true;
            break;
        }
    }
    if (QLineEdit* edit = list->lineEdit()) {
        if (found) {
            // The rest of the item's text stays selected, so typing on narrows the match.
            edit->setSelection(int(n), int(edit->text().size() - n));
        } else {
            edit->setText(typed);
        }
    }
    m_ctx.session.mblnDataChanged = true;
    m_typeAhead = false;
}

void EfficiencyTab::cmbDLPrimaryHeat_Click()
{
    HeatRelabel(m_ui->cmbDLPrimaryHeat->currentIndex());
}

void EfficiencyTab::HeatRelabel(int listPosition)
{
    auto* dl = m_ui;
    const bool heatPump = listPosition == HeatPumpPosition;
    if (heatPump)
        dl->txtDLTotalBtuInput->clear();
    dl->txtDLTotalBtuInput->setEnabled(!heatPump);
    dl->zlblDLTotalBtuInput->setEnabled(!heatPump);
    dl->zlblDLTotalBtuInputUnit->setEnabled(!heatPump);
    dl->zlblDLHeatingDegrade->setText(
        heatPump ? QStringLiteral("COP @ ") + vbrt::format(35, "#,##0") + QStringLiteral("°F")
                 : QStringLiteral("AFUE"));
    dl->zlblDLHeatingDegradeUnit->setVisible(!heatPump);
    dl->zlblDLHeatSourceHeader->setText(heatPump ? QStringLiteral("Heat Pump")
                                                 : QStringLiteral("Furnace"));
    dl->zlblDLFurnaceRating->setVisible(!heatPump);
    dl->zlblDLHeatPumpRating->setVisible(heatPump);
}

void EfficiencyTab::DLDateNow_Click()
{
    m_ui->txtDLTestDateTime->setText(
        vbrt::formatDate(QDateTime::currentDateTime(), "mm/dd/yyyy h:mm am/pm"));
}

void EfficiencyTab::cmdDLSave_Click()
{
    DLSave();
}

// --- checks ------------------------------------------------------------------------------

void EfficiencyTab::refuse(bool& cancel, const QString& message, bool appTitle)
{
    // An empty title gives the box the application's default title.
    m_ctx.state.dialogs.msgBox(message, platform::MsgButtons::OK, platform::MsgIcon::None,
                               appTitle ? ProgramState::title() : QString());
    cancel = true;
}

void EfficiencyTab::cmbDLReturnLeaks_Validate(bool& cancel)
{
    QComboBox* list = m_ui->cmbDLReturnLeaks;
    const QString typed = list->currentText();
    const int index = LocateComboText(list, typed);
    if (index != list->currentIndex()) {
        list->setCurrentIndex(index);
        if (index < 0)
            list->setEditText(typed); // kept, so the user can correct it
    }
    if (list->currentIndex() < 0)
        refuse(cancel, QStringLiteral("'Return leaks draw from' must be selected from the list."),
               false);
}

void EfficiencyTab::cmbDLPrimaryHeat_Validate(bool& cancel)
{
    const int position = m_ui->cmbDLPrimaryHeat->currentIndex();
    if (position < 0) {
        refuse(cancel, QStringLiteral("A 'Primary heating system' must be selected."), false);
        return;
    }
    HeatRelabel(position);
}

void EfficiencyTab::txtDLTotalBtuInput_Validate(bool& cancel)
{
    cmbDLPrimaryHeat_Validate(cancel);
    if (cancel)
        return;
    QLineEdit* box = m_ui->txtDLTotalBtuInput;
    if (ComboData(m_ui->cmbDLPrimaryHeat) == HeatPumpCode) {
        box->clear();
        return;
    }
    if (box->text().isEmpty()) {
        refuse(cancel, QStringLiteral("A Total Furnace Input value must be entered."), true);
        return;
    }
    const auto number = vbrt::parseNumber(box->text());
    if (!number) {
        refuse(cancel, QStringLiteral("A number from 20,000 to 600,000 is required."), true);
        return;
    }
    const QString outOfRange = QStringLiteral("Value should be from 20,000 to 600,000.");
    int32_t value = 0;
    try {
        value = vbrt::clng(*number);
    } catch (const vbrt::Error&) {
        // Beyond a 32-bit number: out of range all the same, and the box is left as typed.
        refuse(cancel, outOfRange, false);
        return;
    }
    if (value > 999) {
        const QString shown = vbrt::format(value, "#,##0");
        if (box->text() != shown)
            box->setText(shown);
    }
    if (value < 20000 || value > 600000)
        refuse(cancel, outOfRange, false);
}

void EfficiencyTab::txtDLTotalCoolingTons_Validate(bool& cancel)
{
    const QString text = m_ui->txtDLTotalCoolingTons->text();
    if (text.isEmpty()) {
        refuse(cancel, QStringLiteral("A Total Cooling Tons value must be entered."), true);
        return;
    }
    const auto number = vbrt::parseNumber(text);
    if (!number) {
        refuse(cancel, QStringLiteral("A number is required."), true);
        return;
    }
    const QString negative = QStringLiteral("Value should be positive");
    const QString tooLarge = QStringLiteral("50 is the largest acceptable value.");
    int16_t tons = 0;
    try {
        tons = vbrt::cint(*number);
    } catch (const vbrt::Error&) {
        // Beyond a 16-bit number: refused by the bound it lies beyond.
        refuse(cancel, *number < 0 ? negative : tooLarge, false);
        return;
    }
    if (tons < 0)
        refuse(cancel, negative, false);
    else if (tons > 50)
        refuse(cancel, tooLarge, false);
}

void EfficiencyTab::txtDLSupplyLeaksSqIn_Validate(bool& cancel)
{
    const QString text = m_ui->txtDLSupplyLeaksSqIn->text();
    if (text.isEmpty()) {
        refuse(cancel, QStringLiteral("A Supply Duct Leakage value must be entered."), true);
        return;
    }
    if (!vbrt::isNumeric(text)) {
        refuse(cancel, QStringLiteral("A number is required."), true);
        return;
    }
    m_flowHood.CalculateTotalLeaks();
}

void EfficiencyTab::txtDLReturnLeaksSqIn_Validate(bool& cancel)
{
    const QString text = m_ui->txtDLReturnLeaksSqIn->text();
    if (text.isEmpty()) {
        refuse(cancel, QStringLiteral("A Return Duct Leakage value must be entered."), true);
        return;
    }
    if (!vbrt::isNumeric(text)) {
        refuse(cancel, QStringLiteral("A number is required."), true);
        return;
    }
    m_flowHood.CalculateTotalLeaks();
}

void EfficiencyTab::txtDLTestDateTime_Validate(bool& cancel)
{
    const QString text = m_ui->txtDLTestDateTime->text();
    if (text.isEmpty()) {
        refuse(cancel,
               QStringLiteral("A date and time must be entered - use mm/dd/yyyy HH:MM format."),
               true);
        return;
    }
    if (!vbrt::isDate(text))
        refuse(
            cancel,
            QStringLiteral("A valid date and time must be entered - use mm/dd/yyyy HH:MM format."),
            true);
}

void EfficiencyTab::txtDLSystemDescription_Validate(bool&)
{
    QLineEdit* box = m_ui->txtDLSystemDescription;
    if (box->text().contains(QLatin1Char('"')))
        box->setText(box->text().replace(QLatin1Char('"'), QLatin1Char('\'')));
}

// --- clearing ----------------------------------------------------------------------------

void EfficiencyTab::ClearDLATab()
{
    auto* dl = m_ui;
    DLDateNow_Click();
    dl->cmbDLAtticRoofCoolingFactor->setCurrentIndex(0);
    // Only on the page shown: a box on a hidden page would take keystrokes unseen.
    if (m_ctx.navigation.currentPage() == pages::Efficiency)
        dl->txtDLSystemDescription->setFocus();
    dl->txtDLTotalBtuInput->clear();
    dl->txtDLSystemDescription->clear();
    dl->txtDLTotalCoolingTons->clear();
    ClearDLResults();
    dl->cmdDLViewReport->setEnabled(false);
    dl->cmdPrintEffReport->setEnabled(false);
    // The leak boxes are kept, but the total is a result and stays empty until they are
    // entered again.
    // The page no longer shows a saved analysis.
    m_ctx.session.mintCurrentDlaID = -1;
    m_suppressTestLoad = true;
    dl->fgdDLTestSelect->clearSelection();
    m_suppressTestLoad = false;
}

void EfficiencyTab::ClearDLResults()
{
    auto* dl = m_ui;
    for (std::size_t i = 0; i < atxtDLACSeer.size(); ++i) {
        atxtDLACSeer[i]->clear();
        atxtDLACEfficiency[i]->clear();
        atxtDLHeatSourceRating[i]->clear();
        atxtDLHeatingEfficiency[i]->clear();
    }
    for (QLineEdit* box :
         {dl->txtDLPeakCoolingLoss, dl->txtDLPeakCoolingLossPercent, dl->txtDLPeakHeatingLoss,
          dl->txtDLPeakHeatingLossPercent, dl->txtDLACSEERDegrade, dl->txtDLHeatingDegrade,
          dl->txtDLTotalLeaksSqIn})
        box->clear();
    dl->cmdDLViewReport->setEnabled(false);
    dl->cmdPrintEffReport->setEnabled(false);
    mblnDLResultsShown = false;
}

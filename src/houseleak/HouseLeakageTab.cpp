#include "HouseLeakageTab.h"

#include "FieldValidation.h"
#include "HLResultsSnapshot.h"
#include "HouseDataBoxes.h"
#include "HouseLeakageTest.h"
#include "ListFunctions.h"
#include "ProgramState.h"
#include "Session.h"
#include "TechnicianChoice.h"
#include "Twips.h"
#include "ui_HouseLeakagePage.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {

template <typename W> std::array<W*, 6> gather(QWidget* page, const QString& base)
{
    std::array<W*, 6> boxes{};
    for (int i = 0; i < 6; ++i) {
        boxes[size_t(i)] = page->findChild<W*>(base + '_' + QString::number(i));
        Q_ASSERT(boxes[size_t(i)]);
    }
    return boxes;
}

} // namespace

HouseLeakageTab::HouseLeakageTab(const PageContext& context, Ui::HouseLeakagePage& page,
                                 QWidget* pageWidget, const HouseDataBoxes& house,
                                 TechnicianChoice& technicians)
    : m_ctx(context), m_ui(&page), m_page(pageWidget), m_house(house), m_technicians(technicians)
{
    housePressure = gather<QLineEdit>(m_page, QStringLiteral("atxtHLHousePressure"));
    flowPressure = gather<QLineEdit>(m_page, QStringLiteral("atxtHLFlowPressure"));
    flowPressure2 = gather<QLineEdit>(m_page, QStringLiteral("atxtHLFlowPressure2"));
    testFlow = gather<QLineEdit>(m_page, QStringLiteral("atxtHLTestFlow"));
    testError = gather<QLineEdit>(m_page, QStringLiteral("atxtHLTestError"));
    m_grid = m_ui->fgdHLTestSelect;
    connectSignals();
}

HouseLeakageTab::~HouseLeakageTab() = default;

void HouseLeakageTab::connectSignals()
{
    auto& ui = *m_ui;
    connect(ui.cmbBlowerModel, &QComboBox::currentIndexChanged, this,
            &HouseLeakageTab::cmbBlowerModel_Click);
    connect(ui.cmdHLCalculate, &QPushButton::clicked, this, &HouseLeakageTab::cmdHLCalculate_Click);

    auto& v = m_ctx.validation;
    v.addCheck(ui.cmbHLFlowTubeConnection,
               [this](bool& c) { cmbHLFlowTubeConnection_Validate(c); });
    v.addCheck(ui.cmbHLRange, [this](bool& c) { cmbHLRange_Validate(c); });
    v.addCheck(ui.cmbHLTestType, [this](bool& c) { cmbHLTestType_Validate(c); });
    v.addCheck(m_house.stories, [this](bool& c) { cmbHLStories_Validate(c); });
    addReadingChecks();

    // Every input of the calculation: a change makes the results stale and the test unsaved.
    for (QComboBox* list : {ui.cmbHLRange, ui.cmbHLFlowTubeConnection, ui.cmbHLTestType,
                            ui.cmbHLTestDirection2, ui.cmbHLWindFactor})
        connect(list, &QComboBox::currentIndexChanged, this, &HouseLeakageTab::inputChanged);
    for (QLineEdit* box : {ui.txtHLInsideTemp, ui.txtHLOutsideTemp})
        connect(box, &QLineEdit::textChanged, this, &HouseLeakageTab::inputChanged);
    for (const auto* row : {&housePressure, &flowPressure, &flowPressure2, &testFlow})
        for (QLineEdit* box : *row)
            connect(box, &QLineEdit::textChanged, this, &HouseLeakageTab::inputChanged);
    for (QLineEdit* box : {ui.txtHLTestNum, ui.txtHLTestDateTime})
        connect(box, &QLineEdit::textChanged, this, &HouseLeakageTab::recordChanged);

    connect(m_grid, &QTableWidget::itemSelectionChanged, this,
            &HouseLeakageTab::fgdHLTestSelect_SelChange);
    m_grid->installEventFilter(this);
}

bool HouseLeakageTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            fgdHLTestSelect_KeyUp(key->key() == Qt::Key_Delete ? 46 : key->key());
    }
    return QObject::eventFilter(watched, event);
}

void HouseLeakageTab::inputChanged()
{
    if (m_ctx.session.isFilling())
        return;
    ClearHLResults();
    m_ctx.session.mblnDataChanged = true;
}

void HouseLeakageTab::recordChanged()
{
    if (m_ctx.session.isFilling())
        return;
    m_ctx.session.mblnDataChanged = true;
}

void HouseLeakageTab::TakeRowPositions()
{
    // The rows' design positions, in twips as the layouts work with them.
    const int first = platform::pixelsToTwips(housePressure[0]->y());
    const int flow = platform::pixelsToTwips(flowPressure[0]->y());
    m_ctx.state.gintHLFirstRowTop = int16_t(first);
    m_ctx.state.gintHLRowPitch = int16_t(flow - first);
    OneFanLayout();
}

void HouseLeakageTab::ClearHLResults()
{
    Session::Filling filling(m_ctx.session);
    m_resultsCalculated = false;
    m_results.reset();
    auto& ui = *m_ui;
    for (QLineEdit* box : {ui.txtActualLeakage, ui.txtOptimumLeakage, ui.txtActualLeakageCrack,
                           ui.txtEstimatedAirChanges, ui.txtOptimumAirChanges})
        box->clear();
    for (int i = 0; i < hl::DatasetCount; ++i) {
        testError[size_t(i)]->clear();
        markPointError(i, false);
    }
    // Computed flows are results too; typed ones are inputs.
    if (rangeKind() != hl::RangeKind::MeasuredDirectly)
        for (QLineEdit* box : testFlow)
            box->clear();
    for (QPushButton* button :
         {ui.cmdHLViewClientReport, ui.cmdHLPrintClientReport, ui.cmdHLViewTechReport,
          ui.cmdHLPrintTechReport, ui.cmdContinueFromHLTab})
        button->setEnabled(false);
}

void HouseLeakageTab::ClearHLTab()
{
    Session::Filling filling(m_ctx.session);
    auto& ui = *m_ui;
    // A technician shown for a reloaded test only goes with that test.
    m_technicians.dropTestTechnician();
    for (const auto* row : {&housePressure, &flowPressure, &flowPressure2, &testFlow, &testError})
        for (QLineEdit* box : *row)
            box->clear();
    for (QLineEdit* box :
         {ui.txtHLInsideTemp, ui.txtHLOutsideTemp, ui.txtHLTestNum, ui.txtHLTestDateTime})
        box->clear();
    // A new test starts from the usual set-up: multi-point, depressurized with the gauge
    // inside, normal suburban wind exposure.
    ui.cmbHLTestType->setCurrentIndex(LocateComboItemData(ui.cmbHLTestType, 0));
    ui.cmbHLTestDirection2->setCurrentIndex(LocateComboItemData(ui.cmbHLTestDirection2, 0));
    ui.cmbHLWindFactor->setCurrentIndex(LocateComboItemData(ui.cmbHLWindFactor, 2));
    ui.cmbHLRange->setCurrentIndex(-1);
    ui.cmbHLFlowTubeConnection->setCurrentIndex(-1);
    applyRangeLayout();
    CheckHLDatasetEnables();
    ClearHLResults();

    // The list no longer shows the test on the page; any row can be chosen again.
    const bool suppress = std::exchange(mblnSuppressHLTestLoad, true);
    m_grid->setCurrentCell(-1, -1);
    m_grid->clearSelection();
    mblnSuppressHLTestLoad = suppress;
}

// Blower models, flow ranges, the flow tube rule, the one-fan and two-fan layouts of the
// data-set rows and which of their boxes are open.
#include "HouseLeakageTab.h"

#include "Database.h"
#include "DatabaseAction.h"
#include "Dialogs.h"
#include "HouseLeakageTest.h"
#include "ListFunctions.h"
#include "PageNavigation.h"
#include "Pages.h"
#include "ProgramState.h"
#include "Session.h"
#include "Settings.h"
#include "StoredValues.h"
#include "Twips.h"
#include "ui_HouseLeakagePage.h"
#include "vbconvert.h"
#include "vberror.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QTabWidget>

namespace {

constexpr int TwoBlowerRange = 12;
constexpr int MeasuredRange = 13;
constexpr int MeasuredRangeB = 24;

QColor windowColour()
{
    return QApplication::palette().color(QPalette::Base);
}
QColor buttonFaceColour()
{
    return QApplication::palette().color(QPalette::Button);
}
const QColor Cyan(0x00, 0xFF, 0xFF); // &HFFFF00 in the blue-green-red order of the design

void setBackground(QLineEdit* box, const QColor& colour)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colour);
    box->setPalette(p);
}

void openBox(QLineEdit* box)
{
    box->setReadOnly(false);
    setBackground(box, windowColour());
    box->setFocusPolicy(Qt::StrongFocus);
}

// A locked box can still be clicked into, but the Tab key passes it by.
void lockBox(QLineEdit* box, const QColor& colour)
{
    box->setReadOnly(true);
    setBackground(box, colour);
    box->setFocusPolicy(Qt::ClickFocus);
}

void setTop(QWidget* widget, int twips)
{
    widget->move(widget->x(), platform::twipsToPixels(twips));
}

} // namespace

void HouseLeakageTab::RefreshBlowerModel()
{
    QComboBox* list = m_ui->cmbBlowerModel;
    // Selecting the remembered model is no choice of the user's: the tube controls stay as
    // designed until the list is clicked.
    const QSignalBlocker blocker(list);
    list->clear();
    QSqlQuery q =
        execSql(m_ctx.state.gcnnUser,
                QStringLiteral("SELECT BlowerModelID, BlowerModelName FROM [Blower Models] "
                               "ORDER BY BlowerModelID"));
    while (q.next()) {
        if (const auto id = stored::whole32(q.value(0)))
            addComboItem(list, stored::text(q.value(1)), *id);
    }
    const QString setting = GetAppSetting(m_ctx.state.gcnnUser, QStringLiteral("BlowerModelID"));
    int model = 2;
    if (!setting.isEmpty()) {
        // A setting that is no whole number matches no model.
        model = stored::whole16(setting).value_or(-1);
    }
    list->setCurrentIndex(model < 0 ? -1 : LocateComboItemData(list, model));
}

void HouseLeakageTab::RefreshRange()
{
    QComboBox* list = m_ui->cmbHLRange;
    const QSignalBlocker blocker(list);
    list->clear();
    const int model =
        m_ui->cmbBlowerModel->currentIndex() < 0 ? 2 : ComboData(m_ui->cmbBlowerModel);
    QSqlQuery q = execSql(m_ctx.state.gcnnUser,
                          QStringLiteral("SELECT rangeid, RangeDropText FROM Ranges WHERE "
                                         "BlowerModelID = ? ORDER BY RangeDisplayOrder, rangeid"),
                          {model});
    while (q.next()) {
        if (const auto id = stored::whole32(q.value(0)))
            addComboItem(list, stored::text(q.value(1)), *id);
    }
    list->setCurrentIndex(-1);
}

void HouseLeakageTab::cmbBlowerModel_Click()
{
    QComboBox* list = m_ui->cmbBlowerModel;
    if (list->currentIndex() < 0)
        return;
    runDatabaseAction(m_ctx.state, DbAccess::Write,
                      QStringLiteral("The chosen blower model could not be remembered."), [&] {
                          SaveAppSetting(m_ctx.state.gcnnUser, QStringLiteral("BlowerModelID"),
                                         QString::number(ComboData(list)));
                      });
    ClearHLTab();
    applyBlowerModel();
    // The page's inputs were just discarded: nothing on it is unsaved.
    if (m_ctx.navigation.currentPage() == pages::HouseLeakage)
        m_ctx.session.mblnDataChanged = false;
}

void HouseLeakageTab::applyBlowerModel()
{
    auto& ui = *m_ui;
    const bool tube = ComboData(ui.cmbBlowerModel) == 1;
    ui.zlblHLFlowTubeConnection->setVisible(tube);
    ui.cmbHLFlowTubeConnection->setVisible(tube);
    RefreshRange();
}

void HouseLeakageTab::cmbHLFlowTubeConnection_Validate(bool& cancel)
{
    auto& ui = *m_ui;
    QComboBox* tube = ui.cmbHLFlowTubeConnection;
    tube->setCurrentIndex(LocateComboText(tube, tube->currentText()));
    const int range = ComboData(ui.cmbHLRange);
    const int port = ComboData(tube);
    auto require = [&](int code, const QString& portText) {
        if (port == code)
            return;
        if (m_ctx.session.mblnShowValidationMessages)
            m_ctx.state.dialogs.msgBox(
                QStringLiteral("Range ") + ui.cmbHLRange->currentText() +
                    QStringLiteral(" requires Clear Tube Connection on ") + portText + '.',
                platform::MsgButtons::OK, platform::MsgIcon::None, ProgramState::title());
        tube->setCurrentIndex(LocateComboText(tube, portText));
        cancel = true;
    };
    if (range == MeasuredRange)
        return;
    if (range == 1 || range == TwoBlowerRange)
        require(1, QStringLiteral("18 Port"));
    else if (range > MeasuredRange)
        cancel = false;
    else
        require(0, QStringLiteral("9 Port"));
}

void HouseLeakageTab::cmbHLRange_Validate(bool& cancel)
{
    QComboBox* list = m_ui->cmbHLRange;
    const int index = LocateComboText(list, list->currentText());
    if (index != list->currentIndex())
        list->setCurrentIndex(index);
    if (index < 0) {
        if (m_ctx.session.mblnShowValidationMessages)
            m_ctx.state.dialogs.msgBox(
                QStringLiteral("Warning: Range must be selected from the list to complete test."),
                platform::MsgButtons::OK, platform::MsgIcon::None, ProgramState::title());
        cancel = true;
    }
    applyRangeLayout();
    CheckHLDatasetEnables();
}

hl::RangeKind HouseLeakageTab::rangeKind() const
{
    return hl::rangeKindOfText(m_ui->cmbHLRange->currentText());
}

void HouseLeakageTab::applyRangeLayout()
{
    Session::Filling filling(m_ctx.session);
    auto& ui = *m_ui;
    const int range = ComboData(ui.cmbHLRange);
    const bool measured = range == MeasuredRange || range == MeasuredRangeB;
    ui.zlblHLFlowTubeConnection->setEnabled(!measured);
    ui.cmbHLFlowTubeConnection->setEnabled(!measured);
    if (measured)
        ui.cmbHLFlowTubeConnection->setCurrentIndex(-1);
    if (range == TwoBlowerRange) {
        m_ctx.state.gintBlowerCount = 2;
        TwoFanLayout();
    } else {
        m_ctx.state.gintBlowerCount = 1;
        OneFanLayout();
    }
}

void HouseLeakageTab::OneFanLayout()
{
    auto& ui = *m_ui;
    const int pitch = m_ctx.state.gintHLRowPitch;
    const int house = m_ctx.state.gintHLFirstRowTop;
    const int flow = house + pitch;
    const int measured = flow + pitch;
    const int error = measured + pitch;
    setTop(ui.zlblHLHousePressure, house);
    setTop(ui.zlblHLFlowPressure, flow);
    setTop(ui.zlblHLTestFlow, measured);
    setTop(ui.zlblHLTestError, error);
    ui.zlblHLFlowPressure2->hide();
    ui.zlblHLFlowPressure->setText(QStringLiteral("Flow Pressure (Pa)"));
    for (int i = 0; i < hl::DatasetCount; ++i) {
        setTop(housePressure[size_t(i)], house);
        setTop(flowPressure[size_t(i)], flow);
        setTop(testFlow[size_t(i)], measured);
        setTop(testError[size_t(i)], error);
        flowPressure2[size_t(i)]->hide();
    }
}

void HouseLeakageTab::TwoFanLayout()
{
    auto& ui = *m_ui;
    const int pitch = m_ctx.state.gintHLRowPitch;
    // One row more: the grid moves up by half a box to stay where it was.
    const int half = platform::pixelsToTwips(flowPressure2[0]->height()) / 2;
    const int house = m_ctx.state.gintHLFirstRowTop - half;
    const int flow = house + pitch;
    const int fan2 = flow + pitch;
    const int measured = fan2 + pitch;
    const int error = measured + pitch;
    setTop(ui.zlblHLHousePressure, house);
    setTop(ui.zlblHLFlowPressure, flow);
    setTop(ui.zlblHLFlowPressure2, fan2);
    setTop(ui.zlblHLTestFlow, measured);
    setTop(ui.zlblHLTestError, error);
    ui.zlblHLFlowPressure->setText(QStringLiteral("Fan 1 Flow Pressure (Pa)"));
    ui.zlblHLFlowPressure2->show();
    // Every data set gets its second fan's box, so that a multi-point test with two fans can be
    // typed in full.
    for (int i = 0; i < hl::DatasetCount; ++i) {
        setTop(housePressure[size_t(i)], house);
        setTop(flowPressure[size_t(i)], flow);
        setTop(flowPressure2[size_t(i)], fan2);
        setTop(testFlow[size_t(i)], measured);
        setTop(testError[size_t(i)], error);
        flowPressure2[size_t(i)]->show();
    }
}

int16_t HouseLeakageTab::GetFanDirection(int directionCode)
{
    return directionCode == 0 || directionCode == 3 ? 0 : 1;
}

void HouseLeakageTab::loadRangeConstants(QSqlQuery& row, int directionCode, HouseLeakageTest& test)
{
    const bool reversed = GetFanDirection(directionCode) != 0;
    // A constant that is no number stops the calculation as a mismatch would.
    auto value = [&row](int column) {
        const auto k = stored::number(row.value(column));
        if (!k)
            vbrt::raise(vbrt::ErrTypeMismatch);
        return vbrt::csng(*k);
    };
    test.setRangeK(value(reversed ? 1 : 0));
    test.setRangeN(value(reversed ? 3 : 2));
    test.setRangeK1(value(4));
    test.setRangeK2(value(5));
    test.setRangeK3(value(6));
    test.setRangeK4(value(7));
}

namespace {
const QString RangeColumns = QStringLiteral(
    "SELECT RangeK, RangeKReversed, RangeN, RangeNReversed, RangeK1, RangeK2, RangeK3, RangeK4 "
    "FROM Ranges ");
} // namespace

void HouseLeakageTab::GetRangeConstantsFromID(int32_t rangeId, int directionCode,
                                              HouseLeakageTest& test)
{
    QSqlQuery q = execSql(
        m_ctx.state.gcnnUser,
        RangeColumns + QStringLiteral("WHERE rangeid = ? ORDER BY rangeid LIMIT 1"), {rangeId});
    if (q.next())
        loadRangeConstants(q, directionCode, test);
}

void HouseLeakageTab::GetRangeConstantsFromDropText(const QString& rangeText, int directionCode,
                                                    HouseLeakageTest& test)
{
    // The texts are compared exactly, whatever the column's collation.
    QSqlQuery q = execSql(m_ctx.state.gcnnUser,
                          RangeColumns + QStringLiteral("WHERE RangeDropText = ? COLLATE BINARY "
                                                        "ORDER BY rangeid LIMIT 1"),
                          {rangeText});
    if (q.next())
        loadRangeConstants(q, directionCode, test);
}

void HouseLeakageTab::CheckHLDatasetEnables()
{
    Session::Filling filling(m_ctx.session);
    const bool singlePoint = ComboData(m_ui->cmbHLTestType) == 1;
    const hl::RangeKind kind = rangeKind();

    for (QLineEdit* box : {housePressure[0], flowPressure[0], flowPressure2[0], testFlow[0]})
        openBox(box);
    setBackground(testError[0], Cyan);
    for (size_t i = 1; i < hl::DatasetCount; ++i) {
        for (QLineEdit* box : {housePressure[i], flowPressure[i], flowPressure2[i], testFlow[i]}) {
            if (singlePoint) {
                box->clear();
                lockBox(box, buttonFaceColour());
            } else {
                openBox(box);
            }
        }
        setBackground(testError[i], singlePoint ? buttonFaceColour() : Cyan);
    }

    if (kind != hl::RangeKind::MeasuredDirectly) {
        // The flow boxes show the computed flows.
        for (size_t i = 0; i < hl::DatasetCount; ++i) {
            testFlow[i]->clear();
            lockBox(testFlow[i], singlePoint && i > 0 ? buttonFaceColour() : Cyan);
        }
    } else {
        for (size_t i = 0; i < hl::DatasetCount; ++i) {
            for (QLineEdit* box : {flowPressure[i], flowPressure2[i]}) {
                box->clear();
                lockBox(box, buttonFaceColour());
            }
        }
    }
}

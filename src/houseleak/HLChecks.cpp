// The House Leakage tab's field checks: readings and temperatures as their boxes are left,
// the test type and the stories list.
#include "HouseLeakageTab.h"

#include "Dialogs.h"
#include "FieldValidation.h"
#include "HouseDataBoxes.h"
#include "ListFunctions.h"
#include "PageNavigation.h"
#include "Pages.h"
#include "ProgramState.h"
#include "Session.h"
#include "ui_HouseLeakagePage.h"

#include <QTabWidget>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

void HouseLeakageTab::addReadingChecks()
{
    auto& ui = *m_ui;
    auto& v = m_ctx.validation;
    v.addCheck(ui.txtHLInsideTemp, [this, box = ui.txtHLInsideTemp](bool& c) {
        checkReadingBox(box, hl::Reading::InsideTemp, 0, c);
    });
    v.addCheck(ui.txtHLOutsideTemp, [this, box = ui.txtHLOutsideTemp](bool& c) {
        checkReadingBox(box, hl::Reading::OutsideTemp, 0, c);
    });
    const std::pair<const std::array<QLineEdit*, 6>*, hl::Reading> rows[] = {
        {&housePressure, hl::Reading::HousePressure},
        {&flowPressure, hl::Reading::FlowPressure},
        {&flowPressure2, hl::Reading::FlowPressure2},
        {&testFlow, hl::Reading::TestFlow}};
    for (const auto& [boxes, kind] : rows)
        for (int i = 0; i < hl::DatasetCount; ++i)
            v.addCheck((*boxes)[size_t(i)], [this, box = (*boxes)[size_t(i)], kind, i](bool& c) {
                checkReadingBox(box, kind, i, c);
            });
}

void HouseLeakageTab::checkReadingBox(QLineEdit* box, hl::Reading kind, int dataset, bool& cancel)
{
    // A locked box holds a result or nothing.
    if (box->isReadOnly() || box->text().trimmed().isEmpty())
        return;
    const hl::CheckResult result = hl::checkReading(kind, box->text(), dataset);
    const bool messages = m_ctx.session.mblnShowValidationMessages;
    switch (result.outcome) {
    case hl::CheckResult::Accept:
        break;
    case hl::CheckResult::Refuse:
        if (messages)
            m_ctx.state.dialogs.msgBox(result.message, MsgButtons::OK, MsgIcon::None,
                                       ProgramState::title());
        cancel = true;
        break;
    case hl::CheckResult::Ask:
        if (messages &&
            m_ctx.state.dialogs.msgBox(result.message, MsgButtons::YesNo, MsgIcon::Question,
                                       ProgramState::title()) != MsgResult::Yes)
            cancel = true;
        break;
    }
}

bool HouseLeakageTab::refuse(QWidget* box, const QString& message, bool showMessages)
{
    if (showMessages)
        m_ctx.state.dialogs.msgBox(message, MsgButtons::OK, MsgIcon::Exclamation,
                                   ProgramState::title());
    // A silent check (a test being reloaded) leaves the focus where the user put it.
    if (showMessages && box && box->isVisible()) {
        platform::FieldValidation::Suspend suspend(m_ctx.validation);
        box->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

bool HouseLeakageTab::checkAllReadings(bool showMessages)
{
    auto& ui = *m_ui;
    const hl::RangeKind kind = rangeKind();
    std::vector<std::tuple<QLineEdit*, hl::Reading, int>> boxes = {
        {ui.txtHLInsideTemp, hl::Reading::InsideTemp, 0},
        {ui.txtHLOutsideTemp, hl::Reading::OutsideTemp, 0}};
    for (int i = 0; i < hl::DatasetCount; ++i) {
        const auto s = size_t(i);
        boxes.emplace_back(housePressure[s], hl::Reading::HousePressure, i);
        if (kind == hl::RangeKind::MeasuredDirectly) {
            boxes.emplace_back(testFlow[s], hl::Reading::TestFlow, i);
        } else {
            boxes.emplace_back(flowPressure[s], hl::Reading::FlowPressure, i);
            if (kind == hl::RangeKind::TwoBlowers)
                boxes.emplace_back(flowPressure2[s], hl::Reading::FlowPressure2, i);
        }
    }
    // Only what can never be stored is refused here; unusual values were asked about when
    // their boxes were left.
    for (const auto& [box, reading, dataset] : boxes) {
        if (box->text().trimmed().isEmpty())
            continue;
        const hl::CheckResult result = hl::checkReading(reading, box->text(), dataset);
        if (result.outcome == hl::CheckResult::Refuse)
            return refuse(box, result.message, showMessages);
    }
    return true;
}

void HouseLeakageTab::cmbHLTestType_Validate(bool& cancel)
{
    Q_UNUSED(cancel);
    QComboBox* list = m_ui->cmbHLTestType;
    const int index = LocateComboText(list, list->currentText());
    if (index >= 0 && index != list->currentIndex())
        list->setCurrentIndex(index);
    CheckHLDatasetEnables();
}

void HouseLeakageTab::cmbHLStories_Validate(bool& cancel)
{
    // Like the other house data, checked only on the Client Survey page.
    if (m_ctx.navigation.currentPage() != pages::ClientSurvey)
        return;
    QComboBox* list = m_house.stories;
    if (list->currentText().isEmpty())
        return;
    const int index = LocateComboText(list, list->currentText());
    if (index >= 0) {
        if (index != list->currentIndex())
            list->setCurrentIndex(index);
        return;
    }
    if (m_ctx.session.mblnShowValidationMessages)
        m_ctx.state.dialogs.msgBox(
            QStringLiteral("The number of stories must be chosen from the list."), MsgButtons::OK,
            MsgIcon::None, ProgramState::title());
    cancel = true;
}

#include "HouseData.h"

#include "ClientRecords.h"
#include "Dialogs.h"
#include "FieldValidation.h"
#include "ListFunctions.h"
#include "PageNavigation.h"
#include "Pages.h"
#include "ProgramState.h"
#include "Session.h"
#include "StoredValues.h"
#include "ui_ClientSurveyPage.h"
#include "vbconvert.h"
#include "vbformat.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include <cmath>
#include <limits>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

// The whole number a count box holds, or nothing when it does not fit the stored width.
std::optional<int> wholeNumber(double value)
{
    const double rounded = vbrt::roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<int16_t>::min() ||
        rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace

HouseData::HouseData(const PageContext& context, Ui::ClientSurveyPage& survey,
                     ClientRecords& records)
    : m_ctx(context), m_surveyUi(&survey), m_records(records)
{
    connectSignals();
}

void HouseData::connectSignals()
{
    auto* ui = m_surveyUi;
    const auto edited = [this] {
        if (!m_ctx.session.isFilling())
            m_records.clientEdited();
    };
    // txtHLLivingArea_Change, txtHLCeilingHeight_Change, txtHLBedrooms_Change and the stories
    // list's Click all mark the client as changed.
    for (QLineEdit* box : {ui->txtHLLivingArea, ui->txtHLCeilingHeight, ui->txtHLBedrooms})
        connect(box, &QLineEdit::textChanged, this, edited);
    connect(ui->cmbHLStories, &QComboBox::currentIndexChanged, this, edited);
    // Any change of the house data, a fill included, makes results computed from it stale.
    Session* session = &m_ctx.session;
    for (QLineEdit* box : {ui->txtHLLivingArea, ui->txtHLCeilingHeight, ui->txtHLBedrooms})
        connect(box, &QLineEdit::textChanged, session, &Session::houseDataEdited);
    connect(ui->cmbHLStories, &QComboBox::currentIndexChanged, session, &Session::houseDataEdited);

    m_ctx.validation.addCheck(ui->txtHLLivingArea,
                              [this](bool& cancel) { txtHLLivingArea_Validate(cancel); });
    m_ctx.validation.addCheck(ui->txtHLCeilingHeight,
                              [this](bool& cancel) { txtHLCeilingHeight_Validate(cancel); });
    m_ctx.validation.addCheck(ui->txtHLBedrooms,
                              [this](bool& cancel) { txtHLBedrooms_Validate(cancel); });
}

bool HouseData::onSurveyPage() const
{
    return m_ctx.navigation.currentPage() == pages::ClientSurvey;
}

void HouseData::refuse(bool& cancel, const QString& text)
{
    if (m_ctx.session.mblnShowValidationMessages)
        m_ctx.state.dialogs.msgBox(text, MsgButtons::OK, MsgIcon::None, ProgramState::title());
    cancel = true;
}

bool HouseData::keep(const QString& question)
{
    return m_ctx.state.dialogs.msgBox(question, MsgButtons::YesNo, MsgIcon::Question,
                                      ProgramState::title()) == MsgResult::Yes;
}

std::optional<int> HouseData::livingArea(const QString& text)
{
    const auto number = vbrt::parseNumber(text);
    return number ? wholeNumber(*number) : std::nullopt;
}

void HouseData::txtHLLivingArea_Validate(bool& cancel)
{
    if (!onSurveyPage())
        return;
    QLineEdit* box = m_surveyUi->txtHLLivingArea;
    const QString text = box->text();
    if (text.isEmpty())
        return refuse(cancel, QStringLiteral("A Living Area must be entered."));
    // A value too large to store is refused like any other text that is no number.
    const auto value = livingArea(text);
    if (!value)
        return refuse(cancel, QStringLiteral("A number is required."));
    if (*value == 0)
        return refuse(cancel, QStringLiteral("A house living area is required."));
    if (*value < 500) {
        if (m_ctx.session.mblnShowValidationMessages &&
            !keep(
                QStringLiteral("You have entered a Living Area of ") + text +
                QStringLiteral(" square feet.  This is unusual.\nDo you really want this value?")))
            cancel = true;
        return;
    }
    // The rewrite shows the whole number that is stored, so 1234.5 reads 1,234.
    if (*value > 999)
        box->setText(vbrt::format(*value, "#,##0"));
}

void HouseData::txtHLCeilingHeight_Validate(bool& cancel)
{
    if (!onSurveyPage())
        return;
    const QString text = m_surveyUi->txtHLCeilingHeight->text();
    if (text.isEmpty())
        return refuse(cancel, QStringLiteral("An Average Ceiling Height must be entered."));
    const auto value = vbrt::parseNumber(text);
    if (!value)
        return refuse(cancel, QStringLiteral("A number is required."));
    // The height as typed is compared, so 6.5 and 40.5 are both unusual.
    if ((*value < 7 || *value > 40) && m_ctx.session.mblnShowValidationMessages &&
        !keep(QStringLiteral("You have entered an Average Ceiling Height of ") + text +
              QStringLiteral(" feet.  This is unusual.  Do you really want this value?")))
        cancel = true;
}

void HouseData::txtHLBedrooms_Validate(bool& cancel)
{
    QLineEdit* box = m_surveyUi->txtHLBedrooms;
    // Focus can sit in the box while the Home page hides it; show the box before asking. A
    // page change itself (the box still on screen) must not be turned back.
    if (m_ctx.navigation.currentPage() == pages::Home && !box->isVisible())
        m_ctx.navigation.showPage(pages::ClientSurvey);
    if (!onSurveyPage())
        return;
    const QString text = box->text();
    if (text.isEmpty())
        return refuse(cancel, QStringLiteral("A number of bedrooms must be entered."));
    const auto number = vbrt::parseNumber(text);
    if (!number)
        return refuse(cancel, QStringLiteral("A number is required. (Enter 0 for none.)"));
    // The whole number is compared, so -0.4 is 0 bedrooms and 12.5 is 12.
    const auto value = wholeNumber(*number);
    if (!value)
        return refuse(cancel, QStringLiteral("A number is required. (Enter 0 for none.)"));
    if (*value < 0)
        return refuse(cancel, QStringLiteral("A number of bedrooms must be entered."));
    if (*value >= 13 && m_ctx.session.mblnShowValidationMessages &&
        !keep(QStringLiteral("You have entered ") + vbrt::cstr(*value) +
              QStringLiteral(" bedrooms.  This is unusual.  Do you really want this value?")))
        cancel = true;
}

QList<QWidget*> HouseData::controls() const
{
    auto* ui = m_surveyUi;
    return {ui->txtHLLivingArea, ui->cmbHLStories, ui->txtHLCeilingHeight, ui->txtHLBedrooms};
}

void HouseData::clear()
{
    auto* ui = m_surveyUi;
    ui->txtHLLivingArea->clear();
    ui->cmbHLStories->setCurrentIndex(-1);
    ui->txtHLCeilingHeight->setText(QStringLiteral("8"));
    ui->txtHLBedrooms->clear();
}

void HouseData::show(const QSqlRecord& row)
{
    auto* ui = m_surveyUi;
    // A value that cannot be read shows as an empty box.
    const auto area = stored::whole32(row.value(QStringLiteral("HltLivingArea")));
    stored::showNumber(ui->txtHLLivingArea, area ? vbrt::format(*area, "#,##0") : QString());
    const auto stories = stored::whole16(row.value(QStringLiteral("HltStories")));
    ui->cmbHLStories->setCurrentIndex(stories ? LocateComboItemData(ui->cmbHLStories, *stories)
                                              : -1);
    stored::showNumber(ui->txtHLCeilingHeight,
                       row.value(QStringLiteral("HltAverageCeilingHeight")));
    stored::showNumber(ui->txtHLBedrooms, row.value(QStringLiteral("HltBedrooms")));
}

void HouseData::appendValues(ClientValues& values) const
{
    auto* ui = m_surveyUi;
    if (!ui->txtHLLivingArea->text().isEmpty())
        values.append({QStringLiteral("HltLivingArea"), *livingArea(ui->txtHLLivingArea->text())});
    if (ui->cmbHLStories->currentIndex() >= 0) {
        values.append({QStringLiteral("HltStories"), ComboData(ui->cmbHLStories)});
        values.append({QStringLiteral("StoriesText"), ui->cmbHLStories->currentText()});
    }
    if (!ui->txtHLCeilingHeight->text().isEmpty())
        values.append({QStringLiteral("HltAverageCeilingHeight"),
                       *vbrt::parseNumber(ui->txtHLCeilingHeight->text())});
    if (!ui->txtHLBedrooms->text().isEmpty())
        values.append(
            {QStringLiteral("HltBedrooms"), *vbrt::parseNumber(ui->txtHLBedrooms->text())});
}

QLineEdit* HouseData::unstorableBox() const
{
    auto* ui = m_surveyUi;
    if (!ui->txtHLLivingArea->text().isEmpty() && !livingArea(ui->txtHLLivingArea->text()))
        return ui->txtHLLivingArea;
    for (QLineEdit* box : {ui->txtHLCeilingHeight, ui->txtHLBedrooms})
        if (!box->text().isEmpty() && !vbrt::isNumeric(box->text()))
            return box;
    return nullptr;
}

// The calculation: checks the entries, hands them to the page's HouseLeakageTest, keeps what it
// computed as the results snapshot and shows it on the page.
#include "HouseLeakageTab.h"

#include "DatabaseAction.h"
#include "DatabaseError.h"
#include "Dialogs.h"
#include "ErrorReport.h"
#include "HLResultsSnapshot.h"
#include "HouseDataBoxes.h"
#include "HouseLeakageTest.h"
#include "ListFunctions.h"
#include "ProgramState.h"
#include "Session.h"
#include "WaitCursor.h"
#include "ui_HouseLeakagePage.h"
#include "vbconvert.h"
#include "vberror.h"
#include "vbformat.h"
#include "vbmath.h"

#include <QApplication>

#include <cmath>

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

bool filled(const QLineEdit* box)
{
    return !box->text().trimmed().isEmpty();
}

std::optional<float> value(const QLineEdit* box)
{
    if (!filled(box))
        return std::nullopt;
    return vbrt::csng(box->text());
}

const QString Crlf = QStringLiteral("\r\n");

} // namespace

void HouseLeakageTab::cmdHLCalculate_Click()
{
    platform::WaitCursor wait;
    if (HLCalculate(true))
        HLSave();
}

bool HouseLeakageTab::ValidateHLInputs(bool showMessages)
{
    {
        // For its layout and blower count only; a missing range shows when the test cannot
        // find its constants.
        Session::SilentChecks silent(m_ctx.session);
        bool cancel = false;
        cmbHLRange_Validate(cancel);
    }
    const hl::RangeKind kind = rangeKind();
    const bool singlePoint = ComboData(m_ui->cmbHLTestType) == 1;
    QString incomplete;
    switch (kind) {
    case hl::RangeKind::MeasuredDirectly:
        incomplete =
            singlePoint
                ? QStringLiteral("Values must be entered for both House Pressure and Test Flow.")
                : QStringLiteral("Values must be entered for House Pressure and Test Flow.");
        break;
    case hl::RangeKind::TwoBlowers:
        incomplete =
            QStringLiteral("Values must be entered for House Pressure and both Flow Pressures.");
        break;
    case hl::RangeKind::FanPressure:
        incomplete =
            QStringLiteral("Values must be entered for both House Pressure and Flow Pressure.");
        break;
    }

    int complete = 0;
    const int lastRow = singlePoint ? 0 : hl::DatasetCount - 1;
    for (int i = 0; i <= lastRow; ++i) {
        const auto s = size_t(i);
        std::vector<QLineEdit*> flows;
        if (kind == hl::RangeKind::MeasuredDirectly)
            flows = {testFlow[s]};
        else if (kind == hl::RangeKind::TwoBlowers)
            flows = {flowPressure[s], flowPressure2[s]};
        else
            flows = {flowPressure[s]};
        const bool house = filled(housePressure[s]);
        const bool allFlows = std::all_of(flows.begin(), flows.end(), filled);
        const bool anyFlow = std::any_of(flows.begin(), flows.end(), filled);
        if (house && allFlows) {
            ++complete;
            continue;
        }
        if (house || anyFlow || singlePoint) {
            QLineEdit* empty = housePressure[s];
            if (house)
                empty = *std::find_if_not(flows.begin(), flows.end(), filled);
            return refuse(empty, incomplete, showMessages);
        }
    }
    if (!singlePoint && complete < 2)
        return refuse(
            housePressure[size_t(complete)],
            QStringLiteral("At least two datasets must be entered for multi-point tests."),
            showMessages);
    return checkAllReadings(showMessages);
}

bool HouseLeakageTab::HLCalculate(bool showMessages)
{
    ClearHLResults();
    if (!ValidateHLInputs(showMessages))
        return false;
    std::shared_ptr<const HLResultsSnapshot> results;
    if (!prepareCalculation(showMessages, results)) {
        ClearHLResults();
        return false;
    }
    if (!readResults(showMessages, *results)) {
        ClearHLResults();
        return false;
    }
    m_results = std::move(results);
    return true;
}

bool HouseLeakageTab::prepareCalculation(bool showMessages,
                                         std::shared_ptr<const HLResultsSnapshot>& results)
{
    Session::Filling filling(m_ctx.session);
    auto& ui = *m_ui;
    const HouseDataBoxes& house = m_house;
    try {
        // A fresh test each time: a test object keeps every data set it was ever given, and
        // the last calculation's readings must not mix into this one.
        mobjHLTest = std::make_unique<HouseLeakageTest>();
        HouseLeakageTest& test = *mobjHLTest;
        test.setLblClimateZone(vbrt::cint(m_ctx.session.mstrClimateLBLZone()));
        test.setWinterTimeDesignTemperature(m_ctx.session.msngClimateWinterDesignTemp());
        test.setGrainDifferenceSummer(m_ctx.session.msngClimateSummerGrainDiff());
        test.setTestType(int16_t(ComboData(ui.cmbHLTestType)));
        const int direction = ComboData(ui.cmbHLTestDirection2);
        test.setTestDirection(int16_t(vbrt::mod(direction, 2)));
        test.setGaugeLocation(int16_t(vbrt::intDiv(direction, 2)));
        GetRangeConstantsFromDropText(ui.cmbHLRange->currentText(), direction, test);

        test.setInsideTempF(vbrt::csng(ui.txtHLInsideTemp->text()));
        test.setOutsideTempF(vbrt::csng(ui.txtHLOutsideTemp->text()));
        test.setLivingAreaSqFt(vbrt::clng(house.livingArea->text()));
        test.setStories(int16_t(ComboData(house.stories)));
        test.setAverageCeilingHeightFt(vbrt::csng(house.ceilingHeight->text()));
        test.setBedrooms(vbrt::csng(house.bedrooms->text()));
        test.setWindExposure(int16_t(ComboData(ui.cmbHLWindFactor)));
        const hl::RangeKind kind = rangeKind();
        test.setFlowCalculated(kind != hl::RangeKind::MeasuredDirectly);
        test.setFanCount(kind == hl::RangeKind::TwoBlowers ? 2 : 1);

        const bool singlePoint = test.TestType() == 1;
        std::array<hl::DatasetReadings, hl::DatasetCount> rows;
        for (size_t i = 0; i < hl::DatasetCount; ++i) {
            if (singlePoint && i > 0)
                break;
            rows[i].house = value(housePressure[i]);
            if (kind == hl::RangeKind::MeasuredDirectly) {
                rows[i].testFlow = value(testFlow[i]);
            } else {
                rows[i].flow = value(flowPressure[i]);
                if (kind == hl::RangeKind::TwoBlowers)
                    rows[i].flow2 = value(flowPressure2[i]);
            }
        }
        const hl::DatasetMap map = hl::feedDatasets(test, rows, singlePoint, kind);
        // Every figure at once, while the test holds exactly these inputs; a figure the test
        // cannot compute keeps its error and raises it where it is read.
        results =
            std::make_shared<const HLResultsSnapshot>(HLResultsSnapshot::capture(test, map.count));
        const auto& datasets = results->datasets();
        if (kind != hl::RangeKind::MeasuredDirectly) {
            for (int d = 0; d < map.count; ++d)
                testFlow[size_t(map.row[size_t(d)])]->setText(
                    vbrt::format(datasets[size_t(d)].testFlow.value(), "#,##0"));
        }

        bool pointWarning = false;
        for (int d = 0; d < map.count; ++d) {
            const int row = map.row[size_t(d)];
            const float error = datasets[size_t(d)].errorPercentage.value();
            testError[size_t(row)]->setText(vbrt::format(error, singlePoint ? "#,##0.0" : "##0.0"));
            // A point off by more than 5 per cent either way is one to measure again.
            const bool offLine = vbrt::gt(std::fabs(error), 5.0);
            markPointError(row, offLine);
            pointWarning = pointWarning || offLine;
        }
        if (pointWarning && showMessages)
            warn(QStringLiteral("ERROR CHECK!  Error % on Individual Point.  Multi-point test may "
                                "be unreliable.") +
                 Crlf +
                 QStringLiteral("This message appears if any individual reading is off by more "
                                "than 5% of the best line fit.") +
                 Crlf +
                 QStringLiteral("Review the test on House Leakage Test tab and determine which "
                                "reading(s) are in error.") +
                 Crlf +
                 QStringLiteral("If only one is way out, bring the building back up to that "
                                "pressure and double-check the data.  Rerun the test."));
        return true;
    } catch (const DatabaseError& e) {
        // The range constants could not be read: the entries are not at fault.
        reportDatabaseFailure(m_ctx.state, QStringLiteral("The results could not be calculated."),
                              e);
        return false;
    } catch (...) {
        logHandledError(m_ctx.state, HandledError::Preparing, QStringLiteral("HLCalculate"),
                        toError(std::current_exception()));
        return false;
    }
}

bool HouseLeakageTab::readResults(bool showMessages, const HLResultsSnapshot& results)
{
    Session::Filling filling(m_ctx.session);
    auto& ui = *m_ui;
    try {
        const float measured = results.MeasuredLeakageSqIn();
        ui.txtActualLeakage->setText(vbrt::format(vbrt::single(measured / 144.0), "#,##0.0"));
        ui.txtOptimumLeakage->setText(
            vbrt::format(vbrt::single(results.OptimumLeakageSqIn() / 144.0), "#,##0.0"));
        ui.txtActualLeakageCrack->setText(
            vbrt::format(vbrt::single(measured * 2.0 / 12.0), "#,##0.0"));
        ui.txtEstimatedAirChanges->setText(
            vbrt::format(results.EstimatedAirChangesDaily(), "#,##0.0"));
        ui.txtOptimumAirChanges->setText(vbrt::format(results.OptimumAirChangesDaily(), "#,##0.0"));

        // The explanation names 0.40, but 0.45 is the bound; the next line calls 0.45 fair.
        const float n = results.N();
        if (showMessages && (vbrt::lt(n, 0.45) || vbrt::gt(n, 1.1)))
            warn(QStringLiteral("ERROR CHECK!  N Value (") + vbrt::format(n, "#,##0.00") +
                 QStringLiteral(") Out of Bounds.") + Crlf +
                 QStringLiteral("This message appears if the N value (line slope) is less than "
                                "0.40 or greater than 1.1.") +
                 Crlf +
                 QStringLiteral("This could occur as the result of an operator error or wind, "
                                "especially if readings are taken below 20 Pa.") +
                 Crlf +
                 QStringLiteral("On a leaky building, an N value as low as 0.45 is not too "
                                "unreasonable given the error tolerances.  More data would help, "
                                "especially at higher House Pressures."));
        const float correlation = results.CorrelationCoefficient();
        if (showMessages && vbrt::lt(correlation, 0.99))
            warn(
                QStringLiteral("ERROR CHECK!  Correlation Coefficient (") +
                vbrt::format(correlation, "0.00") + QStringLiteral(") Under 99%.") + Crlf +
                QStringLiteral(
                    "This message appears if the Correlation Coefficient is less than 0.9900.") +
                Crlf +
                QStringLiteral("This is a measure of how well the data 'fits' the best fit line.") +
                Crlf +
                QStringLiteral("A high correlation is not always a reliable indication of test "
                               "quality, however, as a low number of poor readings can result in "
                               "an apparently 'good' fit."));

        m_resultsCalculated = true;
        for (QPushButton* button :
             {ui.cmdHLViewClientReport, ui.cmdHLPrintClientReport, ui.cmdHLViewTechReport,
              ui.cmdHLPrintTechReport, ui.cmdContinueFromHLTab})
            button->setEnabled(true);
        return true;
    } catch (...) {
        logHandledError(m_ctx.state, HandledError::Calculating, QStringLiteral("HLCalculate"),
                        toError(std::current_exception()));
        return false;
    }
}

void HouseLeakageTab::warn(const QString& text)
{
    m_ctx.state.dialogs.msgBox(text, MsgButtons::OK, MsgIcon::Exclamation, ProgramState::title());
}

void HouseLeakageTab::markPointError(int dataset, bool marked)
{
    QLineEdit* box = testError[size_t(dataset)];
    QPalette p = box->palette();
    p.setColor(QPalette::Text,
               marked ? QColor(0xC0, 0x00, 0x00) : QApplication::palette().color(QPalette::Text));
    box->setPalette(p);
    QFont font = box->font();
    font.setBold(marked);
    box->setFont(font);
    box->setToolTip(
        marked ? QStringLiteral("More than 5% off the best-fit line: measure this point again.")
               : QString());
}

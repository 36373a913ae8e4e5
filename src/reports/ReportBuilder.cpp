// The report pattern: columns into a one-row record set, the record into its layout, the
// layout on screen or to the printer.
#include "ReportBuilder.h"

#include "DatabaseAction.h"
#include "DatabaseError.h"
#include "Dialogs.h"
#include "HouseLeakageTest.h"
#include "ProgramState.h"
#include "WaitCursor.h"
#include "frmHVACMain.h"
#include "report/ReportLayout.h"
#include "report/ReportOutput.h"
#include "report/ReportWindow.h"
#include "ui_ClientSurveyPage.h"
#include "ui_HomePage.h"
#include "ui_HouseLeakagePage.h"
#include "vberror.h"
#include "vbformat.h"

#include <QApplication>
#include <QPushButton>

// The layouts live in this static library's resources, which must be registered by hand.
static void registerLayoutResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(layouts);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

// The normal pointer while a dialog waits for the user, the hourglass again afterwards.
class NormalCursor
{
public:
    NormalCursor() : m_active(QApplication::overrideCursor() != nullptr)
    {
        if (m_active)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursor()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    bool m_active;
};

} // namespace

ReportBuilder::ReportBuilder(frmHVACMain& form)
    : m_form(form), m_noTest(std::make_unique<HouseLeakageTest>())
{
    registerLayoutResources();
    auto& ui = *m_form.hl;
    connect(ui.cmdHLViewClientReport, &QPushButton::clicked, this,
            &ReportBuilder::cmdHLViewClientReport_Click);
    connect(ui.cmdHLPrintClientReport, &QPushButton::clicked, this,
            &ReportBuilder::cmdHLPrintClientReport_Click);
    connect(ui.cmdHLViewTechReport, &QPushButton::clicked, this,
            &ReportBuilder::cmdHLViewTechReport_Click);
    connect(ui.cmdHLPrintTechReport, &QPushButton::clicked, this,
            &ReportBuilder::cmdHLPrintTechReport_Click);
}

ReportBuilder::~ReportBuilder()
{
    for (const auto& window : std::as_const(m_windows))
        delete window.data();
}

QString ReportBuilder::layoutResource(const QString& layout)
{
    return QStringLiteral(":/layouts/") + layout + QStringLiteral(".json");
}

HouseLeakageTest& ReportBuilder::currentTest()
{
    return m_form.mobjHLTest ? *m_form.mobjHLTest : *m_noTest;
}

ReportBuilder::ReportColumns ReportBuilder::headerColumns(const QString& kind)
{
    const auto& survey = *m_form.survey;
    const auto& hl = *m_form.hl;
    return {
        {QStringLiteral("Title"),
         kind + QStringLiteral(" House Leakage Test Report #") + hl.txtHLTestNum->text()},
        {QStringLiteral("ClientInfo"),
         reporting::joined({survey.txtClientName->text(), survey.txtClientStreet->text(),
                            survey.cmbClientCity->currentText(),
                            survey.cmbClientState->currentText()})},
        {QStringLiteral("TechInfo"),
         reporting::techInfo(m_form.state.gcnnUser, m_form.home->cmbTechnician->currentText())},
        {QStringLiteral("TestDate"),
         vbrt::formatDate(hl.txtHLTestDateTime->text(), "MMMM D, YYYY")},
    };
}

BuiltReport ReportBuilder::BuildHouseReport()
{
    BuiltReport report;
    const ReportColumns columns = houseReportColumns(&report.layout);
    report.row = reporting::openReportRecord(m_form.state.gcnnUser, columns);
    return report;
}

BuiltReport ReportBuilder::BuildTechnicalReport()
{
    BuiltReport report;
    const ReportColumns columns = technicalReportColumns(&report.layout);
    report.row = reporting::openReportRecord(m_form.state.gcnnUser, columns);
    return report;
}

std::optional<ReportBuilder::ReportColumns>
ReportBuilder::computedColumns(const std::function<ReportColumns()>& columns)
{
    // Before any calculation the buttons are off: asking then is the program's own fault.
    if (!m_form.mobjHLTest)
        return columns();
    try {
        return columns();
    } catch (const DatabaseError&) {
        throw; // the database action tells it
    } catch (const vbrt::Error& e) {
        // A figure that cannot be computed (an unknown or extreme climate, house value or
        // reading) leaves this report out; the program goes on.
        m_form.state.gLog.NewEntry(QStringLiteral("The report could not be computed.  Error "
                                                  "number:  ") +
                                   vbrt::cstr(qint64(e.number())) +
                                   QStringLiteral(".  Error Text:  '") + e.description() +
                                   QStringLiteral("'"));
        m_form.state.dialogs.msgBox(ReportNotComputed, platform::MsgButtons::OK,
                                    platform::MsgIcon::Exclamation, ProgramState::title());
        return std::nullopt;
    }
}

void ReportBuilder::CreateHouseReport(int mode)
{
    create(mode, &ReportBuilder::houseReportColumns);
}

void ReportBuilder::CreateTechnicalReport(int mode)
{
    create(mode, &ReportBuilder::technicalReportColumns);
}

void ReportBuilder::create(int mode, ReportColumns (ReportBuilder::*columnsOf)(QString*))
{
    BuiltReport report;
    std::optional<ReportColumns> columns;
    const bool read = runDatabaseAction(
        m_form.state, DbAccess::Read, QStringLiteral("The report could not be made."), [&] {
            columns = computedColumns([&] { return (this->*columnsOf)(&report.layout); });
            if (columns)
                report.row = reporting::openReportRecord(m_form.state.gcnnUser, *columns);
        });
    if (read && columns)
        present(report, mode);
}

void ReportBuilder::present(const BuiltReport& report, int mode)
{
    platform::ReportLayout layout =
        platform::ReportLayout::load(layoutResource(report.layout), report.row);
    platform::Dialogs& dialogs = m_form.state.dialogs;
    if (mode == ShowReport) {
        QPointer<platform::ReportWindow>& window = m_windows[report.layout];
        if (window)
            window->setReport(std::move(layout), report.row);
        else
            window = new platform::ReportWindow(std::move(layout), report.row, dialogs, &m_form);
        window->show();
        window->raise();
        window->activateWindow();
    } else if (mode == PrintReport) {
        NormalCursor normal;
        try {
            platform::printReportWithDialog(layout, report.row, dialogs);
        } catch (const vbrt::Error& e) {
            // A printer (or print file) that cannot be opened is told, not fatal: the user
            // can pick another one.
            if (e.number() != platform::ErrReportOutput)
                throw;
            dialogs.msgBox(e.description(), platform::MsgButtons::OK, platform::MsgIcon::Critical,
                           ProgramState::title());
        }
    }
}

platform::ReportWindow* ReportBuilder::reportWindow(const QString& layout) const
{
    return m_windows.value(layout).data();
}

void ReportBuilder::cmdHLViewClientReport_Click()
{
    platform::WaitCursor wait;
    CreateHouseReport(ShowReport);
}

void ReportBuilder::cmdHLPrintClientReport_Click()
{
    {
        platform::WaitCursor wait;
        CreateHouseReport(PrintReport);
    }
    m_form.hl->cmdHLPrintTechReport->setFocus();
}

void ReportBuilder::cmdHLViewTechReport_Click()
{
    platform::WaitCursor wait;
    CreateTechnicalReport(ShowReport);
}

void ReportBuilder::cmdHLPrintTechReport_Click()
{
    {
        platform::WaitCursor wait;
        CreateTechnicalReport(PrintReport);
    }
    m_form.hl->cmdContinueFromHLTab->setFocus();
}

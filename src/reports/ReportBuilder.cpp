// The report pattern: columns into a one-row record set, the record into its layout, the
// layout on screen or to the printer.
#include "ReportBuilder.h"

#include "DatabaseAction.h"
#include "DatabaseError.h"
#include "Dialogs.h"
#include "HLResultsSnapshot.h"
#include "HouseLeakageTest.h"
#include "ProgramState.h"
#include "WaitCursor.h"
#include "report/ReportLayout.h"
#include "report/ReportOutput.h"
#include "report/ReportWindow.h"
#include "vberror.h"
#include "vbformat.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
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

ReportBuilder::ReportBuilder(ProgramState& state, QWidget* window, const Buttons& buttons,
                             const ReportSource& source)
    : m_state(state), m_window(window), m_buttons(buttons), m_source(source)
{
    registerLayoutResources();
    const Buttons& ui = m_buttons;
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

reporting::ReportContent ReportBuilder::reportOf(MakeReport make) const
{
    const reporting::ReportHeader header = m_source.reportHeader();
    if (const auto results = m_source.results())
        return make(*results, header);
    HouseLeakageTest never;
    return make(HLResultsSnapshot::capture(never, 0), header);
}

BuiltReport ReportBuilder::build(MakeReport make)
{
    return reporting::buildReport(m_state.gcnnUser, reportOf(make));
}

BuiltReport ReportBuilder::BuildHouseReport()
{
    return build(&reporting::houseReport);
}

BuiltReport ReportBuilder::BuildTechnicalReport()
{
    return build(&reporting::technicalReport);
}

std::optional<reporting::ReportContent> ReportBuilder::computedReport(MakeReport make)
{
    // With no results the buttons are off: asking then is the program's own fault.
    if (!m_source.results())
        return reportOf(make);
    try {
        return reportOf(make);
    } catch (const DatabaseError&) {
        throw; // the database action tells it
    } catch (const vbrt::Error& e) {
        // A figure that cannot be computed (an unknown or extreme climate, house value or
        // reading) leaves this report out; the program goes on.
        m_state.gLog.NewEntry(QStringLiteral("The report could not be computed.  Error "
                                             "number:  ") +
                              vbrt::cstr(qint64(e.number())) + QStringLiteral(".  Error Text:  '") +
                              e.description() + QStringLiteral("'"));
        m_state.dialogs.msgBox(ReportNotComputed, platform::MsgButtons::OK,
                               platform::MsgIcon::Exclamation, ProgramState::title());
        return std::nullopt;
    }
}

void ReportBuilder::CreateHouseReport(int mode)
{
    create(mode, &reporting::houseReport);
}

void ReportBuilder::CreateTechnicalReport(int mode)
{
    create(mode, &reporting::technicalReport);
}

void ReportBuilder::create(int mode, MakeReport make)
{
    BuiltReport report;
    std::optional<reporting::ReportContent> content;
    const bool read = runDatabaseAction(
        m_state, DbAccess::Read, QStringLiteral("The report could not be made."), [&] {
            content = computedReport(make);
            if (content)
                report = reporting::buildReport(m_state.gcnnUser, *content);
        });
    if (read && content)
        present(report, mode);
}

void ReportBuilder::present(const BuiltReport& report, int mode)
{
    platform::ReportLayout layout =
        platform::ReportLayout::load(layoutResource(report.layout), report.row);
    platform::Dialogs& dialogs = m_state.dialogs;
    if (mode == ShowReport) {
        QPointer<platform::ReportWindow>& window = m_windows[report.layout];
        if (window)
            window->setReport(std::move(layout), report.row);
        else
            window = new platform::ReportWindow(std::move(layout), report.row, dialogs, m_window);
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
    m_buttons.cmdHLPrintTechReport->setFocus();
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
    m_buttons.cmdContinueFromHLTab->setFocus();
}

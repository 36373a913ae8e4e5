#pragma once

#include "HouseLeakageReports.h"
#include "ReportSource.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class HLResultsSnapshot;
class QPushButton;
class QWidget;
struct ProgramState;

namespace platform {
class ReportWindow;
}

// The house and technical reports of the House Leakage Test page. Each takes the results
// snapshot of the last calculation and the header the pages show now, makes the one-row record
// on gcnnUser and shows it (mode 0, in a window of its own) or prints it (mode 1, through the
// print dialog). Asked for with no results standing, the first figure raises the test's error.
class ReportBuilder : public QObject
{
public:
    static constexpr int ShowReport = 0;
    static constexpr int PrintReport = 1;

    // The report buttons of the House Leakage Test page, and the one that leads on from it.
    struct Buttons
    {
        QPushButton* cmdHLViewClientReport = nullptr;
        QPushButton* cmdHLPrintClientReport = nullptr;
        QPushButton* cmdHLViewTechReport = nullptr;
        QPushButton* cmdHLPrintTechReport = nullptr;
        QPushButton* cmdContinueFromHLTab = nullptr;
    };

    // The reports are shown over window.
    ReportBuilder(ProgramState& state, QWidget* window, const Buttons& buttons,
                  const ReportSource& source);
    ~ReportBuilder() override;

    void CreateHouseReport(int mode);
    void CreateTechnicalReport(int mode);

    // The four report buttons of the House Leakage Test page.
    void cmdHLViewClientReport_Click();
    void cmdHLPrintClientReport_Click();
    void cmdHLViewTechReport_Click();
    void cmdHLPrintTechReport_Click();

    // Each report of the results and the pages as they stand now, opened as a record on
    // gcnnUser.
    BuiltReport BuildHouseReport();
    BuiltReport BuildTechnicalReport();

    // The on-screen window of a layout while it is open, else null.
    platform::ReportWindow* reportWindow(const QString& layout) const;

    // The layout file of a report, from the program's resources.
    static QString layoutResource(const QString& layout);

    // Told instead of a report whose figures cannot be computed.
    static inline const QString ReportNotComputed = QStringLiteral(
        "This report cannot be prepared: some of its figures cannot be computed from the test, "
        "the house data and the client's climate (a value is missing or out of range).  Please "
        "check them and calculate the test again.");

private:
    using MakeReport = reporting::ReportContent (*)(const HLResultsSnapshot&,
                                                    const reporting::ReportHeader&);

    // Makes a report's record and shows (mode 0) or prints (mode 1) it.
    void create(int mode, MakeReport make);
    void present(const BuiltReport& report, int mode);
    // The report, or none after telling the user that its figures cannot be computed.
    std::optional<reporting::ReportContent> computedReport(MakeReport make);
    // The report of the standing results; with none, of results that were never calculated,
    // so that the first figure raises the test's own error.
    reporting::ReportContent reportOf(MakeReport make) const;
    BuiltReport build(MakeReport make);

    ProgramState& m_state;
    QWidget* m_window;
    Buttons m_buttons;
    const ReportSource& m_source;
    // One shared window per layout, as each layout had one instance.
    QHash<QString, QPointer<platform::ReportWindow>> m_windows;
};

#pragma once

#include "ReportColumns.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSqlRecord>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class frmHVACMain;
class HouseLeakageTest;

namespace platform {
class ReportWindow;
}

// A report ready to show: which layout, and the one-row record its boxes are bound to.
struct BuiltReport
{
    QString layout; // "drpTightHouse", "drpLooseHouse", "drpTightTechnical", "drpLooseTechnical"
    QSqlRecord row;
};

// The house and technical reports of the House Leakage Test page. Each builder reads the page
// and the form's house leakage test as the last calculation left them, makes the one-row
// record on gcnnUser and shows it (mode 0, in a window of its own) or prints it (mode 1,
// through the print dialog). Asked for before a calculation, the test raises its own error.
class ReportBuilder : public QObject
{
public:
    using ReportColumns = reporting::ReportColumns;

    static constexpr int ShowReport = 0;
    static constexpr int PrintReport = 1;

    explicit ReportBuilder(frmHVACMain& form);
    ~ReportBuilder() override;

    void CreateHouseReport(int mode);
    void CreateTechnicalReport(int mode);

    // The four report buttons of the House Leakage Test page.
    void cmdHLViewClientReport_Click();
    void cmdHLPrintClientReport_Click();
    void cmdHLViewTechReport_Click();
    void cmdHLPrintTechReport_Click();

    // The columns of each report, in their order, as the page and the test stand now.
    ReportColumns houseReportColumns(QString* layout = nullptr);
    ReportColumns technicalReportColumns(QString* layout = nullptr);
    // The same opened as a record on gcnnUser.
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
    // Builds a report's record from its columns and shows (mode 0) or prints (mode 1) it.
    void create(int mode, ReportColumns (ReportBuilder::*columnsOf)(QString*));
    void present(const BuiltReport& report, int mode);
    // The columns, or none after telling the user that they cannot be computed.
    std::optional<ReportColumns> computedColumns(const std::function<ReportColumns()>& columns);
    // The form's test; before any calculation an empty one, so that reading a result raises
    // the test's own error.
    HouseLeakageTest& currentTest();
    ReportColumns headerColumns(const QString& kind);

    frmHVACMain& m_form;
    std::unique_ptr<HouseLeakageTest> m_noTest;
    // One shared window per layout, as each layout had one instance.
    QHash<QString, QPointer<platform::ReportWindow>> m_windows;
};

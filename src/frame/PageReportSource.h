#pragma once

#include "ReportSource.h"

class frmHVACMain;

// The reports' figures and texts as the main form shows them: the house leakage page's last
// results, the client and house data of the Client Survey page, the technician chosen on the
// Home page, the test's entries and the current climate.
class PageReportSource final : public ReportSource
{
public:
    explicit PageReportSource(const frmHVACMain& form) : m_form(form) {}

    std::shared_ptr<const HLResultsSnapshot> results() const override;
    reporting::ReportHeader reportHeader() const override;

private:
    const frmHVACMain& m_form;
};

#pragma once

#include <QObject>

class frmHVACMain;

// The Flow Hood Leak Test page. Flow hood tests are not available in this program: the page
// takes no readings, so nothing on it is ever pending, and it only moves on.
class FlowHoodTab : public QObject
{
public:
    explicit FlowHoodTab(frmHVACMain& form);

    void PrepFHATab();
    // Nothing is pending on the page, so there is nothing to store: always true.
    bool FHSave();
    void ClearFHATab();

    // Keeps the efficiency page's total duct leakage at supply + return; empty while either
    // box holds no number.
    void CalculateTotalLeaks();

private:
    frmHVACMain& m_form;
};

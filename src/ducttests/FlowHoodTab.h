#pragma once

#include "PageBehaviour.h"

#include <QObject>

class QLineEdit;
class Session;

// The efficiency page's duct leakage boxes whose total the flow hood page keeps.
struct DuctLeakBoxes
{
    QLineEdit* supply = nullptr;
    QLineEdit* ret = nullptr;
    QLineEdit* total = nullptr;
};

// The Flow Hood Leak Test page. Flow hood tests are not available in this program: the page
// takes no readings, so nothing on it is ever pending, and it only moves on.
class FlowHoodTab : public QObject, public PageBehaviour
{
public:
    FlowHoodTab(Session& session, const DuctLeakBoxes& leaks);

    // The page as the tab hub leaves or enters it. After a save on the way out, the page
    // entered is shown as it stands, not prepared.
    bool holdsEntries() const override { return true; }
    bool save() override { return FHSave(); }
    void discard() override { ClearFHATab(); }
    void prepare() override { PrepFHATab(); }
    bool preparesNextAfterSave() const override { return false; }

    void PrepFHATab();
    // Nothing is pending on the page, so there is nothing to store: always true.
    bool FHSave();
    void ClearFHATab();

    // Keeps the efficiency page's total duct leakage at supply + return; empty while either
    // box holds no number.
    void CalculateTotalLeaks();

private:
    Session& m_session;
    DuctLeakBoxes m_leaks;
};

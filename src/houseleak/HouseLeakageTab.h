#pragma once

#include <QObject>

#include <cstdint>

class frmHVACMain;

// The House Leakage Test page: blower models and ranges, data sets, calculation, saving, list.
class HouseLeakageTab : public QObject
{
public:
    explicit HouseLeakageTab(frmHVACMain& form);

    // Start-up: the data-set rows' positions, the lists and the test grid.
    void TakeRowPositions();
    void RefreshBlowerModel();
    void RefreshRange();
    void SetUpHLTests();

    void PrepHLTestTab(int32_t hltId);
    // False when a check refused and nothing was saved.
    bool HLSave();
    void ClearHLTab();

private:
    frmHVACMain& m_form;
};

#pragma once

#include <QObject>

class frmHVACMain;

// The Efficiency Analysis page: entry, checks, saving and the list of saved analyses.
class EfficiencyTab : public QObject
{
public:
    explicit EfficiencyTab(frmHVACMain& form);

    void SetUpDLGrid();
    void PrepDLATab();
    // False when a check refused and nothing was saved.
    bool DLSave();
    void ClearDLATab();

private:
    frmHVACMain& m_form;
};

#pragma once

#include <QObject>

class frmHVACMain;

// The Flow Hood Leak Test page.
class FlowHoodTab : public QObject
{
public:
    explicit FlowHoodTab(frmHVACMain& form);

    void PrepFHATab();
    bool FHSave();
    void ClearFHATab();

private:
    frmHVACMain& m_form;
};

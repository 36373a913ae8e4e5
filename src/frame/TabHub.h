#pragma once

#include <QObject>

class frmHVACMain;

// Moving between the main form's pages.
class TabHub : public QObject
{
public:
    explicit TabHub(frmHVACMain& form);

    void tabMain_Click(int previousTab);
    void CheckTabEnables();
    void cmdContinueFromHome_Click();
    void cmdContinueFromHLTab_Click();
    void cmdContinueFromFlowHoodTab_Click();
    void cmdGoHome_Click();

private:
    frmHVACMain& m_form;
};

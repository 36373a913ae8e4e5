#include "TabHub.h"

#include "frmHVACMain.h"

TabHub::TabHub(frmHVACMain& form) : m_form(form) {}

void TabHub::tabMain_Click(int) {}
void TabHub::CheckTabEnables() {}
void TabHub::cmdContinueFromHome_Click() {}
void TabHub::cmdContinueFromHLTab_Click() {}
void TabHub::cmdContinueFromFlowHoodTab_Click() {}
void TabHub::cmdGoHome_Click() {}

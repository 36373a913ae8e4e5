#include "FlowHoodTab.h"

#include "frmHVACMain.h"

FlowHoodTab::FlowHoodTab(frmHVACMain& form) : m_form(form) {}

void FlowHoodTab::PrepFHATab() {}
bool FlowHoodTab::FHSave() { return true; }
void FlowHoodTab::ClearFHATab() {}

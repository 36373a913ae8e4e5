#include "EfficiencyTab.h"

#include "frmHVACMain.h"

EfficiencyTab::EfficiencyTab(frmHVACMain& form) : m_form(form) {}

void EfficiencyTab::SetUpDLGrid() {}
void EfficiencyTab::PrepDLATab() {}
bool EfficiencyTab::DLSave() { return true; }
void EfficiencyTab::ClearDLATab() {}

#include "HouseLeakageTab.h"

#include "frmHVACMain.h"

HouseLeakageTab::HouseLeakageTab(frmHVACMain& form) : m_form(form) {}

void HouseLeakageTab::TakeRowPositions() {}
void HouseLeakageTab::RefreshBlowerModel() {}
void HouseLeakageTab::RefreshRange() {}
void HouseLeakageTab::SetUpHLTests() {}
void HouseLeakageTab::PrepHLTestTab(int32_t) {}
bool HouseLeakageTab::HLSave() { return true; }
void HouseLeakageTab::ClearHLTab() {}

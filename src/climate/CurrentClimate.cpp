#include "CurrentClimate.h"

#include "frmHVACMain.h"

CurrentClimate::CurrentClimate(frmHVACMain& form) : m_form(form) {}

bool CurrentClimate::SetCurrentClimate(const QString&) { return false; }
void CurrentClimate::UpdateStandardClimateCaption(const QString&) {}

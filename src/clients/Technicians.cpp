#include "Technicians.h"

#include "frmHVACMain.h"

Technicians::Technicians(frmHVACMain& form) : m_form(form) {}

void Technicians::RefreshTechnician() {}

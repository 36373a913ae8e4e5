#include "FlowHoodTab.h"

#include "frmHVACMain.h"
#include "ui_EfficiencyPage.h"
#include "vbconvert.h"
#include "vbformat.h"

#include <QLineEdit>

FlowHoodTab::FlowHoodTab(frmHVACMain& form) : m_form(form) {}

void FlowHoodTab::PrepFHATab()
{
    m_form.session.mintCurrentFHTestID = -1;
}

bool FlowHoodTab::FHSave()
{
    return true;
}

void FlowHoodTab::ClearFHATab()
{
    m_form.session.mintCurrentFHTestID = -1;
}

void FlowHoodTab::CalculateTotalLeaks()
{
    const auto supply = vbrt::parseNumber(m_form.dl->txtDLSupplyLeaksSqIn->text());
    const auto ret = vbrt::parseNumber(m_form.dl->txtDLReturnLeaksSqIn->text());
    m_form.dl->txtDLTotalLeaksSqIn->setText(supply && ret ? vbrt::format(*supply + *ret, "#,##0.0")
                                                          : QString());
}

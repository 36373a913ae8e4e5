#include "FlowHoodTab.h"

#include "Session.h"
#include "vbconvert.h"
#include "vbformat.h"

#include <QLineEdit>

FlowHoodTab::FlowHoodTab(Session& session, const DuctLeakBoxes& leaks)
    : m_session(session), m_leaks(leaks)
{
}

void FlowHoodTab::PrepFHATab()
{
    m_session.mintCurrentFHTestID = -1;
}

bool FlowHoodTab::FHSave()
{
    return true;
}

void FlowHoodTab::ClearFHATab()
{
    m_session.mintCurrentFHTestID = -1;
}

void FlowHoodTab::CalculateTotalLeaks()
{
    const auto supply = vbrt::parseNumber(m_leaks.supply->text());
    const auto ret = vbrt::parseNumber(m_leaks.ret->text());
    m_leaks.total->setText(supply && ret ? vbrt::format(*supply + *ret, "#,##0.0") : QString());
}

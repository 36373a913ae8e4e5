#include "WaitCursor.h"

#include <QApplication>

namespace platform {

WaitCursor::WaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    restore();
}

void WaitCursor::restore()
{
    if (!m_active)
        return;
    m_active = false;
    QApplication::restoreOverrideCursor();
}

} // namespace platform

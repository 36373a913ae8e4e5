#include "WheelGuard.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>

namespace platform {

void WheelGuard::install()
{
    QCoreApplication* app = QCoreApplication::instance();
    Q_ASSERT(app);
    if (app->findChild<WheelGuard*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    // At the application it sees the wheel of every combo box, also of windows opened later;
    // a turn over the edit part of an editable list reaches the list itself as well.
    app->installEventFilter(new WheelGuard(app));
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    // An open list takes the wheel in its own popup window, not here.
    const auto* combo = qobject_cast<QComboBox*>(watched);
    return combo && !combo->view()->isVisible();
}

} // namespace platform

#pragma once

#include <QObject>

namespace platform {

// Turning the mouse wheel over a closed combo box leaves its choice alone, in every window of
// the program: a list changes only when the user picks from its open list or types keys while
// it has the focus, never because the wheel passed over it on the way to somewhere else.
class WheelGuard : public QObject
{
    Q_OBJECT
public:
    // Installs the guard on the application once; later calls do nothing. The application
    // owns it.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace platform

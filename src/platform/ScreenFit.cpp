#include "ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace platform {

namespace {

// A title bar and thin borders, for a window the window manager has not framed yet.
constexpr QMargins kAssumedFrame(4, 30, 4, 4);

bool framed(const QWidget* window)
{
    return window->frameGeometry() != window->geometry();
}

QMargins frameOf(const QWidget* window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    if (outer != inner)
        return {inner.left() - outer.left(), inner.top() - outer.top(),
                outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    return kAssumedFrame;
}

class ScreenKeeper : public QObject
{
public:
    explicit ScreenKeeper(QWidget* window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
        m_frameCheck.setInterval(50);
        connect(&m_frameCheck, &QTimer::timeout, this, &ScreenKeeper::checkFrame);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            m_wanted = m_window->size();
            fitToScreen(m_window);
            // The frame is known only once the window manager has put it around the window,
            // some time after the show; fit again then, with the frame it really has.
            m_checksLeft = framed(m_window) ? 0 : 40;
            if (m_checksLeft > 0)
                m_frameCheck.start();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void checkFrame()
    {
        if (framed(m_window) || --m_checksLeft <= 0 || !m_window->isVisible()) {
            m_frameCheck.stop();
            if (framed(m_window) && m_window->isVisible()) {
                // The assumed frame may have been larger than the real one.
                m_window->resize(m_wanted);
                fitToScreen(m_window);
            }
        }
    }

    QWidget* m_window;
    QTimer m_frameCheck;
    QSize m_wanted;
    int m_checksLeft = 0;
};

} // namespace

void fitToScreen(QWidget* window)
{
    if (!window)
        return;
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameOf(window);
    // A layout that has not run yet has not set the window's minimum: ask it.
    const QSize minimum = window->minimumSize().expandedTo(window->minimumSizeHint());
    const QSize room = area.size().shrunkBy(frame).expandedTo(minimum);
    const QSize size = window->size().boundedTo(room);
    if (size != window->size())
        window->resize(size);
    // pos() and move() are those of the frame's top left corner. A main window not placed yet
    // goes to the middle; a dialog has been placed over its parent by then.
    const QSize outer = size.grownBy(frame);
    QPoint at = window->pos();
    if (!window->parentWidget() && !window->testAttribute(Qt::WA_Moved))
        at = area.topLeft() +
             QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
    const int x = qMax(area.left(), qMin(at.x(), area.left() + area.width() - outer.width()));
    const int y = qMax(area.top(), qMin(at.y(), area.top() + area.height() - outer.height()));
    if (QPoint(x, y) != window->pos())
        window->move(x, y);
}

void keepOnScreen(QWidget* window)
{
    if (!window)
        return;
    for (const QObject* child : window->children())
        if (dynamic_cast<const ScreenKeeper*>(child))
            return;
    new ScreenKeeper(window);
    if (window->isVisible())
        fitToScreen(window);
}

} // namespace platform

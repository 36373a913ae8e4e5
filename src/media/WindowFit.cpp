#include "WindowFit.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace media {

void fitToScreen(QWidget& window)
{
    QWidget* parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    QScreen* screen = parent ? parent->screen() : window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is not known before the window is shown; the window manager gives it the
    // same as the parent's.
    QMargins frame;
    if (parent && parent->isVisible()) {
        const QRect outer = parent->frameGeometry();
        const QRect inner = parent->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QSize room = area.size().shrunkBy(frame);
    // A layout that has not run yet has not set the window's minimum: ask it.
    const QSize minimum = window.minimumSize().expandedTo(window.minimumSizeHint());
    const QSize size = window.size().boundedTo(room).expandedTo(minimum);
    window.resize(size);

    QRect placed(QPoint(), size.grownBy(frame));
    placed.moveCenter(parent && parent->isVisible() ? parent->frameGeometry().center()
                                                    : area.center());
    placed.moveRight(std::min(placed.right(), area.right()));
    placed.moveBottom(std::min(placed.bottom(), area.bottom()));
    placed.moveLeft(std::max(placed.left(), area.left()));
    placed.moveTop(std::max(placed.top(), area.top()));
    // A window's position is that of its frame.
    window.move(placed.topLeft());
}

QString elidedLines(const QFontMetrics& metrics, const QString& text, int width,
                    Qt::TextElideMode mode)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = metrics.elidedText(line, mode, std::max(0, width));
    return lines.join(QLatin1Char('\n'));
}

void setFittedText(QLabel& label, const QString& text)
{
    const int width = label.contentsRect().width() - 2 * label.margin() - label.indent();
    const QString shown = elidedLines(label.fontMetrics(), text, std::max(0, width));
    label.setText(shown);
    label.setToolTip(shown == text ? QString() : text);
}

} // namespace media

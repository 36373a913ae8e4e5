#include "WindowFit.h"

#include <QFontMetrics>
#include <QLabel>

namespace media {

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

#pragma once

#include <QString>

#include <Qt>

class QFontMetrics;
class QLabel;

// Keeping file names from widening the media windows.
namespace media {

// The text with each line shortened to at most width pixels, "..." marking what was left out.
QString elidedLines(const QFontMetrics& metrics, const QString& text, int width,
                    Qt::TextElideMode mode = Qt::ElideMiddle);

// Shows text in a label without letting it widen the window: each line is shortened to the
// label's width, and the whole text is the label's tool tip when something was left out. Call
// again when the label's width changes.
void setFittedText(QLabel& label, const QString& text);

} // namespace media

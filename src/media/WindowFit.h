#pragma once

#include <QString>

#include <Qt>

class QFontMetrics;
class QLabel;
class QWidget;

// Keeping the media windows on a small screen, and file names from widening them.
namespace media {

// Called as a window is about to be shown: sizes it to fit the available area of the screen
// its parent is on (never below the window's minimum size) and places it centred over the
// parent, moved as far as needed to lie within that area. The window frame is taken to be
// the parent's.
void fitToScreen(QWidget& window);

// The text with each line shortened to at most width pixels, "..." marking what was left out.
QString elidedLines(const QFontMetrics& metrics, const QString& text, int width,
                    Qt::TextElideMode mode = Qt::ElideMiddle);

// Shows text in a label without letting it widen the window: each line is shortened to the
// label's width, and the whole text is the label's tool tip when something was left out. Call
// again when the label's width changes.
void setFittedText(QLabel& label, const QString& text);

} // namespace media

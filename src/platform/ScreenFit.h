#pragma once

class QWidget;

namespace platform {

// Sizes and places a top-level window so that it, frame and title bar included, lies within
// the available area of its screen (the screen less task bars and docks). A window larger
// than that area is made smaller; one that runs past an edge is moved in. Before the window
// manager has framed the window (or where there is none), a typical frame is assumed.
void fitToScreen(QWidget* window);

// fitToScreen each time the window is shown (now too, when it is shown already).
void keepOnScreen(QWidget* window);

} // namespace platform

#pragma once

#include <QString>

struct ProgramState;

// Shows a presentation of the "PowerPoints" folder as a full slide show: in the presentation
// program when there is one, else in the viewer program of the setting "PPView32Path", which
// the user is asked to locate when it cannot be found. Never fails.
void ShowSlideShow(ProgramState& state, const QString& fileName);

// Where the viewer program is looked for when no location has been stored: "Program Files"
// on the root of the program folder's drive ("D:/..." for a program in "D:\Ostrel9", "/..."
// on a system without drives).
QString defaultViewerPath(const QString& programFolder);

// The texts of the slide shows' messages.
namespace slideshow {
QString completedMessage();
QString viewerMissingMessage();
} // namespace slideshow

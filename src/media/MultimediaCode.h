#pragma once

#include <QString>

class QWidget;
struct ProgramState;

// Shows the media viewer as a modal window over parent; returns when the user closes it.
void ShowMediaViewer(ProgramState& state, QWidget* parent);

// Shut-down: closes a slide show left open and quits the presentation program; never fails.
void CloseSlideShows(ProgramState& state);

// Plays a movie of the "Movies" folder (a bare file name) in the movie window, shown modally
// over parent; returns when the window is closed.
void LoadMovieWMP(ProgramState& state, const QString& fileName, QWidget* parent);

// Shows a document of the "PDFs" folder (a bare file name) in the PDF window, shown modally
// over parent; returns when the window is closed.
void ShowPDF(ProgramState& state, const QString& fileName, QWidget* parent);

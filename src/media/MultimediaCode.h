#pragma once

class frmHVACMain;
struct ProgramState;

// Shows the media viewer as a modal window; returns when the user closes it.
void ShowMediaViewer(frmHVACMain& form);

// Shut-down: closes a slide show left open and quits the presentation program; never fails.
void CloseSlideShows(ProgramState& state);

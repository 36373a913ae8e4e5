#include "MultimediaCode.h"

#include "frmHVACMain.h"

void ShowMediaViewer(frmHVACMain&) {}

void CloseSlideShows(ProgramState&) {}

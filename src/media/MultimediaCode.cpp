#include "MultimediaCode.h"

#include "PresentationProgram.h"
#include "ProgramState.h"
#include "frmMediaViewer.h"
#include "frmMoviePlayer.h"
#include "frmPDFViewer.h"

void ShowMediaViewer(ProgramState& state, QWidget* parent)
{
    frmMediaViewer viewer(state, parent);
    viewer.Form_Load();
    viewer.exec();
}

void CloseSlideShows(ProgramState& state)
{
    try {
        if (state.gobjPresentation)
            state.gobjPresentation->Close();
    } catch (...) {
    }
    state.gobjPresentation.reset();
    try {
        if (state.gobjPowerPoint)
            state.gobjPowerPoint->Quit();
    } catch (...) {
    }
    state.gobjPowerPoint.reset();
}

void LoadMovieWMP(ProgramState& state, const QString& fileName, QWidget* parent)
{
    frmMoviePlayer player(state, parent);
    player.setFilename(fileName);
    player.Form_Load();
    player.exec();
}

void ShowPDF(ProgramState& state, const QString& fileName, QWidget* parent)
{
    frmPDFViewer viewer(state, parent);
    viewer.setFilename(fileName);
    viewer.Form_Load();
    viewer.exec();
}

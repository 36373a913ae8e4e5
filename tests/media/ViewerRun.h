#pragma once

#include "MainWindowFixture.h"
#include "MediaTestKit.h"
#include "frmMediaViewer.h"
#include "ui_frmMediaViewer.h"

#include <QDir>

// A whole program run with the media viewer open on it, shown without a modal loop so the
// test can drive it.
struct ViewerRun
{
    MainWindowFixture run;
    std::unique_ptr<frmMediaViewer> viewer;

    // Starts the program; then open() shows the viewer.
    bool start() { return run.start(); }
    frmMediaViewer& open()
    {
        viewer = std::make_unique<frmMediaViewer>(*run.state, &run.form());
        viewer->Form_Load();
        viewer->show();
        return *viewer;
    }
    Ui::frmMediaViewer& ui() { return *viewer->ui; }
    QString folder(const QString& sub) const { return run.folder.file(sub); }
    ScriptedDialogs& dialogs() { return run.dialogs; }
};

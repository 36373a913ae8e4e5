#pragma once

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class frmHVACMain;
struct ProgramState;

// The program's one window; it holds the main form.
class MDIMain : public QMainWindow
{
public:
    explicit MDIMain(ProgramState& state, QWidget* parent = nullptr);
    ~MDIMain() override;

    // Creates and starts the main form; an error here ends the start-up.
    void MDIForm_Load();

    frmHVACMain* form() const { return m_form; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramState& m_state;
    QMdiArea* m_area = nullptr;
    QMdiSubWindow* m_child = nullptr;
    frmHVACMain* m_form = nullptr;
    bool m_unloaded = false;
};

#include "MDIMain.h"

#include "ProgramState.h"
#include "WheelGuard.h"
#include "frmHVACMain.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

MDIMain::MDIMain(ProgramState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(ProgramState::title());
    m_area = new QMdiArea(this);
    setCentralWidget(m_area);
    platform::WheelGuard::install();
}

MDIMain::~MDIMain()
{
    if (!m_unloaded && m_form) {
        m_form->Form_QueryUnload();
        m_form->Form_Unload();
    }
}

void MDIMain::MDIForm_Load()
{
    m_form = new frmHVACMain(m_state);
    m_form->Form_Initialize();
    const QSize formSize = m_form->size();
    m_child =
        m_area->addSubWindow(m_form, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_child->show();
    // The sub-window keeps the form at its designed size, in the top left corner; its contents
    // margins are its frame and title bar.
    const QMargins frame = m_child->contentsMargins();
    m_child->resize(formSize.grownBy(frame));
    m_child->move(0, 0);
    // Showing the sub-window activates it, which must not take the focus the start-up gave.
    if (QWidget* focused = m_form->focusWidget())
        focused->setFocus();
    resize(m_child->size() + QSize(4, 4));
}

void MDIMain::closeEvent(QCloseEvent* event)
{
    if (m_form && !m_unloaded) {
        m_form->Form_QueryUnload();
        m_form->Form_Unload();
        m_unloaded = true;
    }
    event->accept();
}

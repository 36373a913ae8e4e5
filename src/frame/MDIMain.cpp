#include "MDIMain.h"

#include "DatabaseError.h"
#include "ProgramState.h"
#include "ScreenFit.h"
#include "StartupChecks.h"
#include "WheelGuard.h"
#include "frmHVACMain.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>

namespace {

// The height a window manager's title bar and frame typically take.
constexpr int TitleBarRoom = 34;

} // namespace

MDIMain::MDIMain(ProgramState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(ProgramState::title());
    m_area = new QMdiArea(this);
    // On a screen smaller than the main form, the form keeps its size and the area scrolls.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    platform::keepOnScreen(this);
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
    try {
        m_form->Form_Initialize();
    } catch (const DatabaseError& e) {
        // A table or column the start-up reads may still fail; it is told without its SQL.
        refuseStartup(m_state, e);
    }
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
    // Where the screen is too low for the form, the area scrolls up and down: widen the
    // window by the scroll bar so it need not scroll sideways too.
    QSize wanted = m_child->size() + QSize(4, 4);
    if (const QScreen* screen = this->screen();
        screen && screen->availableGeometry().height() < wanted.height() + TitleBarRoom)
        wanted.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_area);
    resize(wanted);
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

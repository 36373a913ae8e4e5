#include "TabHub.h"

#include "ClientRecords.h"
#include "DatabaseAction.h"
#include "Dialogs.h"
#include "EfficiencyTab.h"
#include "FlowHoodTab.h"
#include "HouseLeakageTab.h"
#include "MultimediaCode.h"
#include "PageBehaviour.h"
#include "Pages.h"
#include "ProgramState.h"
#include "frmHVACMain.h"
#include "ui_EfficiencyPage.h"
#include "ui_FlowHoodPage.h"
#include "ui_HomePage.h"
#include "ui_HouseLeakagePage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

TabHub::TabHub(frmHVACMain& form) : m_form(form)
{
    m_shownTab = m_form.tabMain->currentIndex();
    m_form.tabMain->tabBar()->installEventFilter(this);
    connect(m_form.tabMain, &QTabWidget::currentChanged, this, &TabHub::tabMain_CurrentChanged);
    connect(m_form.home->cmdContinueFromHome, &QPushButton::clicked, this,
            &TabHub::cmdContinueFromHome_Click);
    connect(m_form.hl->cmdContinueFromHLTab, &QPushButton::clicked, this,
            &TabHub::cmdContinueFromHLTab_Click);
    connect(m_form.fh->cmdContinueFromFlowHoodTab, &QPushButton::clicked, this,
            &TabHub::cmdContinueFromFlowHoodTab_Click);
    // The pages that end a round of tests lead back home.
    connect(m_form.fh->cmdGoHome, &QPushButton::clicked, this, &TabHub::cmdGoHome_Click);
    connect(m_form.dl->cmdGoHome, &QPushButton::clicked, this, &TabHub::cmdGoHome_Click);
    // The Home page's media button opens the same library as the media page.
    connect(m_form.home->cmdHomePlayMovie, &QPushButton::clicked, this,
            [this] { ShowMediaViewer(m_form.state, m_form.window()); });
}

QString TabHub::currentPage() const
{
    return caption(m_form.tabMain->currentIndex());
}

void TabHub::showPage(const QString& caption)
{
    m_form.tabMain->setCurrentIndex(pageIndex(caption));
}

bool TabHub::eventFilter(QObject* watched, QEvent* event)
{
    // The keys that turn pages need no such care: the tabs' mnemonics are shortcuts, which the
    // field checks see before they act, and the arrow keys act only while the bar has the
    // focus.
    QTabBar* bar = m_form.tabMain->tabBar();
    if (watched != bar)
        return QObject::eventFilter(watched, event);
    bool leaves = false;
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        // A tab takes no focus when clicked, so no focus move would check the box left.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int index = bar->tabAt(mouse->position().toPoint());
        leaves = mouse->button() == Qt::LeftButton && index >= 0 && index != bar->currentIndex() &&
                 bar->isTabEnabled(index);
    } else if (event->type() == QEvent::Wheel) {
        leaves = true;
    }
    if (leaves && !m_form.validation.checkLeaving(bar)) {
        event->accept();
        return true;
    }
    return false;
}

void TabHub::tabMain_CurrentChanged(int index)
{
    const int previous = m_shownTab;
    m_shownTab = index;
    tabMain_Click(previous);
}

int TabHub::pageIndex(const QString& caption) const
{
    for (int i = 0; i < m_form.tabMain->count(); ++i)
        if (m_form.tabMain->tabText(i) == caption)
            return i;
    return -1;
}

QString TabHub::caption(int index) const
{
    return m_form.tabMain->tabText(index);
}

void TabHub::showSilently(int index)
{
    const QSignalBlocker blocker(m_form.tabMain);
    m_form.tabMain->setCurrentIndex(index);
    m_shownTab = m_form.tabMain->currentIndex();
}

void TabHub::registerPage(const QString& caption, PageBehaviour& behaviour)
{
    Q_ASSERT(!m_pages.contains(caption));
    m_pages.insert(caption, &behaviour);
}

PageBehaviour* TabHub::behaviour(const QString& caption) const
{
    return m_pages.value(caption, nullptr);
}

void TabHub::tabMain_Click(int previousTab)
{
    QTabWidget* tabs = m_form.tabMain;
    const int shown = tabs->currentIndex();
    if (previousTab == shown)
        return;
    const QString left = caption(previousTab);
    const QString entered = caption(shown);
    ProgramState& state = m_form.state;

    // Nothing is done for a client until a technician is chosen.
    if (left == pages::Home && entered != pages::Media &&
        m_form.home->cmbTechnician->currentText().isEmpty()) {
        m_form.mblnRevertingTab = true;
        tabs->setCurrentIndex(previousTab);
        state.dialogs.msgBox(QStringLiteral("Every client must be associated with a technician. "
                                            "Please create a technician."),
                             platform::MsgButtons::OK, platform::MsgIcon::None, QString());
        m_form.home->txtAddTechnician->setFocus();
        return;
    }

    if (m_form.session.mblnDataChanged) {
        PageBehaviour* page = behaviour(left);
        const auto answer = state.dialogs.msgBox(
            QStringLiteral("Save changes before switching tabs?"), platform::MsgButtons::YesNo,
            platform::MsgIcon::Question, ProgramState::title());
        if (answer == platform::MsgResult::Yes) {
            // The page's checks run while it is shown, and a check that refuses keeps the
            // user there with the entries as they were.
            showSilently(previousTab);
            if (page && !page->save())
                return;
            showSilently(shown);
            if (page && !page->preparesNextAfterSave())
                m_form.mblnRevertingTab = true;
            if (page && page->holdsEntries())
                m_form.session.mblnDataChanged = false;
        } else {
            m_form.session.mblnDataChanged = false;
            if (page)
                page->discard();
        }
    }

    if (m_form.mblnRevertingTab) {
        m_form.mblnRevertingTab = false;
        if (entered != pages::Home)
            m_form.session.mblnDataChanged = false;
        return;
    }

    if (PageBehaviour* page = behaviour(entered)) {
        page->prepare();
        // Back to the page left, which is prepared again by this handler.
        if (page->returnsWhenPrepared())
            tabs->setCurrentIndex(previousTab);
    }
    m_form.session.mblnDataChanged = false;
}

void TabHub::CheckTabEnables()
{
    QTabWidget* tabs = m_form.tabMain;
    auto* home = m_form.home.get();
    const bool technician = home->cmbTechnician->currentIndex() >= 0;
    const bool client = home->cmbClientSelect->currentIndex() >= 0;
    home->cmdContinueFromHome->setEnabled(technician);

    // Greying out the page shown must not move the control away from it (and run the hub).
    const int shown = tabs->currentIndex();
    {
        const QSignalBlocker blocker(tabs);
        for (int i = 1; i < tabs->count(); ++i)
            tabs->setTabEnabled(i, technician && (i == 1 || client));
        const int media = pageIndex(pages::Media);
        if (media >= 0)
            tabs->setTabEnabled(media, true);
        if (tabs->currentIndex() != shown)
            tabs->setCurrentIndex(shown);
    }
    home->zlblTechDelete->setVisible(technician);
}

void TabHub::cmdContinueFromHome_Click()
{
    m_form.tabMain->setCurrentIndex(pageIndex(pages::ClientSurvey));
}

void TabHub::cmdContinueFromHLTab_Click()
{
    const int page = pageIndex(pages::FlowHood);
    if (m_form.tabMain->isTabEnabled(page))
        m_form.tabMain->setCurrentIndex(page);
}

void TabHub::cmdContinueFromFlowHoodTab_Click()
{
    const int page = pageIndex(pages::Efficiency);
    if (m_form.tabMain->isTabEnabled(page))
        m_form.tabMain->setCurrentIndex(page);
}

void TabHub::cmdGoHome_Click()
{
    const int home = pageIndex(pages::Home);
    m_form.tabMain->setCurrentIndex(home);
    // A save that was refused on the way keeps the page and its entries.
    if (m_form.tabMain->currentIndex() != home)
        return;
    runDatabaseAction(m_form.state, DbAccess::Read,
                      QStringLiteral("The standard climate could not be read."),
                      [this] { m_form.clients->ClearClient(); });
    m_form.houseLeakage->ClearHLTab();
    m_form.flowHood->ClearFHATab();
    m_form.efficiency->ClearDLATab();
    m_form.session.mblnDataChanged = false;
    // The client choice is empty now; the pages follow it.
    CheckTabEnables();
}

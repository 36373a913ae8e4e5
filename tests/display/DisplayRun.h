#pragma once

// A whole program run on a real display: the program's own message boxes, the window made
// active by the window system, and keys, clicks and wheel turns delivered through the window
// as the platform delivers them. The run's user database holds the seeded run's technician and
// client.

#include "Database.h"
#include "ListFunctions.h"
#include "MDIMain.h"
#include "ProgramFolder.h"
#include "ProgramState.h"
#include "QtDialogs.h"
#include "SeededRun.h"
#include "frmHVACMain.h"
#include "ui_HomePage.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <memory>

namespace display {

// Answers the program's message boxes in turn, each with its key sent to the box once the
// window system has made it the active window, as a user's key press would reach it. A box
// with no key left is closed with Escape and noted as unexpected.
class BoxAnswers
{
public:
    explicit BoxAnswers(QList<int> keys = {}) : m_keys(std::move(keys))
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start();
    }

    QStringList texts;      // every box shown, in order
    QStringList unexpected; // boxes shown after the keys ran out

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == m_answered || !box->isVisible() || QApplication::activeWindow() != box)
            return;
        m_answered = box;
        texts << box->text();
        int key = Qt::Key_Escape;
        if (m_keys.isEmpty())
            unexpected << box->text();
        else
            key = m_keys.takeFirst();
        QTest::keyClick(box->windowHandle(), Qt::Key(key));
    }

    QList<int> m_keys;
    QPointer<QMessageBox> m_answered;
    QTimer m_timer;
};

struct Run
{
    ProgramFolder folder;
    platform::QtDialogs dialogs;
    std::unique_ptr<ProgramState> state;
    std::unique_ptr<MDIMain> window;
    int techId = -1;
    int clientId = -1;
    bool ended = false;

    // Seeds the technician and the client, starts the program and selects the client.
    bool start()
    {
        {
            testsupport::SeededProgram seed(folder);
            seeded::seedTechnicianAndClient(seed);
            techId = seed.techId();
            clientId = seed.clientId();
        }

        QCoreApplication::setApplicationVersion(QStringLiteral("9.0.1"));
        state = std::make_unique<ProgramState>(folder.path(), dialogs);
        state->endProgram = [this] { ended = true; };
        window = std::make_unique<MDIMain>(*state);
        window->MDIForm_Load();
        window->show();
        if (!testsupport::activate(window.get()))
            return false;
        QComboBox* list = form().home->cmbClientSelect;
        list->setCurrentIndex(LocateComboItemData(list, clientId));
        return list->currentIndex() >= 0 && settle();
    }

    ~Run()
    {
        if (window)
            window->close();
        window.reset();
        state.reset();
    }

    frmHVACMain& form() const { return *window->form(); }
    QWindow* handle() const { return window->windowHandle(); }

    // Waits until no box is open and the window is active again, then lets the window
    // system's events of the last step be handled. The display has no window manager, so
    // the window is activated here as a desktop's window manager does when a box closes.
    bool settle() const
    {
        if (QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }) &&
            QApplication::activeWindow() != window.get())
            window->activateWindow();
        const bool back =
            QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); });
        QTest::qWait(150);
        return back && !QApplication::activeModalWidget() &&
               QApplication::activeWindow() == window.get();
    }

    // Keys reach the focus widget of the active window, as typed keys do.
    void type(const QString& text) const
    {
        for (const QChar c : text)
            QTest::keyClick(handle(), c.toLatin1());
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(handle(), key, modifiers);
    }

    static void click(QWidget* widget, QPoint at = {})
    {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier,
                          at.isNull() ? widget->rect().center() : at);
    }

    int pageIndex(const QString& caption) const { return driving::pageIndex(form(), caption); }
    QString shownPage() const { return driving::shownPage(form()); }

    void clickTab(const QString& caption) const
    {
        QTabBar* bar = form().tabMain->tabBar();
        click(bar, bar->tabRect(pageIndex(caption)).center());
    }

    // One notch of the wheel over the middle of a widget, as the window system reports it.
    static void wheel(QWidget* widget, int notches = -1)
    {
        const QPoint local = widget->rect().center();
        QWheelEvent event(local, widget->mapToGlobal(local), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::sendEvent(widget, &event);
    }

    int count(const QString& sql, std::initializer_list<QVariant> values = {}) const
    {
        return driving::count(state->gcnnUser, sql, values);
    }
};

} // namespace display

#pragma once

// Driving a whole program run as a user does: typing into boxes and leaving them, choosing the
// technician and the client, showing pages, restarting on the same folder and answering modal
// windows.

#include "ClientRecords.h"
#include "Database.h"
#include "MainWindowFixture.h"
#include "Pages.h"
#include "SeededProgram.h"
#include "ui_ClientSurveyPage.h"
#include "ui_HomePage.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <initializer_list>
#include <memory>

namespace driving {

using platform::MsgResult;

// Starts the run and makes its window the active one, so that focus moves run the checks.
inline bool startActive(MainWindowFixture& run)
{
    return run.start() && run.activate();
}

// Closes the program and starts it again on the same folder with the same dialogs script.
inline bool restart(MainWindowFixture& run)
{
    run.close();
    run.window.reset();
    run.state.reset();
    run.state = std::make_unique<ProgramState>(run.folder.path(), run.dialogs);
    run.state->endProgram = [] {};
    run.window = std::make_unique<MDIMain>(*run.state);
    return startActive(run);
}

// Replaces a box's text by typing, as a user who selected all of it first.
inline void type(QWidget* box, const QString& text)
{
    box->setFocus();
    if (auto* list = qobject_cast<QComboBox*>(box); list && list->lineEdit())
        list->lineEdit()->selectAll();
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->selectAll();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : box;
    if (text.isEmpty())
        QTest::keyClick(target, Qt::Key_Delete);
    else
        QTest::keyClicks(target, text);
}

// Leaves the focused box with Tab.
inline void tabOut()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

inline void typeAndLeave(QWidget* box, const QString& text)
{
    type(box, text);
    tabOut();
}

// Whether the focus is in the box (or the edit field of a list).
inline bool hasFocus(const QWidget* box)
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == box || box->isAncestorOf(focus));
}

inline void addTechnician(frmHVACMain& form, const QString& name)
{
    type(form.home->txtAddTechnician, name);
    QTest::keyClick(form.home->txtAddTechnician, Qt::Key_Return);
}

// Technician chosen and a new client begun on the Client Survey page.
inline void beginNewClient(frmHVACMain& form, const QString& technician = QStringLiteral("Tess"))
{
    if (form.home->cmbTechnician->currentIndex() < 0)
        addTechnician(form, technician);
    form.tabMain->setCurrentWidget(form.pageClientSurvey);
}

// Shows a page without the tab hub seeing the change.
inline void showPageQuietly(frmHVACMain& form, QWidget* page)
{
    const QSignalBlocker block(form.tabMain);
    form.tabMain->setCurrentWidget(page);
}

inline QString shownPage(const frmHVACMain& form)
{
    return form.tabMain->tabText(form.tabMain->currentIndex());
}

// The index of the page with this caption; -1 when there is none.
inline int pageIndex(const frmHVACMain& form, const QString& caption)
{
    for (int i = 0; i < form.tabMain->count(); ++i)
        if (form.tabMain->tabText(i) == caption)
            return i;
    return -1;
}

inline int32_t insertClient(const QSqlDatabase& db, const QString& name,
                            const testsupport::Fields& fields = {})
{
    return testsupport::SeededProgram(db).client(name, fields).clientId();
}

inline QSqlRecord clientRow(const QSqlDatabase& db, int32_t clientId)
{
    QSqlQuery q =
        execSql(db, QStringLiteral("SELECT * FROM Clients WHERE ClientID = ?"), {clientId});
    return q.next() ? q.record() : QSqlRecord();
}

inline int count(const QSqlDatabase& db, const QString& sql,
                 std::initializer_list<QVariant> values = {})
{
    QSqlQuery q = execSql(db, sql, values);
    return q.next() ? q.value(0).toInt() : -1;
}

// Selects the client in the Home page's list, which loads it.
inline bool selectClient(frmHVACMain& form, int32_t clientId)
{
    form.clients->RefreshClientSelect();
    QComboBox* list = form.home->cmbClientSelect;
    const int index = list->findData(clientId);
    list->setCurrentIndex(index);
    return index >= 0;
}

// Runs body on the modal window of type W once it is shown; ran tells whether it was found.
template <typename W> void whenModal(std::function<void(W&)> body, bool* ran = nullptr)
{
    QTimer::singleShot(0, [body, ran] {
        auto* window = dynamic_cast<W*>(QApplication::activeModalWidget());
        if (ran)
            *ran = window != nullptr;
        if (window)
            body(*window);
        else if (QWidget* other = QApplication::activeModalWidget())
            other->close();
    });
}

} // namespace driving

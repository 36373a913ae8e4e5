#include "Technicians.h"

#include "Database.h"
#include "DatabaseAction.h"
#include "Dialogs.h"
#include "FieldValidation.h"
#include "ListFunctions.h"
#include "PageNavigation.h"
#include "ProgramState.h"
#include "Settings.h"
#include "StoredValues.h"
#include "ui_HomePage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSqlQuery>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

// Marks the list entry that stands for a reloaded test's technician only.
constexpr int TestOnlyRole = Qt::UserRole + 1;

} // namespace

Technicians::Technicians(const PageContext& context, Ui::HomePage& homePage)
    : m_ctx(context), m_home(&homePage)
{
    auto* home = m_home;
    connect(home->cmbTechnician, &QComboBox::currentIndexChanged, this,
            &Technicians::cmbTechnician_Click);
    home->cmbTechnician->installEventFilter(this);
    home->txtAddTechnician->installEventFilter(this);
    m_ctx.validation.addCheck(home->txtAddTechnician,
                              [this](bool& cancel) { txtAddTechnician_Validate(cancel); });
}

bool Technicians::eventFilter(QObject* watched, QEvent* event)
{
    auto* home = m_home;
    if (watched == home->cmbTechnician && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        cmbTechnician_KeyDown(KeyDelete);
        return true;
    }
    if (watched == home->txtAddTechnician && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtAddTechnician_KeyUp(KeyReturn);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void Technicians::RefreshTechnician()
{
    QComboBox* list = m_home->cmbTechnician;
    const QSignalBlocker block(list);
    list->clear();
    QSqlQuery q =
        execSql(m_ctx.state.gcnnUser, QStringLiteral("SELECT TechName, TechID FROM Technicians "
                                                     "ORDER BY TechName, TechID"));
    while (q.next()) {
        // A row whose id the program cannot hold could never be chosen back.
        if (const auto id = stored::whole32(q.value(1)))
            addComboItem(list, stored::text(q.value(0)), *id);
    }
    list->setCurrentIndex(-1);
}

QString Technicians::currentTechnician() const
{
    return m_home->cmbTechnician->currentText();
}

int Technicians::testTechnicianIndex() const
{
    const QComboBox* list = m_home->cmbTechnician;
    for (int i = 0; i < list->count(); ++i)
        if (list->itemData(i, TestOnlyRole).toBool())
            return i;
    return -1;
}

void Technicians::showTestTechnician(const QString& name)
{
    if (name.isEmpty()) {
        dropTestTechnician();
        return;
    }
    QComboBox* list = m_home->cmbTechnician;
    int index = -1;
    for (int i = 0; i < list->count() && index < 0; ++i)
        if (list->itemText(i) == name && !list->itemData(i, TestOnlyRole).toBool())
            index = i;
    if (index >= 0) {
        dropTestTechnician();
        list->setCurrentIndex(LocateComboText(list, name));
        return;
    }
    // Choosing this entry is not choosing a technician: nothing is remembered for it.
    const QSignalBlocker block(list);
    index = testTechnicianIndex();
    if (index < 0) {
        addComboItem(list, name, -1);
        index = list->count() - 1;
        list->setItemData(index, true, TestOnlyRole);
    } else {
        list->setItemText(index, name);
    }
    list->setCurrentIndex(index);
}

void Technicians::dropTestTechnician()
{
    const int index = testTechnicianIndex();
    if (index < 0)
        return;
    QComboBox* list = m_home->cmbTechnician;
    const bool shown = list->currentIndex() == index;
    const QSignalBlocker block(list);
    list->removeItem(index);
    if (shown) {
        const auto id =
            stored::whole32(GetAppSetting(m_ctx.state.gcnnUser, QStringLiteral("MRUTechnician")));
        list->setCurrentIndex(id ? LocateComboItemData(list, *id) : -1);
    }
}

void Technicians::cmbTechnician_Click()
{
    QComboBox* list = m_home->cmbTechnician;
    if (list->currentIndex() >= 0 && testTechnicianIndex() == list->currentIndex())
        return; // only a reloaded test's name: nothing to remember
    dropTestTechnician();
    if (list->currentIndex() >= 0) {
        runDatabaseAction(m_ctx.state, DbAccess::Write,
                          QStringLiteral("The chosen technician could not be remembered."), [&] {
                              SaveAppSetting(m_ctx.state.gcnnUser, QStringLiteral("MRUTechnician"),
                                             QString::number(ComboData(list)));
                          });
        m_home->zlblTechDelete->show();
    }
    m_ctx.navigation.CheckTabEnables();
}

void Technicians::cmbTechnician_KeyDown(int keyCode)
{
    QComboBox* list = m_home->cmbTechnician;
    if (keyCode != KeyDelete || list->currentIndex() < 0)
        return;
    if (list->currentIndex() == testTechnicianIndex())
        return; // no stored technician to delete
    if (m_ctx.state.dialogs.msgBox(QStringLiteral("Delete selected technician?"), MsgButtons::YesNo,
                                   MsgIcon::Question,
                                   QStringLiteral("Confirm Delete")) != MsgResult::Yes)
        return;
    const QString name = list->currentText();
    if (!runDatabaseAction(m_ctx.state, DbAccess::Write,
                           QStringLiteral("The technician could not be deleted."), [&] {
                               execSql(m_ctx.state.gcnnUser,
                                       QStringLiteral("DELETE FROM Technicians WHERE TechName = ?"),
                                       {name});
                               RefreshTechnician();
                           }))
        return;
    m_ctx.navigation.CheckTabEnables();
}

void Technicians::txtAddTechnician_KeyUp(int keyCode)
{
    if (keyCode != KeyReturn)
        return;
    // Enter moves on as Tab would, which also runs the box's check.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(m_home->txtAddTechnician, &tab);
}

void Technicians::txtAddTechnician_Validate(bool&)
{
    // A database failure leaves the typed name in the box, to be tried again.
    if (runDatabaseAction(m_ctx.state, DbAccess::Write,
                          QStringLiteral("The technician could not be added."),
                          [this] { addTechnician(); }))
        m_home->txtAddTechnician->clear();
}

void Technicians::addTechnician()
{
    QLineEdit* box = m_home->txtAddTechnician;
    const QString name = fitText(
        QString(box->text()).replace('"', '\''),
        fieldSize(m_ctx.state.gcnnUser, QStringLiteral("Technicians"), QStringLiteral("TechName")));
    if (name.isEmpty())
        return;
    const QSqlDatabase& db = m_ctx.state.gcnnUser;
    QSqlQuery found =
        execSql(db, QStringLiteral("SELECT TechID FROM Technicians WHERE TechName = ?"), {name});
    const bool exists = found.next();
    found.finish();
    if (!exists)
        execSql(db, QStringLiteral("INSERT INTO Technicians (TechName) VALUES (?)"), {name});
    RefreshTechnician();
    QComboBox* list = m_home->cmbTechnician;
    int index = LocateComboText(list, name);
    // Names match without regard to case, so "bob" finds "Bob": choose that one.
    if (index < 0)
        index = list->findText(name, Qt::MatchFixedString);
    list->setCurrentIndex(index);
}

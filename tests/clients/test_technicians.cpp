#include "GuiTestMain.h"
#include "ProgramDriving.h"
#include "Settings.h"
#include "Technicians.h"

#include <QLabel>

using namespace driving;

namespace {

QStringList listed(const QComboBox* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->itemText(i);
    return names;
}

int rowsNamed(const QSqlDatabase& db, const QString& name)
{
    // Counted exactly, not the way the table compares names.
    return count(db, "SELECT COUNT(*) FROM Technicians WHERE TechName = ? COLLATE BINARY", {name});
}

} // namespace

class TestTechnicians : public QObject
{
    Q_OBJECT
private slots:
    void addingOnLeavingTheBox()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        auto* home = form.home.get();
        const auto& db = run.state->gcnnUser;
        QCOMPARE(home->cmbTechnician->currentIndex(), -1);
        QVERIFY(!home->cmdContinueFromHome->isEnabled());

        // Enter moves on as Tab does, and leaving the box adds the name.
        addTechnician(form, "Zed");
        QVERIFY(!hasFocus(home->txtAddTechnician));
        QCOMPARE(home->txtAddTechnician->text(), QString());
        QCOMPARE(home->cmbTechnician->currentText(), QStringLiteral("Zed"));
        QCOMPARE(GetAppSetting(db, "MRUTechnician"), home->cmbTechnician->currentData().toString());
        QVERIFY(!home->zlblTechDelete->isHidden());
        QVERIFY(home->cmdContinueFromHome->isEnabled());

        typeAndLeave(home->txtAddTechnician, "amy");
        typeAndLeave(home->txtAddTechnician, "Al \"Ace\" O'Neil");
        typeAndLeave(home->txtAddTechnician, "Bob");
        QCOMPARE(listed(home->cmbTechnician),
                 (QStringList{"Al 'Ace' O'Neil", "amy", "Bob", "Zed"}));
        QCOMPARE(home->cmbTechnician->currentText(), QStringLiteral("Bob"));
        QCOMPARE(rowsNamed(db, "Al 'Ace' O'Neil"), 1);

        // A name that exists is chosen, not added again; an empty box adds nothing.
        typeAndLeave(home->txtAddTechnician, "Zed");
        QCOMPARE(home->cmbTechnician->currentText(), QStringLiteral("Zed"));
        typeAndLeave(home->txtAddTechnician, "zed");
        QCOMPARE(home->cmbTechnician->currentText(), QStringLiteral("Zed"));
        home->txtAddTechnician->setFocus();
        tabOut();
        QCOMPARE(count(db, "SELECT COUNT(*) FROM Technicians"), 4);
        QCOMPARE(home->cmbTechnician->currentText(), QStringLiteral("Zed"));
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void lastTechnicianIsChosenAgainAtStart()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        addTechnician(form, "Amy");
        addTechnician(form, "Bob");
        form.home->cmbTechnician->setCurrentIndex(form.home->cmbTechnician->findText("Amy"));
        QVERIFY(restart(run));
        QCOMPARE(run.form().home->cmbTechnician->currentText(), QStringLiteral("Amy"));
        QVERIFY(run.form().home->cmdContinueFromHome->isEnabled());
        VERIFY_DIALOGS_DONE(run.dialogs);
    }

    void deleteKeyRemovesEveryRowOfThatName()
    {
        MainWindowFixture run;
        QVERIFY(startActive(run));
        auto& form = run.form();
        auto* home = form.home.get();
        const auto& db = run.state->gcnnUser;
        for (const char* name : {"O'Brien", "O'Brien", "Pat"})
            testsupport::SeededProgram(db).technician(QString::fromUtf8(name), false);
        form.technicians->RefreshTechnician();
        QCOMPARE(listed(home->cmbTechnician), (QStringList{"O'Brien", "O'Brien", "Pat"}));
        home->cmbTechnician->setCurrentIndex(0);
        home->cmbTechnician->setFocus();

        run.dialogs.expect(MsgResult::No, "Delete selected technician?");
        QTest::keyClick(home->cmbTechnician, Qt::Key_Delete);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(rowsNamed(db, "O'Brien"), 2);
        QCOMPARE(run.dialogs.lastBox().title, QStringLiteral("Confirm Delete"));
        QCOMPARE(run.dialogs.lastBox().buttons, platform::MsgButtons::YesNo);

        run.dialogs.expect(MsgResult::Yes, "Delete selected technician?");
        QTest::keyClick(home->cmbTechnician, Qt::Key_Delete);
        VERIFY_DIALOGS_DONE(run.dialogs);
        QCOMPARE(rowsNamed(db, "O'Brien"), 0);
        QCOMPARE(listed(home->cmbTechnician), QStringList{"Pat"});
        QCOMPARE(home->cmbTechnician->currentIndex(), -1);
        QVERIFY(!home->cmdContinueFromHome->isEnabled());
        QVERIFY(home->zlblTechDelete->isHidden());

        // Nothing selected: the key asks nothing.
        QTest::keyClick(home->cmbTechnician, Qt::Key_Delete);
        VERIFY_DIALOGS_DONE(run.dialogs);
    }
};

OSTREL_GUI_TEST_MAIN(TestTechnicians)
#include "test_technicians.moc"

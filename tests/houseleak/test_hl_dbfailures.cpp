// A house leakage test whose save (or report) meets a failing user database: the failure is
// told, nothing is stored, the page keeps the test, the program goes on.
#include "GuiTestMain.h"
#include "HLFixture.h"
#include "OtherProgramLock.h"

#include <QProcess>

namespace {

const QString ModelB = QStringLiteral("Example fan B (example calibration)");
const QString RangeB0 = QStringLiteral("B0  = (Example fan B, open)");

void enterTest(HLRun& r)
{
    r.chooseModelAndRange(ModelB, RangeB0);
    r.type(r.ui().txtHLInsideTemp, "70");
    r.type(r.ui().txtHLOutsideTemp, "40");
    r.typeRows({{"50", "400"}, {"40", "300"}, {"30", "205"}});
    r.leave();
}

bool chattr(const QString& flag, const QString& file)
{
    return QProcess::execute(QStringLiteral("chattr"), {flag, file}) == 0;
}

} // namespace

class TestHLDatabaseFailures : public QObject
{
    Q_OBJECT
private slots:
    void writeProtectedFileKeepsTheTestOnThePage_data()
    {
        QTest::addColumn<bool>("leavingThePage");
        QTest::newRow("Calculate") << false;
        QTest::newRow("Yes to saving on leaving the page") << true;
    }

    void writeProtectedFileKeepsTheTestOnThePage()
    {
        QFETCH(bool, leavingThePage);
        HLRun r;
        QVERIFY(r.start());
        enterTest(r);
        const QString user = r.run.folder.file("Ostrel7_user.mdb");
        if (!chattr("+i", user))
            QSKIP("chattr +i is not supported here");
        if (leavingThePage) {
            r.run.dialogs.expect(MsgResult::Yes, "Save changes before switching tabs?");
            r.run.dialogs.expect(MsgResult::OK, "The house leakage test could not be saved.");
            r.form().tabMain->setCurrentWidget(r.form().pageHome);
        } else {
            r.run.dialogs.expect(MsgResult::OK, "The house leakage test could not be saved.");
            r.clickCalculate();
        }
        chattr("-i", user);
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QVERIFY(r.run.dialogs.lastBox().text.contains("The database file is read-only"));
        QVERIFY(!r.run.programEnded());
        QCOMPARE(r.form().tabMain->currentWidget(), r.form().pageHouseLeakage);
        QCOMPARE(r.tab().housePressure[2]->text(), QStringLiteral("30"));
        QCOMPARE(r.ui().txtHLInsideTemp->text(), QStringLiteral("70"));
        QCOMPARE(r.form().session.mintCurrentHltID, -1);
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 0);
        if (leavingThePage)
            QVERIFY(r.form().session.mblnDataChanged);

        // Saved as it stands once the file may be written again.
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 1);
    }

    void lockedDatabaseStopsTheCalculationWithoutBlamingTheEntries()
    {
        HLRun r;
        QVERIFY(r.start());
        enterTest(r);
        // The range constants come from the supplied file.
        OtherProgramLock lock(r.run.folder.file("Ostrel7_supp.mdb"));
        QVERIFY2(lock.isHeld(), qPrintable(lock.problem()));
        r.run.dialogs.expect(MsgResult::OK, "The results could not be calculated.");
        r.clickCalculate();
        lock.release();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        const QString text = r.run.dialogs.lastBox().text;
        QVERIFY(text.contains("Another program is using the database."));
        QVERIFY(!text.contains("Please ensure that your entries are valid."));
        QVERIFY(!r.tab().resultsCalculated());
        QCOMPARE(r.tab().housePressure[0]->text(), QStringLiteral("50"));
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 0);
    }

    void lockedDatabaseRefusesTheReport()
    {
        HLRun r;
        QVERIFY(r.start());
        enterTest(r);
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QVERIFY(r.ui().cmdHLViewTechReport->isEnabled());
        OtherProgramLock lock(r.run.folder.file("Ostrel7_user.mdb"));
        QVERIFY2(lock.isHeld(), qPrintable(lock.problem()));
        r.run.dialogs.expect(MsgResult::OK, "The report could not be made.");
        QTest::mouseClick(r.ui().cmdHLViewTechReport, Qt::LeftButton);
        lock.release();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QVERIFY(r.run.dialogs.lastBox().text.contains("Another program is using the database."));
        QVERIFY(!r.run.programEnded());
        QVERIFY(r.tab().resultsCalculated());
    }
};

OSTREL_GUI_TEST_MAIN(TestHLDatabaseFailures)
#include "test_hl_dbfailures.moc"

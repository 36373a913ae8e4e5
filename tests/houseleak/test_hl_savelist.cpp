// Saving tests, listing them with results computed afresh, reloading and deleting them.

#include "GuiTestMain.h"
#include "HLFixture.h"
#include "HouseLeakageTest.h"
#include "Settings.h"
#include "Technicians.h"
#include "vbdate.h"
#include "vbformat.h"

#include <QLineEdit>
#include <QSqlRecord>
#include <QStyle>

namespace {

const QString ModelA = QStringLiteral("Example fan A (example calibration, tube ports)");
const QString ModelB = QStringLiteral("Example fan B (example calibration)");
const QString RangeB0 = QStringLiteral("B0  = (Example fan B, open)");
const QString TwoBlowers = QStringLiteral("36  = (2 blowers, plates off)");
const QString Measured = QStringLiteral("CFM  = (Flow measured directly)");
using Rows = QList<QStringList>;
const Rows CleanRows = {{"50", "400"}, {"40", "300"}, {"30", "205"}, {"20", "122"}};

void enterTest(HLRun& r, const Rows& rows = CleanRows, const QString& model = ModelB,
               const QString& range = RangeB0)
{
    r.chooseModelAndRange(model, range);
    r.type(r.ui().txtHLInsideTemp, "70");
    r.type(r.ui().txtHLOutsideTemp, "40");
    r.typeRows(rows, range == Measured ? &r.tab().testFlow : nullptr);
}

QSqlRecord lastRow(const HLRun& r)
{
    QSqlQuery q =
        execSql(r.db(), "SELECT * FROM [House Leakage Tests] ORDER BY HltID DESC LIMIT 1");
    return q.next() ? q.record() : QSqlRecord();
}

QTableWidget* grid(const HLRun& r)
{
    return r.ui().fgdHLTestSelect;
}

QString cellText(const HLRun& r, int row, int column)
{
    const QTableWidgetItem* item = grid(r)->item(row, column);
    return item ? item->text() : QString();
}

void clickRow(const HLRun& r, int row)
{
    QTableWidget* g = grid(r);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                      g->visualItemRect(g->item(row, 3)).center());
}

int selectedRow(const HLRun& r)
{
    const auto ranges = grid(r)->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

} // namespace

class TestHLSaveList : public QObject
{
    Q_OBJECT
private slots:
    void savedRowHoldsThePage()
    {
        HLRun r;
        QVERIFY(r.start());
        enterTest(r, {{"12.5", "100"}, {"13.5", "120"}, {"50", "400"}});
        r.type(r.ui().txtHLTestNum, "A-7");
        r.type(r.ui().txtHLTestDateTime, "12/10/2026 3:05 pm");
        r.type(r.ui().txtHLInsideTemp, "70.5");
        r.choose(r.ui().cmbHLTestDirection2, "Pressurize from inside");
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        const QSqlRecord row = lastRow(r);
        QCOMPARE(row.value("ClientId").toInt(), r.clientId);
        QCOMPARE(row.value("TechName").toString(), QStringLiteral("Pat Tester"));
        QCOMPARE(row.value("HltUserID").toString(), QStringLiteral("A-7"));
        QCOMPARE(row.value("HltTestDate").toDateTime(),
                 QDateTime(QDate(2026, 12, 10), QTime(15, 5)));
        QCOMPARE(row.value("HltTestType").toInt(), 0);
        QCOMPARE(row.value("HltDirection").toInt(), 1);
        QCOMPARE(row.value("HltGaugeLocation").toInt(), 0);
        QCOMPARE(row.value("hltWindFactor").toInt(), 2);
        QCOMPARE(row.value("BlowerModelID").toInt(), 2);
        QCOMPARE(row.value("rangeid").toInt(), 14);
        QCOMPARE(row.value("HltFlowTube").toInt(), 1); // the new-test default
        // Whole numbers, halves to the even one.
        QCOMPARE(row.value("HltInsideTemp").toInt(), 70);
        QCOMPARE(row.value("HltOutsideTemp").toInt(), 40);
        QCOMPARE(row.value("HltHousePressure0").toInt(), 12);
        QCOMPARE(row.value("HltHousePressure1").toInt(), 14);
        QCOMPARE(row.value("HltHousePressure2").toInt(), 50);
        QCOMPARE(row.value("HltFlowPressure1").toInt(), 120);
        // An empty box stays null.
        QVERIFY(row.value("HltHousePressure3").isNull());
        QVERIFY(row.value("HltFlowPressure3").isNull());
        for (int i = 0; i < 6; ++i) {
            QVERIFY(row.value(QStringLiteral("HltFlowPressure2_%1").arg(i)).isNull());
            QVERIFY(row.value(QStringLiteral("HltFlowCFM%1").arg(i)).isNull());
        }
        // The new test is the highlighted row, and nothing is left unsaved.
        const int32_t id = row.value("HltID").toInt();
        QCOMPARE(r.form().session.mintCurrentHltID, id);
        QVERIFY(!r.form().session.mblnDataChanged);
        QCOMPARE(cellText(r, selectedRow(r), 0), QString::number(id));
        QVERIFY(r.tab().resultsCalculated());
    }

    void rangeDecidesTheFlowFields()
    {
        HLRun r;
        QVERIFY(r.start());
        enterTest(r, {{"50", "200", "210"}, {"40", "150", "160"}, {"30", "104", "100"}}, ModelA,
                  TwoBlowers);
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QSqlRecord row = lastRow(r);
        QCOMPARE(row.value("rangeid").toInt(), 12);
        QCOMPARE(row.value("HltFlowPressure0").toInt(), 200);
        QCOMPARE(row.value("HltFlowPressure2_0").toInt(), 210);
        QCOMPARE(row.value("HltFlowPressure2_2").toInt(), 100);
        QVERIFY(row.value("HltFlowCFM0").isNull());

        r.form().houseLeakage->PrepHLTestTab(-1);
        enterTest(r, {{"50", "2500"}, {"40", "2172"}, {"25", "1600"}}, ModelA, Measured);
        // Whatever stands in a locked flow-pressure box is not stored with measured flows.
        r.tab().flowPressure[0]->setText("99");
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        row = lastRow(r);
        QCOMPARE(row.value("rangeid").toInt(), 13);
        QCOMPARE(row.value("HltFlowCFM0").toInt(), 2500);
        QCOMPARE(row.value("HltFlowCFM2").toInt(), 1600);
        for (int i = 0; i < 6; ++i) {
            QVERIFY(row.value(QStringLiteral("HltFlowPressure%1").arg(i)).isNull());
            QVERIFY(row.value(QStringLiteral("HltFlowPressure2_%1").arg(i)).isNull());
        }
    }

    void directionRoundTrips_data()
    {
        QTest::addColumn<QString>("direction");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("gauge");
        QTest::newRow("0") << "Depressurize from inside" << 0 << 0;
        QTest::newRow("1") << "Pressurize from inside" << 1 << 0;
        QTest::newRow("2") << "Depressurize from outside" << 0 << 1;
        QTest::newRow("3") << "Pressurize from outside" << 1 << 1;
    }
    void directionRoundTrips()
    {
        QFETCH(QString, direction);
        QFETCH(int, stored);
        QFETCH(int, gauge);
        HLRun r;
        QVERIFY(r.start());
        enterTest(r);
        r.choose(r.ui().cmbHLTestDirection2, direction);
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        const QString leakage = r.ui().txtActualLeakage->text();
        const QSqlRecord row = lastRow(r);
        QCOMPARE(row.value("HltDirection").toInt(), stored);
        QCOMPARE(row.value("HltGaugeLocation").toInt(), gauge);

        // Reloaded by choosing its row: the same inputs and, recalculated, the same results.
        r.tab().PrepHLTestTab(-1);
        QCOMPARE(r.ui().cmbHLTestDirection2->currentText(),
                 QStringLiteral("Depressurize from inside"));
        QVERIFY(r.ui().txtActualLeakage->text().isEmpty());
        clickRow(r, 0);
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(r.ui().cmbHLTestDirection2->currentText(), direction);
        QCOMPARE(r.tab().housePressure[3]->text(), QStringLiteral("20"));
        QCOMPARE(r.tab().flowPressure[3]->text(), QStringLiteral("122"));
        QCOMPARE(r.ui().txtHLInsideTemp->text(), QStringLiteral("70"));
        QCOMPARE(r.ui().cmbHLRange->currentText(), RangeB0);
        QCOMPARE(r.ui().txtActualLeakage->text(), leakage);
        QVERIFY(r.tab().resultsCalculated());
        QCOMPARE(r.form().session.mintCurrentHltID, row.value("HltID").toInt());
        QVERIFY(!r.form().session.mblnDataChanged);
        // Loading saved nothing.
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 1);
    }

    void dateBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<bool>("refused");
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("date and time") << "1/5/2026 9:07 am" << true << false;
        QTest::newRow("no date") << "tomorrow" << false << true;
        QTest::newRow("dashes") << "12-10-2026" << false << true;
        QTest::newRow("year first") << "2026-12-10" << false << true;
    }
    void dateBox()
    {
        QFETCH(QString, typed);
        QFETCH(bool, kept);
        QFETCH(bool, refused);
        HLRun r;
        QVERIFY(r.start());
        enterTest(r);
        r.type(r.ui().txtHLTestDateTime, typed);
        const QDateTime before = QDateTime::currentDateTime();
        if (refused) {
            // What was typed is not replaced: the save is refused and stores nothing.
            r.run.dialogs.expect(MsgResult::OK,
                                 "The date entered is not a valid date.  Please enter it as "
                                 "mm/dd/yyyy h:mm am/pm.");
            r.clickCalculate();
            VERIFY_DIALOGS_DONE(r.run.dialogs);
            QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 0);
            QCOMPARE(r.ui().txtHLTestDateTime->text(), typed);
            QCOMPARE(QApplication::focusWidget(), r.ui().txtHLTestDateTime);
            return;
        }
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        const QDateTime stored = lastRow(r).value("HltTestDate").toDateTime();
        if (kept) {
            QCOMPARE(stored, *vbrt::parseDate(typed));
            QCOMPARE(r.ui().txtHLTestDateTime->text(), typed);
        } else {
            // The box shows the time of the save, and that time is what is stored.
            QCOMPARE(r.ui().txtHLTestDateTime->text(),
                     vbrt::formatDate(stored, "mm/dd/yyyy h:mm am/pm"));
            QVERIFY(qAbs(stored.secsTo(before)) < 120);
        }
    }

    void dateBoxShowsTheLongestStampWhole()
    {
        HLRun r;
        QVERIFY(r.start());
        QLineEdit* box = r.ui().txtHLTestDateTime;
        // The text area: the box less its frame, the line edit's own 2 pixel margins and a
        // pixel for the cursor.
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
        const int room = box->width() - 2 * frame - 4 - 1 - box->textMargins().left() -
                         box->textMargins().right();
        for (const QString stamp : {"12/10/2026 10:44 am", "12/10/2026 10:44 pm"})
            QVERIFY2(box->fontMetrics().horizontalAdvance(stamp) <= room,
                     qPrintable(QString("%1 pixels for %2").arg(room).arg(stamp)));
    }

    void testNumberIsCutAndNoModelMeansModel2()
    {
        HLRun r;
        QVERIFY(r.start());
        enterTest(r);
        r.type(r.ui().txtHLTestNum, "ABCDEFGHIJKLMN");
        {
            const QSignalBlocker blocker(r.ui().cmbBlowerModel);
            r.ui().cmbBlowerModel->setCurrentIndex(-1);
        }
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        const QSqlRecord row = lastRow(r);
        QCOMPARE(row.value("HltUserID").toString(), QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(r.ui().txtHLTestNum->text(), QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(row.value("BlowerModelID").toInt(), 2);
    }

    // What the tab hub's "Yes" hands to HLSave without a calculation must be storable.
    void unstorableEntriesAreRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("pressure beyond 16 bits")
            << "house1"
            << "40000"
            << "The House Pressure of set 2 cannot be more than 1,000 Pa.";
        QTest::newRow("text for a pressure")
            << "flow0"
            << "5O"
            << "A number is required for the Flow Pressure of set 1.";
        QTest::newRow("temperature")
            << "inside"
            << "99999"
            << "The Inside Temperature must be between -100 and 200 degrees F.";
        QTest::newRow("rounds to nothing") << "house2"
                                           << "0.4"
                                           << "The House Pressure of set 3 must be at least 1 Pa.";
    }
    void unstorableEntriesAreRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        HLRun r;
        QVERIFY(r.start());
        enterTest(r);
        QLineEdit* target = box == "inside"  ? r.ui().txtHLInsideTemp
                            : box == "flow0" ? r.tab().flowPressure[0]
                                             : r.tab().housePressure[size_t(box.right(1).toInt())];
        // Set as if it had got past the box's own check.
        target->setText(text);
        r.form().session.mblnDataChanged = true;
        r.run.dialogs.expect(MsgResult::OK, message);
        QVERIFY(!r.tab().HLSave());
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 0);
        // Calculate refuses it the same way.
        r.run.dialogs.expect(MsgResult::OK, message);
        r.ui().cmdHLCalculate->click();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 0);
    }

    void listShowsEachTestsResults()
    {
        HLRun r;
        QVERIFY(r.start());
        enterTest(r);
        r.type(r.ui().txtHLTestNum, "2");
        r.clickCalculate();
        const float first = r.form().houseLeakage->mobjHLTest->MeasuredLeakageSqIn();
        const float firstAch = r.form().houseLeakage->mobjHLTest->EstimatedAirChangesDaily();
        // A second test with an empty row 2 and a later row: the list uses the same rows as
        // the page.
        r.tab().PrepHLTestTab(-1);
        enterTest(r, {{"50", "420"}, {"40", "318"}, {"", ""}, {"20", "130"}, {"15", "90"}});
        r.type(r.ui().txtHLTestNum, "1");
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        const float second = r.form().houseLeakage->mobjHLTest->MeasuredLeakageSqIn();

        r.tab().PrepHLTestTab(-1);
        QTableWidget* g = grid(r);
        QVERIFY(g->isEnabled());
        QCOMPARE(g->rowCount(), 2);
        QVERIFY(g->isColumnHidden(0) && g->isColumnHidden(1));
        QCOMPARE(g->horizontalHeaderItem(4)->text(), QStringLiteral("Actual Leakage Area In ²"));
        // Ordered by test number.
        QCOMPARE(cellText(r, 0, 3), QStringLiteral("1"));
        QCOMPARE(cellText(r, 0, 4), vbrt::format(second, "#,##0.0"));
        QCOMPARE(cellText(r, 1, 4), vbrt::format(first, "#,##0.0"));
        QCOMPARE(cellText(r, 1, 6), vbrt::format(firstAch, "#,##0.00"));
        QCOMPARE(cellText(r, 1, 5), QStringLiteral("x"));
        QCOMPARE(cellText(r, 0, 0), cellText(r, 0, 1));
        const QDateTime date = lastRow(r).value("HltTestDate").toDateTime();
        QCOMPARE(cellText(r, 0, 2), vbrt::formatDate(date, "M/D/YY h:mm"));
        // Nothing is loaded or highlighted until a row is chosen.
        QCOMPARE(selectedRow(r), -1);
        QVERIFY(r.ui().txtActualLeakage->text().isEmpty());
    }

    void testThatCannotBeComputedIsStillListed()
    {
        HLRun r;
        QVERIFY(r.start());
        // Saved through the tab hub with one data set: no results, but a row to choose.
        testsupport::SeededProgram(r.db()).houseLeakageTest({{"ClientId", r.clientId},
                                                             {"HltUserID", QStringLiteral("9")},
                                                             {"HltTestType", 0},
                                                             {"HltDirection", 0},
                                                             {"HltGaugeLocation", 0},
                                                             {"hltWindFactor", 2},
                                                             {"BlowerModelID", 2},
                                                             {"rangeid", 14},
                                                             {"HltInsideTemp", 70},
                                                             {"HltOutsideTemp", 40},
                                                             {"HltHousePressure0", 50},
                                                             {"HltFlowPressure0", 400}});
        r.tab().PrepHLTestTab(-1);
        QCOMPARE(grid(r)->rowCount(), 1);
        QCOMPARE(cellText(r, 0, 3), QStringLiteral("9"));
        QCOMPARE(cellText(r, 0, 4), QString());
        // Choosing it loads the readings; the silent calculation shows no results.
        clickRow(r, 0);
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(r.tab().housePressure[0]->text(), QStringLiteral("50"));
        QVERIFY(!r.tab().resultsCalculated());
    }

    void clientWithoutTests()
    {
        HLRun r;
        QVERIFY(r.start());
        QVERIFY(!grid(r)->isEnabled());
        QCOMPARE(r.ui().txtHLTestNum->text(), QStringLiteral("1"));
        QCOMPARE(r.ui().cmbHLFlowTubeConnection->currentText(), QStringLiteral("18 Port"));
        QCOMPARE(r.ui().cmbHLRange->currentIndex(), -1);
        QCOMPARE(QApplication::focusWidget(), r.ui().txtHLInsideTemp);
        QVERIFY(!r.form().session.mblnDataChanged);
    }

    void deletingTests()
    {
        HLRun r;
        QVERIFY(r.start());
        enterTest(r);
        r.clickCalculate();
        r.tab().PrepHLTestTab(-1);
        enterTest(r);
        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(grid(r)->rowCount(), 2);
        const int32_t kept = cellText(r, 0, 0).toInt();

        // No keeps it.
        clickRow(r, 1);
        r.run.dialogs.expect(MsgResult::No, "Delete selected House Leakage test?");
        QTest::keyClick(grid(r), Qt::Key_Delete);
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(r.run.dialogs.lastBox().title, QStringLiteral("Confirm Delete"));
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 2);

        r.run.dialogs.expect(MsgResult::Yes, "Delete selected House Leakage test?");
        QTest::keyClick(grid(r), Qt::Key_Delete);
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 1);
        QCOMPARE(grid(r)->rowCount(), 1);
        QCOMPARE(r.form().session.mintCurrentHltID, kept);
        QCOMPARE(selectedRow(r), 0);

        r.run.dialogs.expect(MsgResult::Yes, "Delete selected House Leakage test?");
        QTest::keyClick(grid(r), Qt::Key_Delete);
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QCOMPARE(r.count("SELECT COUNT(*) FROM [House Leakage Tests]"), 0);
        QCOMPARE(r.form().session.mintCurrentHltID, -1);
        QVERIFY(!grid(r)->isEnabled());
    }

    void anotherClientsTestIsNotShown()
    {
        HLRun r;
        QVERIFY(r.start());
        const int32_t other = testsupport::SeededProgram(r.db())
                                  .houseLeakageTest({{"ClientId", r.clientId + 100},
                                                     {"HltUserID", QStringLiteral("other")},
                                                     {"HltHousePressure0", 50}})
                                  .testId();
        r.tab().PrepHLTestTab(other);
        QCOMPARE(r.form().session.mintCurrentHltID, -1);
        QVERIFY(r.tab().housePressure[0]->text().isEmpty());
    }

    // A test keeps the technician who took it, even one no longer in the list: shown for that
    // test only, never remembered, and saved again under that name.
    void reloadedTestKeepsItsTechnician()
    {
        HLRun r;
        QVERIFY(r.start());
        enterTest(r);
        r.clickCalculate();
        const int32_t saved = r.form().session.mintCurrentHltID;
        QVERIFY(saved > 0);
        QComboBox* technicians = r.form().home->cmbTechnician;
        execSql(r.db(), "DELETE FROM Technicians WHERE TechName = 'Pat Tester'");
        testsupport::SeededProgram(r.db()).technician(QStringLiteral("Robin Other"), false);
        r.form().technicians->RefreshTechnician();
        technicians->setCurrentIndex(LocateComboText(technicians, "Robin Other"));
        const QString remembered = GetAppSetting(r.db(), "MRUTechnician");

        r.tab().PrepHLTestTab(saved);
        QCOMPARE(technicians->currentText(), QStringLiteral("Pat Tester"));
        QCOMPARE(technicians->count(), 2);
        QCOMPARE(GetAppSetting(r.db(), "MRUTechnician"), remembered);
        QCOMPARE(r.count("SELECT COUNT(*) FROM Technicians WHERE TechName = 'Pat Tester'"), 0);
        // Delete on that entry deletes no stored technician.
        r.form().technicians->cmbTechnician_KeyDown(Technicians::KeyDelete);
        QCOMPARE(technicians->currentText(), QStringLiteral("Pat Tester"));

        r.clickCalculate();
        VERIFY_DIALOGS_DONE(r.run.dialogs);
        QVERIFY(r.form().session.mintCurrentHltID > saved);
        QCOMPARE(lastRow(r).value("TechName").toString(), QStringLiteral("Pat Tester"));

        // Another test (or none) takes the entry away and the remembered technician is back.
        r.tab().PrepHLTestTab(-1);
        QCOMPARE(technicians->currentText(), QStringLiteral("Robin Other"));
        QCOMPARE(technicians->count(), 1);
    }
};

OSTREL_GUI_TEST_MAIN(TestHLSaveList)
#include "test_hl_savelist.moc"

#include "Session.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

ClimateValues climate(const QString& key, float winter)
{
    ClimateValues c;
    c.city = QStringLiteral("Boston");
    c.state = QStringLiteral("MA");
    c.lblZone = QStringLiteral("5");
    c.uniqueId = key;
    c.winterDesignTemp = winter;
    c.summerGrainDiff = 11;
    return c;
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void startsWithNothingCurrent()
    {
        const Session s;
        QCOMPARE(s.gintClientID(), -1);
        QCOMPARE(s.mintCurrentHltID, -1);
        QCOMPARE(s.mintCurrentDlaID, -1);
        QCOMPARE(s.mintCurrentFHTestID, -1);
        QVERIFY(!s.mblnDataChanged);
        QVERIFY(!s.mblnShowValidationMessages);
        QVERIFY(!s.clientSavePending());
        QVERIFY(!s.isFilling());
    }

    void clientChangedOncePerOtherClient()
    {
        Session s;
        QSignalSpy changed(&s, &Session::clientChanged);
        s.setClientID(12);
        s.setClientID(12);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 12);
        s.setClientID(-1);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(s.gintClientID(), -1);
        // The test ids are left to the reaction the form wires; setting a client keeps them.
        s.mintCurrentHltID = 3;
        s.setClientID(4);
        QCOMPARE(s.mintCurrentHltID, 3);
        s.clearCurrentTests();
        QCOMPARE(s.mintCurrentHltID, -1);
    }

    void climateChangedOnlyForAnotherKey()
    {
        Session s;
        QSignalSpy changed(&s, &Session::climateChanged);
        s.setClimate(climate(QStringLiteral("17"), -4.5f));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(s.mstrClimateCity(), QStringLiteral("Boston"));
        QCOMPARE(s.mstrClimateLBLZone(), QStringLiteral("5"));
        QCOMPARE(s.msngClimateWinterDesignTemp(), -4.5f);

        // The same climate read again, even with other values (unknown ones included), is not
        // another climate; its values are still taken.
        s.setClimate(climate(QStringLiteral("17"), std::numeric_limits<float>::quiet_NaN()));
        QCOMPARE(changed.count(), 1);
        QVERIFY(std::isnan(s.msngClimateWinterDesignTemp()));

        s.setClimate(climate(QStringLiteral("18"), 2));
        QCOMPARE(changed.count(), 2);
    }

    void clearingTheClimateKeepsStateAndDesignValues()
    {
        Session s;
        s.setClimate(climate(QStringLiteral("17"), -4.5f));
        QSignalSpy changed(&s, &Session::climateChanged);
        s.clearClimate();
        QCOMPARE(changed.count(), 1);
        QVERIFY(s.mstrClimateCity().isEmpty());
        QVERIFY(s.mstrClimateLBLZone().isEmpty());
        QVERIFY(s.mstrClimateUniqueID().isEmpty());
        QCOMPARE(s.mstrClimateState(), QStringLiteral("MA"));
        QCOMPARE(s.msngClimateWinterDesignTemp(), -4.5f);
        QCOMPARE(s.msngClimateSummerGrainDiff(), 11.0f);
        s.clearClimate();
        QCOMPARE(changed.count(), 1);
    }

    void houseDataAndResultsSignalEveryTime()
    {
        Session s;
        QSignalSpy house(&s, &Session::houseDataChanged);
        QSignalSpy cleared(&s, &Session::resultsCleared);
        s.houseDataEdited();
        s.houseDataEdited();
        s.clearResults();
        QCOMPARE(house.count(), 2);
        QCOMPARE(cleared.count(), 1);
    }

    void pendingSaveSignalsOnlyItsChanges()
    {
        Session s;
        QSignalSpy pending(&s, &Session::clientSavePendingChanged);
        s.setClientSavePending(false);
        QCOMPARE(pending.count(), 0);
        s.setClientSavePending(true);
        s.setClientSavePending(true);
        QCOMPARE(pending.count(), 1);
        QVERIFY(s.clientSavePending());
        QCOMPARE(pending.at(0).at(0).toBool(), true);
        s.setClientSavePending(false);
        QCOMPARE(pending.count(), 2);
        QCOMPARE(pending.at(1).at(0).toBool(), false);
    }

    void fillScopesNest()
    {
        Session s;
        {
            const Session::Filling outer(s);
            QVERIFY(s.isFilling());
            {
                const Session::Filling inner(s);
                QVERIFY(s.isFilling());
            }
            // The outer fill is still running.
            QVERIFY(s.isFilling());
        }
        QVERIFY(!s.isFilling());
    }

    void silentChecksRestoreTheMessagesFlag_data()
    {
        QTest::addColumn<bool>("before");
        QTest::newRow("messages on") << true;
        QTest::newRow("messages off") << false;
    }

    void silentChecksRestoreTheMessagesFlag()
    {
        QFETCH(bool, before);
        Session s;
        s.mblnShowValidationMessages = before;
        {
            const Session::SilentChecks silent(s);
            QVERIFY(!s.mblnShowValidationMessages);
            {
                const Session::SilentChecks again(s);
                QVERIFY(!s.mblnShowValidationMessages);
            }
            QVERIFY(!s.mblnShowValidationMessages);
        }
        QCOMPARE(s.mblnShowValidationMessages, before);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"

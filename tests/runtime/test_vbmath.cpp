#include "errorof.h"
#include "vbmath.h"

#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<void()>)

class TestVbMath : public QObject
{
    Q_OBJECT
private slots:
    void faultsAreNumberedErrors_data()
    {
        QTest::addColumn<std::function<void()>>("call");
        QTest::addColumn<int>("expected");
        QTest::newRow("x/0") << std::function<void()>([] { vbrt::div(1, 0); }) << 11;
        QTest::newRow("0/0") << std::function<void()>([] { vbrt::div(0, 0); }) << 6;
        QTest::newRow("LBL factor 0") << std::function<void()>([] { vbrt::div(12.5, 0.0); }) << 11;
        QTest::newRow("overflowing /")
            << std::function<void()>([] { vbrt::div(1e308, 1e-10); }) << 6;
        QTest::newRow("log 0") << std::function<void()>([] { vbrt::log(0); }) << 5;
        QTest::newRow("log -1") << std::function<void()>([] { vbrt::log(-1); }) << 5;
        QTest::newRow("sqrt -1") << std::function<void()>([] { vbrt::sqrt(-1); }) << 5;
        QTest::newRow("(-2)^0.5") << std::function<void()>([] { vbrt::pow(-2, 0.5); }) << 5;
        QTest::newRow("10^400") << std::function<void()>([] { vbrt::pow(10, 400); }) << 6;
        QTest::newRow("single 1e39") << std::function<void()>([] { vbrt::single(1e39); }) << 6;
        QTest::newRow("exp 1000") << std::function<void()>([] { vbrt::exp(1000); }) << 6;
    }
    void faultsAreNumberedErrors()
    {
        QFETCH(std::function<void()>, call);
        QFETCH(int, expected);
        QCOMPARE(errorOf(call), expected);
    }

    void validValuesPassThrough()
    {
        QCOMPARE(vbrt::div(1, 4), 0.25);
        QCOMPARE(vbrt::pow(-2, 3), -8.0);
        QCOMPARE(vbrt::sqrt(0), 0.0);
        QCOMPARE(vbrt::single(0.9), 0.9f);
    }

    void singleAgainstDoubleComparesAtSinglePrecision()
    {
        QVERIFY(vbrt::eq(0.9f, 0.9));                    // WindExposure 0.9 -> 1
        QVERIFY(!vbrt::gt(1.1f, 1.1));                   // no N bound warning
        QVERIFY(!vbrt::lt(0.45f, 0.45));                 // no N bound warning
        QVERIFY(vbrt::ge(71.2f, double(100.0f) - 28.8)); // M - 28.8 <= O: Tight
        QVERIFY(vbrt::le(71.2f, 71.2));
        QVERIFY(vbrt::lt(0.98f, 0.99));
    }
};

QTEST_GUILESS_MAIN(TestVbMath)
#include "test_vbmath.moc"

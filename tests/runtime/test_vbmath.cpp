#include "vbmath.h"

#include <QTest>

class TestVbMath : public QObject
{
    Q_OBJECT
private slots:
    void faultsAreNumberedErrors_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("expected");
        QTest::newRow("x/0") << 0 << 11;
        QTest::newRow("0/0") << 1 << 6;
        QTest::newRow("log 0") << 2 << 5;
        QTest::newRow("sqrt -1") << 3 << 5;
        QTest::newRow("(-2)^0.5") << 4 << 5;
        QTest::newRow("single 1e39") << 5 << 6;
        QTest::newRow("exp 1000") << 6 << 6;
    }
    void faultsAreNumberedErrors()
    {
        QFETCH(int, which);
        QFETCH(int, expected);
        try {
            switch (which) {
            case 0:
                vbrt::div(1, 0);
                break;
            case 1:
                vbrt::div(0, 0);
                break;
            case 2:
                vbrt::log(0);
                break;
            case 3:
                vbrt::sqrt(-1);
                break;
            case 4:
                vbrt::pow(-2, 0.5);
                break;
            case 5:
                vbrt::single(1e39);
                break;
            case 6:
                vbrt::exp(1000);
                break;
            }
            QFAIL("no error raised");
        } catch (const vbrt::Error& e) {
            QCOMPARE(e.number(), expected);
        }
    }
    void singleAgainstDoubleComparesAtSinglePrecision()
    {
        QVERIFY(vbrt::eq(0.9f, 0.9));
        QVERIFY(!vbrt::gt(1.1f, 1.1));
        QVERIFY(!vbrt::lt(0.45f, 0.45));
        QVERIFY(vbrt::ge(71.2f, double(100.0f) - 28.8)); // M - 28.8 <= O
    }
};

QTEST_GUILESS_MAIN(TestVbMath)
#include "test_vbmath.moc"

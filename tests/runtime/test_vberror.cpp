#include "vberror.h"

#include <QTest>

class TestVbError : public QObject
{
    Q_OBJECT
private slots:
    void objectErrorNumbers_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("expected");
        QTest::newRow("12199") << 12199 << -2147209305;
        QTest::newRow("12209") << 12209 << -2147209295;
        QTest::newRow("12244") << 12244 << -2147209260;
        QTest::newRow("2079") << 2079 << -2147219425;
    }
    void objectErrorNumbers()
    {
        QFETCH(int, n);
        QFETCH(int, expected);
        QCOMPARE(vbrt::objectError(n), expected);
    }

    void standardDescriptions_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("5") << 5 << "Invalid procedure call or argument";
        QTest::newRow("6") << 6 << "Overflow";
        QTest::newRow("9") << 9 << "Subscript out of range";
        QTest::newRow("11") << 11 << "Division by zero";
        QTest::newRow("13") << 13 << "Type mismatch";
        QTest::newRow("53") << 53 << "File not found";
        QTest::newRow("94") << 94 << "Invalid use of Null";
        QTest::newRow("32755") << 32755 << "Cancel was selected.";
        QTest::newRow("object error")
            << vbrt::objectError(12199) << "Application-defined or object-defined error";
    }
    void standardDescriptions()
    {
        QFETCH(int, number);
        QFETCH(QString, description);
        try {
            vbrt::raise(number);
            QFAIL("raise returned");
        } catch (const vbrt::Error& e) {
            QCOMPARE(e.number(), number);
            QCOMPARE(e.description(), description);
        }
    }

    void ownDescriptionIsKept()
    {
        const vbrt::Error e(53, QStringLiteral("PPView32.exe not found"));
        QCOMPARE(e.description(), QStringLiteral("PPView32.exe not found"));
        QVERIFY(QByteArray(e.what()).contains("53"));
    }
};

QTEST_GUILESS_MAIN(TestVbError)
#include "test_vberror.moc"

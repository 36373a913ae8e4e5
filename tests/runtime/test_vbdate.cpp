#include "errorof.h"
#include "vbdate.h"
#include "vbformat.h"

#include <QTest>

class TestVbDate : public QObject
{
    Q_OBJECT
private slots:
    void parseDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("expected"); // null: no date
        auto at = [](int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
        };
        const QDateTime none;
        QTest::newRow("own log form") << "12/10/2026 3:05 pm" << at(2026, 12, 10, 15, 5);
        QTest::newRow("leading zeros") << "01/05/2026 12:07 am" << at(2026, 1, 5, 0, 7);
        QTest::newRow("noon") << "01/05/2026 12:00 pm" << at(2026, 1, 5, 12, 0);
        QTest::newRow("24-hour") << "12/10/2026 15:05" << at(2026, 12, 10, 15, 5);
        QTest::newRow("midnight 24-hour") << "12/10/2026 0:07" << at(2026, 12, 10, 0, 7);
        QTest::newRow("seconds") << "12/10/2026 3:05:42 PM" << at(2026, 12, 10, 15, 5, 42);
        QTest::newRow("date only") << "12/10/2026" << at(2026, 12, 10);
        QTest::newRow("two-digit year, AM") << "1/5/26 9:07 AM" << at(2026, 1, 5, 9, 7);
        QTest::newRow("pivot 29") << "1/2/29" << at(2029, 1, 2);
        QTest::newRow("pivot 30") << "1/2/30" << at(1930, 1, 2);
        QTest::newRow("no blank before pm") << "12/10/2026 3:05pm" << at(2026, 12, 10, 15, 5);
        QTest::newRow("P") << "12/10/2026 3:05 P" << at(2026, 12, 10, 15, 5);
        QTest::newRow("a") << "12/10/2026 3:05a" << at(2026, 12, 10, 3, 5);
        QTest::newRow("surrounding blanks") << "  12/10/2026\t" << at(2026, 12, 10);
        QTest::newRow("blanks before time") << "12/10/2026   15:05" << at(2026, 12, 10, 15, 5);
        QTest::newRow("leap day") << "2/29/2028" << at(2028, 2, 29);
        QTest::newRow("13:05 pm") << "12/10/2026 13:05 pm" << none;
        QTest::newRow("0:07 am") << "12/10/2026 0:07 am" << none;
        QTest::newRow("24:00") << "12/10/2026 24:00" << none;
        QTest::newRow("3:60") << "12/10/2026 3:60" << none;
        QTest::newRow("one-digit minutes") << "12/10/2026 3:5" << none;
        QTest::newRow("seconds 60") << "12/10/2026 3:05:60" << none;
        QTest::newRow("two blanks before pm") << "12/10/2026 3:05  pm" << none;
        QTest::newRow("pmx") << "12/10/2026 3:05 pmx" << none;
        QTest::newRow("trailing text") << "12/10/2026 3:05 pm today" << none;
        QTest::newRow("no blank before time") << "12/10/20263:05" << none;
        QTest::newRow("2/30") << "2/30/2026" << none;
        QTest::newRow("not a leap year") << "2/29/2027" << none;
        QTest::newRow("no day-month swap") << "13/10/2026" << none;
        QTest::newRow("13/32") << "13/32/2014" << none;
        QTest::newRow("no year") << "12/10" << none;
        QTest::newRow("time only") << "3:05 pm" << none;
        QTest::newRow("dot time") << "2.5" << none;
        QTest::newRow("dot date") << "04.28.14" << none;
        QTest::newRow("dashes") << "12-10-2026" << none;
        QTest::newRow("three-digit year") << "12/10/202" << none;
        QTest::newRow("five-digit year") << "12/10/20260" << none;
        QTest::newRow("year below 100") << "12/10/0099" << none;
        QTest::newRow("month name") << "Dec 10, 2026" << none;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("word") << "tomorrow" << none;
    }
    void parseDate()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, expected);
        const auto parsed = vbrt::parseDate(text);
        QCOMPARE(parsed.has_value(), expected.isValid());
        QCOMPARE(vbrt::isDate(text), expected.isValid());
        if (parsed) {
            QCOMPARE(parsed->date(), expected.date());
            QCOMPARE(parsed->time(), expected.time());
            QCOMPARE(vbrt::cdate(text), expected);
        } else {
            QCOMPARE(errorOf([&] { vbrt::cdate(text); }), 13);
        }
    }

    // A typed time inside the daylight-saving gap is still a date with the typed fields.
    void timeInDaylightSavingGap()
    {
        const QByteArray oldTz = qgetenv("TZ");
        qputenv("TZ", "America/New_York");
        const auto parsed = vbrt::parseDate(QStringLiteral("3/8/2026 2:30 am"));
        const auto ordinary = vbrt::parseDate(QStringLiteral("3/8/2026 3:30 am"));
        if (oldTz.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", oldTz);
        QVERIFY(parsed && parsed->isValid());
        QCOMPARE(parsed->date(), QDate(2026, 3, 8));
        QCOMPARE(parsed->time(), QTime(2, 30));
        QCOMPARE(vbrt::formatDate(*parsed, u"M/D/YY h:mm"), QStringLiteral("3/8/26 2:30"));
        QVERIFY(ordinary && ordinary->isValid());
        QCOMPARE(ordinary->timeSpec(), Qt::LocalTime);
    }

    // Date boxes and log lines the program wrote itself must read back to the same minute.
    void ownTextsParseBack_data()
    {
        QTest::addColumn<QDateTime>("value");
        for (const auto& [h, m] : {std::pair{0, 0}, {0, 7}, {11, 59}, {12, 0}, {12, 30}, {23, 59}})
            QTest::addRow("%02d:%02d", h, m) << QDateTime(QDate(2026, 7, 4), QTime(h, m));
        QTest::newRow("2099") << QDateTime(QDate(2099, 12, 31), QTime(9, 1));
    }
    void ownTextsParseBack()
    {
        QFETCH(QDateTime, value);
        const QString text = vbrt::formatDate(value, u"mm/dd/yyyy h:mm am/pm");
        QCOMPARE(vbrt::cdate(text), value);
    }
};

QTEST_GUILESS_MAIN(TestVbDate)
#include "test_vbdate.moc"

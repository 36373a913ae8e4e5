#include "vbconvert.h"
#include "vbdate.h"
#include "vbformat.h"
#include "vblocale.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <cstdio>

class TestVbLocale : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { vbrt::setLocale(vbrt::Locale::enUS()); }

    // Under the German run the system really is German, and the layer still speaks en-US.
    void systemLocaleIsIgnored()
    {
        const QByteArray expected = qgetenv("OSTREL_EXPECT_SYSTEM_LOCALE");
        if (!expected.isEmpty()) {
            QCOMPARE(QLocale::system().name(), QString::fromLatin1(expected));
            QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        }
        char printed[32];
        std::snprintf(printed, sizeof printed, "%.1f", 2.5);
        qInfo("system: Qt %s, C library prints 2.5 as %s", qPrintable(QLocale::system().name()),
              printed);

        const vbrt::Locale& l = vbrt::locale();
        QCOMPARE(l.decimal, QChar(u'.'));
        QCOMPARE(l.group, QChar(u','));
        QCOMPARE(l.dateOrder, vbrt::Locale::DateOrder::MDY);
        QCOMPARE(l.twoDigitYearPivot, 2029);
        QCOMPARE(l.monthNames[11], QStringLiteral("December"));
        QCOMPARE(vbrt::format(1234.5, u"#,##0.0"), QStringLiteral("1,234.5"));
        QCOMPARE(vbrt::formatNumber(2.25, 1), QStringLiteral("2.3"));
        QCOMPARE(vbrt::cstr(37.02), QStringLiteral("37.02"));
        QCOMPARE(vbrt::parseNumber(QStringLiteral("1,500.5")), std::optional<double>(1500.5));
        QVERIFY(!vbrt::isNumeric(QStringLiteral("1.500,5")));
        QCOMPARE(vbrt::cdate(QStringLiteral("12/10/2026")).date(), QDate(2026, 12, 10));
    }

    // Whatever locale is set, a number the program wrote parses back to the same value.
    void germanSeparatorsRoundTrip()
    {
        vbrt::Locale de;
        de.decimal = u',';
        de.group = u'.';
        de.dateSeparator = u'.';
        de.dateOrder = vbrt::Locale::DateOrder::DMY;
        de.monthNames[11] = QStringLiteral("Dezember");
        vbrt::setLocale(de);

        QCOMPARE(vbrt::format(1500.0, u"#,##0"), QStringLiteral("1.500"));
        QCOMPARE(vbrt::format(-1234.56, u"#,##0.0"), QStringLiteral("-1.234,6"));
        QCOMPARE(vbrt::format(0.15, u"#0.0"), QStringLiteral("0,2"));
        QCOMPARE(vbrt::formatNumber(1234.56, 1), QStringLiteral("1.234,6"));
        QCOMPARE(vbrt::cstr(2.5), QStringLiteral("2,5"));
        QCOMPARE(vbrt::cstr(0.9f), QStringLiteral("0,9"));

        QCOMPARE(vbrt::parseNumber(QStringLiteral("1.500")), std::optional<double>(1500));
        QCOMPARE(vbrt::parseNumber(QStringLiteral("-1.234,6")), std::optional<double>(-1234.6));
        QCOMPARE(vbrt::parseNumber(QStringLiteral("1,500")), std::optional<double>(1.5));
        QVERIFY(!vbrt::isNumeric(QStringLiteral("1.5")));
        QVERIFY(!vbrt::isNumeric(QStringLiteral("1,500.5")));
        QCOMPARE(vbrt::cint(QStringLiteral("20.000,5")), int16_t(20000));

        QCOMPARE(vbrt::cdate(QStringLiteral("10.12.2026 15:05")),
                 QDateTime(QDate(2026, 12, 10), QTime(15, 5)));
        QVERIFY(!vbrt::isDate(QStringLiteral("12/10/2026")));
        QCOMPARE(vbrt::formatDate(QStringLiteral("10.12.2026"), u"MMMM D, YYYY"),
                 QStringLiteral("Dezember 10, 2026"));
    }
};

QTEST_GUILESS_MAIN(TestVbLocale)
#include "test_vblocale.moc"

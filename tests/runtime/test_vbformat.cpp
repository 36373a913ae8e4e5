#include "errorof.h"
#include "vbformat.h"

#include <QTest>

#include <limits>

class TestVbFormat : public QObject
{
    Q_OBJECT
private slots:
    void doublePattern_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        // Ties round away from zero, unlike CInt.
        QTest::newRow("0.5") << 0.5 << "#,##0"
                             << "1";
        QTest::newRow("1.5") << 1.5 << "#,##0"
                             << "2";
        QTest::newRow("2.5") << 2.5 << "#,##0"
                             << "3";
        QTest::newRow("-2.5") << -2.5 << "#,##0"
                              << "-3";
        QTest::newRow("0.4") << 0.4 << "#,##0"
                             << "0";
        QTest::newRow("grouped") << 1234567.891 << "#,##0"
                                 << "1,234,568";
        QTest::newRow("35") << 35.0 << "#,##0"
                            << "35";
        QTest::newRow("999 no group") << 999.0 << "#,##0"
                                      << "999";
        QTest::newRow("1000 group") << 1000.0 << "#,##0"
                                    << "1,000";
        QTest::newRow("0.04 ##0.0") << 0.04 << "##0.0"
                                    << "0.0";
        QTest::newRow("0.15 #0.0, printf 0.1") << 0.15 << "#0.0"
                                               << "0.2";
        QTest::newRow("no grouping ##0.0") << 12345.67 << "##0.0"
                                           << "12345.7";
        QTest::newRow("carry into group") << 999.96 << "#,##0.0"
                                          << "1,000.0";
        QTest::newRow("negative grouped") << -1234.56 << "#,##0.0"
                                          << "-1,234.6";
        QTest::newRow("no -0.0") << -0.04 << "##0.0"
                                 << "0.0";
        QTest::newRow("no -0") << -0.4 << "#,##0"
                               << "0";
        QTest::newRow("2.675 0.00") << 2.675 << "0.00"
                                    << "2.68";
        QTest::newRow("1.005 #0.00") << 1.005 << "#0.00"
                                     << "1.01";
        QTest::newRow("0.285 ##0.00") << 0.285 << "##0.00"
                                      << "0.29";
        QTest::newRow("zero #0.00") << 0.0 << "#0.00"
                                    << "0.00";
        QTest::newRow("-zero") << -0.0 << "#,##0.00"
                               << "0.00";
        QTest::newRow("correlation %") << 99.456 << "#,##0.00"
                                       << "99.46";
        QTest::newRow("carry 0.000") << 9.9999 << "0.000"
                                     << "10.000";
        QTest::newRow("#,##0.000") << 1.23456 << "#,##0.000"
                                   << "1.235";
        QTest::newRow("#,##0.000 grouped") << 12345.0 << "#,##0.000"
                                           << "12,345.000";
        QTest::newRow("#0") << 59.6 << "#0"
                            << "60";
        QTest::newRow("0.0") << 0.25 << "0.0"
                             << "0.3";
        QTest::newRow("digits beyond 15") << 123456789012345678.0 << "#,##0"
                                          << "123,456,789,012,346,000";
        QTest::newRow("exact tie at 15 digits") << 123456789012345.5 << "#,##0"
                                                << "123,456,789,012,346";
        QTest::newRow("below a cent") << 0.004 << "0.00"
                                      << "0.00";
        QTest::newRow("half a cent") << 0.005 << "0.00"
                                     << "0.01";
        QTest::newRow("tiny") << 1e-300 << "#,##0.0"
                              << "0.0";
        QTest::newRow("optional digits") << 0.17 << "#.00"
                                         << ".17";
        QTest::newRow("only a point") << 0.0049 << "#.##"
                                      << ".";
        QTest::newRow("optional decimals") << 2.5 << "0.##"
                                           << "2.5";
    }
    void doublePattern()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(vbrt::format(value, pattern), expected);
    }

    void floatPattern_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        // Via double, 0.45f is 0.44999998... and would give "0.4".
        QTest::newRow("0.45f") << 0.45f << "0.0"
                               << "0.5";
        QTest::newRow("0.15f") << 0.15f << "#0.0"
                               << "0.2";
        QTest::newRow("654322.25f tie") << 654322.25f << "#,##0.0"
                                        << "654,322.3";
        QTest::newRow("1.1f") << 1.1f << "0.000"
                              << "1.100";
        QTest::newRow("-0.04f") << -0.04f << "##0.0"
                                << "0.0";
        QTest::newRow("big float") << 123456789.0f << "#,##0"
                                   << "123,456,800";
    }
    void floatPattern()
    {
        QFETCH(float, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(vbrt::format(value, pattern), expected);
    }

    void patternErrors_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("empty") << "";
        QTest::newRow("named") << "Standard";
        QTest::newRow("percent") << "0.0%";
        QTest::newRow("thousands scaling") << "#,";
        QTest::newRow("zero after hash decimals") << "0.#0";
        QTest::newRow("date") << "mm/dd/yyyy";
    }
    void patternErrors()
    {
        QFETCH(QString, pattern);
        QCOMPARE(errorOf([&] { vbrt::format(1.0, pattern); }), 5);
    }

    void notFiniteRaises()
    {
        QCOMPARE(errorOf([] { vbrt::format(std::numeric_limits<double>::infinity(), u"#0"); }), 6);
        QCOMPARE(errorOf([] { vbrt::cstr(std::numeric_limits<double>::quiet_NaN()); }), 6);
    }

    void formatNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tie away") << 2.25 << 1 << "2.3";
        QTest::newRow("grouped") << 1234.56 << 1 << "1,234.6";
        QTest::newRow("leading zero") << 0.25 << 1 << "0.3";
        QTest::newRow("no -0.0") << -0.04 << 1 << "0.0";
        QTest::newRow("negative") << -1234567.25 << 2 << "-1,234,567.25";
        QTest::newRow("no decimals") << 1499.5 << 0 << "1,500";
    }
    void formatNumber()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(vbrt::formatNumber(value, decimals), expected);
    }

    void cstrDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << 1.0 << "1";
        QTest::newRow("third") << 1.0 / 3.0 << "0.333333333333333";
        QTest::newRow("1500 x 0.03") << 1500 * 0.03 << "45";
        QTest::newRow("1234 x 0.03") << 1234 * 0.03 << "37.02";
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
        QTest::newRow("error number") << -2147219425.0 << "-2147219425";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("-zero") << -0.0 << "0";
        QTest::newRow("negative fraction") << -0.5 << "-0.5";
        QTest::newRow("exact tie") << 123456789012345.5 << "123456789012346";
        QTest::newRow("small") << 0.0001 << "0.0001";
        QTest::newRow("smaller") << 0.00001 << "1E-05";
        QTest::newRow("large") << 1e15 << "1E+15";
        QTest::newRow("large digits") << -1.5e20 << "-1.5E+20";
    }
    void cstrDouble()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(vbrt::cstr(value), expected);
    }

    void cstrFloat_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1.2f") << 1.2f << "1.2";
        QTest::newRow("0.9f") << 0.9f << "0.9";
        QTest::newRow("0.5f") << 0.5f << "0.5";
        QTest::newRow("1f") << 1.0f << "1";
        QTest::newRow("third") << 1.0f / 3.0f << "0.3333333";
        QTest::newRow("654322.25f tie, %.7g gives .2") << 654322.25f << "654322.3";
        QTest::newRow("8 digits") << 12345678.0f << "1.234568E+07";
    }
    void cstrFloat()
    {
        QFETCH(float, value);
        QFETCH(QString, expected);
        QCOMPARE(vbrt::cstr(value), expected);
    }

    void cstrWhole()
    {
        QCOMPARE(vbrt::cstr(3), QStringLiteral("3"));
        QCOMPARE(vbrt::cstr(int16_t(-32768)), QStringLiteral("-32768"));
        QCOMPARE(vbrt::cstr(vbrt::objectError(2079)), QStringLiteral("-2147219425"));
        QCOMPARE(vbrt::cstr(qint64(1) << 40), QStringLiteral("1099511627776"));
        QCOMPARE(vbrt::cstr(qsizetype(12)), QStringLiteral("12"));
        QCOMPARE(vbrt::cstr(18446744073709551615ull), QStringLiteral("18446744073709551615"));
        // The living-area rewrite formats the stored whole number.
        QCOMPARE(vbrt::format(int16_t(1234), u"#,##0"), QStringLiteral("1,234"));
        QCOMPARE(vbrt::format(-2147483647 - 1, u"#,##0"), QStringLiteral("-2,147,483,648"));
        // Concatenation where the original added text to a number.
        QCOMPARE(QStringLiteral("You have entered ") + vbrt::cstr(13) +
                     QStringLiteral(" bedrooms.  This is unusual.  Do you really want this value?"),
                 QStringLiteral("You have entered 13 bedrooms.  This is unusual.  Do you really "
                                "want this value?"));
    }

    // Callers write patterns as plain literals as well as QStrings.
    void patternsAsLiterals()
    {
        QCOMPARE(vbrt::format(1500.0, "#,##0"), QStringLiteral("1,500"));
        QCOMPARE(vbrt::format(0.45f, "0.0"), QStringLiteral("0.5"));
        QCOMPARE(vbrt::format(short(1234), "#,##0"), QStringLiteral("1,234"));
        QCOMPARE(vbrt::format(2.5, QStringLiteral("#,##0")), QStringLiteral("3"));
        const QDateTime t(QDate(2026, 1, 5), QTime(9, 7));
        QCOMPARE(vbrt::formatDate(t, "M/D/YY h:mm"), QStringLiteral("1/5/26 9:07"));
        QCOMPARE(vbrt::formatDate("1/5/2026", "MMMM D, YYYY"), QStringLiteral("January 5, 2026"));
    }

    void formatDate_data()
    {
        QTest::addColumn<QDateTime>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        const QString log = QStringLiteral("mm/dd/yyyy h:mm am/pm");
        const QString grid = QStringLiteral("M/D/YY h:mm");
        const QString report = QStringLiteral("MMMM D, YYYY");
        auto at = [](int y, int mo, int d, int h, int mi, int s = 0) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
        };
        QTest::newRow("afternoon") << at(2026, 12, 10, 15, 5, 42) << log << "12/10/2026 3:05 pm";
        QTest::newRow("after midnight") << at(2026, 1, 5, 0, 7) << log << "01/05/2026 12:07 am";
        QTest::newRow("noon") << at(2026, 1, 5, 12, 0) << log << "01/05/2026 12:00 pm";
        QTest::newRow("upper AM/PM") << at(2026, 1, 5, 9, 7) << "mm/dd/yyyy h:mm AM/PM"
                                     << "01/05/2026 9:07 AM";
        QTest::newRow("grid morning") << at(2026, 1, 5, 9, 7) << grid << "1/5/26 9:07";
        QTest::newRow("grid midnight") << at(2026, 12, 10, 0, 7) << grid << "12/10/26 0:07";
        QTest::newRow("grid 2009") << at(2009, 3, 4, 23, 59) << grid << "3/4/09 23:59";
        QTest::newRow("report") << at(2026, 1, 5, 0, 0) << report << "January 5, 2026";
        QTest::newRow("null") << QDateTime() << log << "";
    }
    void formatDatePatternErrors()
    {
        const QDateTime t(QDate(2026, 1, 5), QTime(9, 7));
        QCOMPARE(errorOf([&] { vbrt::formatDate(t, u"dddd"); }), 5);
        QCOMPARE(errorOf([&] { vbrt::formatDate(t, u"m/d/y"); }), 5);
        QCOMPARE(errorOf([&] { vbrt::formatDate(t, u"hhh"); }), 5);
    }
    void formatDate()
    {
        QFETCH(QDateTime, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(vbrt::formatDate(value, pattern), expected);
    }

    void formatDateText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("box text") << "12/10/2026 3:05 pm"
                                  << "MMMM D, YYYY"
                                  << "December 10, 2026";
        QTest::newRow("grid") << "1/5/26 9:07 AM"
                              << "M/D/YY h:mm"
                              << "1/5/26 9:07";
        QTest::newRow("empty") << ""
                               << "MMMM D, YYYY"
                               << "";
        QTest::newRow("no date") << "next Tuesday"
                                 << "MMMM D, YYYY"
                                 << "next Tuesday";
        QTest::newRow("impossible date") << "2/30/2026"
                                         << "MMMM D, YYYY"
                                         << "2/30/2026";
    }
    void formatDateText()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(vbrt::formatDate(text, pattern), expected);
    }
};

QTEST_GUILESS_MAIN(TestVbFormat)
#include "test_vbformat.moc"

#include "errorof.h"
#include "vbconvert.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestVbConvert : public QObject
{
    Q_OBJECT
private slots:
    void parseNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "1500" << true << 1500.0;
        QTest::newRow("own #,##0") << "1,500" << true << 1500.0;
        QTest::newRow("20,000") << "20,000" << true << 20000.0;
        QTest::newRow("600,000") << "600,000" << true << 600000.0;
        QTest::newRow("12,345,678") << "12,345,678" << true << 12345678.0;
        QTest::newRow("0,500") << "0,500" << true << 500.0;
        QTest::newRow("blanks") << " 12 " << true << 12.0;
        QTest::newRow("tabs") << "\t12\t" << true << 12.0;
        QTest::newRow("grouped decimals") << "1,500.5" << true << 1500.5;
        QTest::newRow("point first") << ".5" << true << 0.5;
        QTest::newRow("point last") << "5." << true << 5.0;
        QTest::newRow("plus") << "+5" << true << 5.0;
        QTest::newRow("minus") << "-5" << true << -5.0;
        QTest::newRow("minus point") << "-.25" << true << -0.25;
        QTest::newRow("own #,##0.0 negative") << "-1,234.6" << true << -1234.6;
        QTest::newRow("long decimals") << "0.1234567890123456789" << true << 0.1234567890123456789;
        QTest::newRow("1,5") << "1,5" << false << 0.0;
        QTest::newRow("15,00") << "15,00" << false << 0.0;
        QTest::newRow("1,5000") << "1,5000" << false << 0.0;
        QTest::newRow("1500,000") << "1500,000" << false << 0.0;
        QTest::newRow("group after point") << "1.500,5" << false << 0.0;
        QTest::newRow("trailing group") << "1," << false << 0.0;
        QTest::newRow("leading group") << ",500" << false << 0.0;
        QTest::newRow("currency") << "$5" << false << 0.0;
        QTest::newRow("hex") << "&H10" << false << 0.0;
        QTest::newRow("octal") << "&O17" << false << 0.0;
        QTest::newRow("exponent") << "1e3" << false << 0.0;
        QTest::newRow("exponent upper") << "1E-2" << false << 0.0;
        QTest::newRow("parentheses") << "(5)" << false << 0.0;
        QTest::newRow("trailing minus") << "5-" << false << 0.0;
        QTest::newRow("459.-") << "459.-" << false << 0.0;
        QTest::newRow("inner blank") << "1 500" << false << 0.0;
        QTest::newRow("sign blank") << "- 5" << false << 0.0;
        QTest::newRow("double sign") << "+-5" << false << 0.0;
        QTest::newRow("letters after") << "12abc" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("sign only") << "-" << false << 0.0;
        QTest::newRow("point only") << "." << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blanks only") << "   " << false << 0.0;
        QTest::newRow("date") << "12/10/2026" << false << 0.0;
        QTest::newRow("line feed") << "12\n" << false << 0.0;
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("beyond double") << QString(400, u'9') << false << 0.0;
        QTest::newRow("below double") << "0." + QString(400, u'0') + "1" << true << 0.0;
    }
    void parseNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        const auto parsed = vbrt::parseNumber(text);
        QCOMPARE(parsed.has_value(), numeric);
        QCOMPARE(vbrt::isNumeric(text), numeric);
        if (numeric)
            QCOMPARE(*parsed, value);
    }

    void cintNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("0.5") << 0.5 << 0 << 0;
        QTest::newRow("1.5") << 1.5 << 2 << 0;
        QTest::newRow("2.5") << 2.5 << 2 << 0;
        QTest::newRow("3.5") << 3.5 << 4 << 0;
        QTest::newRow("-0.5") << -0.5 << 0 << 0;
        QTest::newRow("-1.5") << -1.5 << -2 << 0;
        QTest::newRow("-2.5") << -2.5 << -2 << 0;
        QTest::newRow("-0.6") << -0.6 << -1 << 0;
        QTest::newRow("12.5") << 12.5 << 12 << 0;
        QTest::newRow("13.5") << 13.5 << 14 << 0;
        QTest::newRow("just below half") << 0.49999999999999994 << 0 << 0;
        QTest::newRow("just below -half") << -0.49999999999999994 << 0 << 0;
        QTest::newRow("32767.4") << 32767.4 << 32767 << 0;
        QTest::newRow("32767.5") << 32767.5 << 0 << 6;
        QTest::newRow("-32768.5") << -32768.5 << -32768 << 0;
        QTest::newRow("-32768.6") << -32768.6 << 0 << 6;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0 << 6;
        QTest::newRow("inf") << std::numeric_limits<double>::infinity() << 0 << 6;
    }
    void cintNumber()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QFETCH(int, error);
        int16_t result = 0;
        QCOMPARE(errorOf([&] { result = vbrt::cint(value); }), error);
        QCOMPARE(int(result), expected);
    }

    void clngNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("furnace low") << 19999.5 << 20000 << 0;
        QTest::newRow("furnace high") << 600000.5 << 600000 << 0;
        QTest::newRow("max") << 2147483647.4 << 2147483647 << 0;
        QTest::newRow("above max") << 2147483647.6 << 0 << 6;
        QTest::newRow("min tie") << -2147483648.5 << -2147483647 - 1 << 0;
        QTest::newRow("below min") << -2147483649.0 << 0 << 6;
    }
    void clngNumber()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QFETCH(int, error);
        int32_t result = 0;
        QCOMPARE(errorOf([&] { result = vbrt::clng(value); }), error);
        QCOMPARE(result, expected);
    }

    void roundHalfEvenLargeValues()
    {
        // 2^52 - 0.5: the last doubles with a fraction still round exactly.
        QCOMPARE(vbrt::roundHalfEven(4503599627370495.5), 4503599627370496.0);
        QCOMPARE(vbrt::roundHalfEven(4503599627370494.5), 4503599627370494.0);
        QCOMPARE(vbrt::roundHalfEven(1e300), 1e300);
        QCOMPARE(vbrt::roundHalfEven(-7.5), -8.0);
    }

    // Box texts into 16-bit fields, whole-number checks of the house data included.
    void cintText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("plain") << "1500" << 1500 << 0;
        QTest::newRow("grouped") << "1,500" << 1500 << 0;
        QTest::newRow("blanks") << " 12 " << 12 << 0;
        QTest::newRow("tab") << "\t12" << 12 << 0;
        QTest::newRow("1,500.5 even") << "1,500.5" << 1500 << 0;
        QTest::newRow("1,501.5 even") << "1,501.5" << 1502 << 0;
        QTest::newRow("living area 499.5") << "499.5" << 500 << 0;
        QTest::newRow("living area 0.4") << "0.4" << 0 << 0;
        QTest::newRow("bedrooms 12.5") << "12.5" << 12 << 0;
        QTest::newRow("bedrooms -0.4") << "-0.4" << 0 << 0;
        QTest::newRow("ceiling 6.5") << "6.5" << 6 << 0;
        QTest::newRow("ceiling 40.5") << "40.5" << 40 << 0;
        QTest::newRow("40000 too big") << "40000" << 0 << 6;
        QTest::newRow("12,345,678 too big") << "12,345,678" << 0 << 6;
        QTest::newRow("1,5") << "1,5" << 0 << 13;
        QTest::newRow("$5") << "$5" << 0 << 13;
        QTest::newRow("&H10") << "&H10" << 0 << 13;
        QTest::newRow("1e3") << "1e3" << 0 << 13;
        QTest::newRow("(5)") << "(5)" << 0 << 13;
        QTest::newRow("1 500") << "1 500" << 0 << 13;
        QTest::newRow("abc") << "abc" << 0 << 13;
        QTest::newRow("empty LBL zone") << "" << 0 << 13;
    }
    void cintText()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QFETCH(int, error);
        int16_t result = 0;
        QCOMPARE(errorOf([&] { result = vbrt::cint(text); }), error);
        QCOMPARE(int(result), expected);
    }

    void clngAndCsngText()
    {
        QCOMPARE(vbrt::clng(QStringLiteral("20,000")), 20000);
        QCOMPARE(vbrt::clng(QStringLiteral("600,000")), 600000);
        QCOMPARE(vbrt::clng(QStringLiteral("12,345,678")), 12345678);
        QCOMPARE(errorOf([] { vbrt::clng(QStringLiteral("3,000,000,000")); }), 6);
        QCOMPARE(errorOf([] { vbrt::clng(QString()); }), 13);
        QCOMPARE(vbrt::csng(QStringLiteral("0.9")), 0.9f);
        QCOMPARE(vbrt::csng(QStringLiteral("-71.2")), -71.2f);
        QCOMPARE(errorOf([] { vbrt::csng(QStringLiteral("1e39")); }), 13);
        QCOMPARE(errorOf([] { vbrt::csng(QStringLiteral("4") + QString(39, u'0')); }), 6);
        QCOMPARE(errorOf([] { vbrt::csng(1e39); }), 6);
        QCOMPARE(errorOf([] { vbrt::csng(QStringLiteral("")); }), 13);
    }

    void intDivAndMod_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<int>("quotient");
        QTest::addColumn<int>("remainder");
        QTest::newRow("3, 2") << 3.0 << 2.0 << 1 << 1;
        QTest::newRow("2, 2") << 2.0 << 2.0 << 1 << 0;
        QTest::newRow("-1, 2") << -1.0 << 2.0 << 0 << -1;
        QTest::newRow("-7, 2") << -7.0 << 2.0 << -3 << -1;
        QTest::newRow("7, -2") << 7.0 << -2.0 << -3 << 1;
        QTest::newRow("7.5 rounds to 8") << 7.5 << 2.0 << 4 << 0;
        QTest::newRow("6.5 rounds to 6") << 6.5 << 2.0 << 3 << 0;
        QTest::newRow("285") << 285.0 << 2.0 << 142 << 1;
        QTest::newRow("12.6 mod 5") << 12.6 << 5.0 << 2 << 3;
        QTest::newRow("19 mod 6.7") << 19.0 << 6.7 << 2 << 5;
    }
    void intDivAndMod()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(int, quotient);
        QFETCH(int, remainder);
        QCOMPARE(vbrt::intDiv(a, b), quotient);
        QCOMPARE(vbrt::mod(a, b), remainder);
    }

    void intDivAndModErrors_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<int>("divError");
        QTest::addColumn<int>("modError");
        QTest::newRow("by 0") << 5.0 << 0.0 << 11 << 11;
        QTest::newRow("by 0.4, rounds to 0") << 5.0 << 0.4 << 11 << 11;
        QTest::newRow("min by -1") << -2147483648.0 << -1.0 << 6 << 0;
        QTest::newRow("operand beyond Long") << 3e9 << 1.0 << 6 << 6;
    }
    void intDivAndModErrors()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(int, divError);
        QFETCH(int, modError);
        QCOMPARE(errorOf([&] { vbrt::intDiv(a, b); }), divError);
        QCOMPARE(errorOf([&] { vbrt::mod(a, b); }), modError);
    }

    void intAndFix()
    {
        QCOMPARE(vbrt::vbInt(2.7), 2.0);
        QCOMPARE(vbrt::vbInt(-2.3), -3.0);
        QCOMPARE(vbrt::fix(-2.3), -2.0);
        QCOMPARE(vbrt::fix(2.7), 2.0);
    }

    void checkedWholeArithmetic()
    {
        QCOMPARE(vbrt::addInt(32000, 767), int16_t(32767));
        QCOMPARE(errorOf([] { vbrt::addInt(32767, 1); }), 6);
        QCOMPARE(errorOf([] { vbrt::subInt(-32768, 1); }), 6);
        QCOMPARE(errorOf([] { vbrt::mulInt(256, 128); }), 6);
        QCOMPARE(vbrt::mulLng(65536, 32767), 2147418112);
        QCOMPARE(errorOf([] { vbrt::mulLng(65536, 32768); }), 6);
        QCOMPARE(errorOf([] { vbrt::addLng(2147483647, 1); }), 6);
        QCOMPARE(errorOf([] { vbrt::subLng(-2147483647 - 1, 1); }), 6);
    }
};

QTEST_GUILESS_MAIN(TestVbConvert)
#include "test_vbconvert.moc"

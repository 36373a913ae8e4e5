#include "ReportTestSupport.h"

#include "report/ReportLayout.h"
#include "report/ReportOutput.h"
#include "report/ReportRenderer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace reportsamples;
using platform::ReportLayout;

namespace {

struct LayoutCase
{
    const char* name;
    bool technical;
    bool loose;
};

const LayoutCase kLayouts[] = {
    {"drpTightHouse", false, false},
    {"drpLooseHouse", false, true},
    {"drpTightTechnical", true, false},
    {"drpLooseTechnical", true, true},
};

Columns samplesFor(const QString& layout)
{
    for (const LayoutCase& c : kLayouts)
        if (layout == QLatin1String(c.name))
            return c.technical ? technicalColumns(c.loose) : houseColumns(c.loose);
    qFatal("no such layout");
}

QStringList names(const Columns& columns)
{
    QStringList out;
    for (const auto& c : columns)
        out << c.first;
    return out;
}

// A small layout around one detail section's items, for the format's own cases.
QByteArray tinyLayout(const QByteArray& items, const QByteArray& extra = {})
{
    return "{ \"name\": \"tiny\", " + extra +
           " \"sections\": [ { \"kind\": \"detail\", \"height\": 100, \"items\": [ " + items +
           " ] } ] }";
}

ReportLayout loadBytes(const QByteArray& bytes, const QSqlRecord& record)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReportLayout::load(buffer, record, QStringLiteral("tiny.json"));
}

const QString kHeader[] = {"Report Prepared For:", "Prepared By:", "Date Of Test:"};

QStringList houseTightTexts()
{
    return {
        "How Much Leakage Is Needed for Fresh Air?",
        "Your Home's Test Results",
        "Recommendations",
        "T I GHT",
        "The national ventilation standard recommends that all the air in your home be exchanged "
        "with fresh outside air ",
        "In order to obtain the required fresh air on a yearly average basis, your home needs",
        "of air leaks.  These leaks should ideally let in clean, fresh outside air (e.g. around "
        "windows & doors);",
        "not potentially polluted air",
        "from attics, garages, crawlspaces, basements, or underground.",
        "The Caldrovane has measured",
        "of Total Leakage Area in your home.",
        "If the air leaks are only in the \"house envelope\" the calculated air exchange rate "
        "would average ",
        "However, if any of the leaks are in the air duct system, your actual air",
        "changes may be substantially higher.  Duct leaks experience much higher pressures than "
        "house leaks.  One square inch of duct leakage to the outside has approximately the same "
        "impact as 30 square inches of house leaks.",
        "Regardless of how tight the house is, ",
        "any duct leakage found should be repaired. ",
        "Duct leaks greatly increase heating & cooling costs, decrease comfort, shorten equipment "
        "life, and draw in dust, mold spores and other pollutants.  \"House Envelope\" leaks that "
        "contribute to indoor air quality problems, discomfort, or building moisture damage "
        "should also be sealed.",
        "Your house needs controlled mechanical ventilation.     ",
        "Consult your Heating, Ventilation, and Air",
        "Quiet fans in bathrooms and the kitchen, that can exhaust at least 70 cubic feet of air "
        "per minute.",
        "A filtered fresh air intake into your return duct system, with a timer and outside "
        "temperature control.",
        "A Energy Recovery Ventilator that recovers the outgoing stale air's energy and filters "
        "the fresh air.",
        "Total house leakage is only one factor affecting indoor air quality.  Additional tests "
        "are often recommended, e.g. an overall pollutant, mold and moisture source survey;  "
        "ventilation system performance; combustion safety tests for heat exchanger leakage, "
        "carbon monoxide and venting competition.",
        "The recommended air exchange rate is based on the ASHRAE Standard 62.2P of 7.5 cubic "
        "feet per minute per person (calculated as two persons in the first bedroom and one "
        "thereafter), plus 3 cfm/100 sq.ft. additional, then divided by the house volume on a "
        "daily basis. ",
        "Predicted uncontrolled air exchange rates and minimum leakage area are derived from a "
        "mathematical model developed by Lawrence Berkeley Laboratories.  The predicted rate is "
        "an approximate annual average.  Actual rates will be higher during cold/hot, or windy "
        "weather, and lower during mild weather.",
    };
}

QStringList houseLooseTexts()
{
    return {
        "How Much Leakage Is Needed For Fresh Air?",
        "Your Home's Test Results",
        "Recommendations",
        "Exception:",
        "LOOSE",
        "The national ventilation standard recommends all the air in your home be exchanged with "
        "fresh outside air ",
        "In order to obtain the required fresh air on a yearly average basis, your home needs",
        "of air leaks.  These leaks should ideally let in clean, fresh outside air (e.g. around "
        "windows & doors);",
        "not potentially polluted air",
        "from attics, garages, crawlspaces, basements, or underground.",
        "The Caldrovane has measured",
        "of Total Leakage Area in your home.",
        "On average, this will cause approximately",
        // One label beginning with blanks, two blanks after "Duct leaks".
        "  if any of the leaks are in the air duct system, your actual air changes may be "
        "substantially higher.  Duct leaks  experience much higher pressures than house leaks.  "
        "One square inch of duct leakage to the outside has approximately the same impact as 30 "
        "square inches of house leaks.",
        "Have a \"House Doctor Treatment\" performed to reduce excessive air leakage.  ",
        "The highest priority",
        "are generally duct leaks, those that let in contaminated air, and large attic floor "
        "leaks.  ",
        "Sealing leaks will improve comfort and indoor humidity control, reduce utility bills, "
        "and save money. It can also reduce incoming dust, insects, mold, pollen, car exhaust & "
        "other air pollutants.",
        "Even a leaky home occasionally needs ventilation.",
        "Ensure your bathroom fans can exhaust at least ",
        "70 cubic feet of air per minute.  ",
        "During mild weather, operate fans or crack open windows to maintain sufficient air "
        "exchanges.",
        // The two notes joined in one label, figures as numerals.
        "The recommended air exchange rate is based on the ASHRAE Standard 62.2P of 7.5 cubic "
        "feet per minute per person (calculated as 2 persons in the first bedroom and 1 "
        "thereafter), plus 3 cfm/100 sq.ft. additional, then divided by the house volume on a "
        "daily basis. Predicted uncontrolled air exchange rates and minimum leakage area are "
        "derived from a mathematical model developed by Lawrence Berkeley Laboratories.  The "
        "predicted rate is an approximate annual average.  Actual rates will be higher during "
        "cold/hot, or windy weather, and lower during mild weather.",
        "can be made much tighter than the calculated leakage area requirement",
        "Total house leakage is only one factor affecting indoor air quality.  Additional tests "
        "are often recommended, e.g. an overall pollutant, mold and moisture source survey;  "
        "ventilation system performance; combustion safety tests for heat exchanger leakage, "
        "carbon monoxide and venting competition.",
    };
}

QStringList technicalTexts(bool loose)
{
    QStringList t = {
        "Living Area:",
        "Wind Shielding:",
        "Climate:",
        "Temperatures:",
        "Test Data:",
        "Measured Leakage Area:",
        "Calculated Optimum Leakage Area:",
        "Estimated Annual Average Air Change Rate:",
        "Estimated Manual J Air Change Rate:",
        "Total Leakage Area is equal to a crack half an inch high by ",
        "Constant Mechanical Whole Building Ventilation Rate Specified By ASHRAE 62P:",
        "ELA Reference Pressure = 25 Pa",
        "Leakage Areas and Sealing Potential",
        "Air Exchange Rates: Annual Average, Manual J and Mechanical Requirements",
        "Imbalanced Airflow Required to Pressurize/Depressurize",
        "(Approximate)",
        "Humidification/Dehumidification Requirements",
        "Added Duct Leakage to Outside",
        "None",
        "50 cfm",
        "100 cfm",
        "200 cfm",
        "300 cfm",
        "Winter to 35% RH (Add)",
        "Summer to 45% RH (Remove)",
        "Maximum Acceptable Total Duct Leakage Per New Construction Codes",
        "Based on Total Air Conditioner Size (5% of 400 cfm/ton):",
        "1.5 tons:   30 cfm, 6 sq. in.",
        "2.0 tons:   40 cfm, 8 sq. in.",
        "2.5 tons:   50 cfm, 9 sq. in.",
        "3.0 tons:   60 cfm, 11 sq. in.",
        "3.5 tons:   70 cfm, 13 sq. in.",
        "4.0 tons:   80 cfm, 15 sq. in.",
        "5.0 tons:   100 cfm, 19 sq. in.",
    };
    if (loose)
        t << "LOOSE";
    else
        t << "T I GHT"
          << "This house is already at or below the recommended Optimum Leakage Area. Only seal "
             "leaks if the occupants are informed of the implications. After repair, intermittent "
             "ventilation may be beneficial, especially during mild, calm weather.  Although "
             "occasionally cracking windows may be sufficient, Mechanical Ventilation capability "
             "is recommended, for example, an energy recovery ventilator, a dampered make-up "
             "outside air duct into the return, and/or exhaust fans in the bathrooms/kitchen.";
    return t;
}

QStringList fixedTextsOf(const QString& layout)
{
    QStringList t(std::begin(kHeader), std::end(kHeader));
    if (layout == "drpTightHouse")
        t += houseTightTexts();
    else if (layout == "drpLooseHouse")
        t += houseLooseTexts();
    else
        t += technicalTexts(layout == "drpLooseTechnical");
    return t;
}

// The boxes each layout binds, in the order they appear.
QStringList boundOf(const QString& layout)
{
    const QStringList header = {"Title", "ClientInfo", "TechInfo", "TestDate"};
    if (layout == "drpTightHouse")
        return header +
               QStringList{"AirExchangeRequired", "ELARequired", "ELAMeasured", "ExchangesPerDay"};
    if (layout == "drpLooseHouse")
        return header + QStringList{"AirExchangeRequired", "ELARequired", "ELAMeasured",
                                    "ExchangesPerDay", "ExchangesMultiplier"};
    QStringList t = header + QStringList{"LivingArea",
                                         "WindShielding",
                                         "Climate",
                                         "TempDirection",
                                         "TestData",
                                         "CFM50",
                                         "AirChanges50",
                                         "Correlation",
                                         "C",
                                         "N",
                                         "MeasuredLeakage",
                                         "OptimumLeakage",
                                         "CrackLeakage"};
    if (layout == "drpLooseTechnical")
        t << "SealableLeakage";
    t << "AverageAirChanges"
      << "SeasonalAirChanges"
      << "ASHRAEWhole"
      << "ASHRAELeakage"
      << "BoosterVentilation"
      << "WinterNone"
      << "Winter50"
      << "Winter100"
      << "Winter200"
      << "Winter300"
      << "SummerNone"
      << "Summer50"
      << "Summer100"
      << "Summer200"
      << "Summer300"
      << "AirflowRequired1pa"
      << "AirflowRequired2pa"
      << "AirflowRequired3pa"
      << "AirflowRequired4pa"
      << "AirflowRequired5pa"
      << "MaxDuctLeakage";
    return t;
}

} // namespace

class TestReportLayout : public QObject
{
    Q_OBJECT
private slots:
    void layouts_data();
    void bindsTheColumnsOfItsRecord_data() { layouts_data(); }
    void bindsTheColumnsOfItsRecord();
    void refusesARecordMissingAnyBoundColumn_data() { layouts_data(); }
    void refusesARecordMissingAnyBoundColumn();
    void holdsEveryFixedTextWordForWord_data() { layouts_data(); }
    void holdsEveryFixedTextWordForWord();
    void pdfShowsFixedTextsAndValues_data() { layouts_data(); }
    void pdfShowsFixedTextsAndValues();

    void resourcesHoldEveryLayout_data() { layouts_data(); }
    void resourcesHoldEveryLayout();
    void refusesInvalidLayouts_data();
    void refusesInvalidLayouts();
    void columnNamesMatchExactly();
    void textsPrintAsTheyAre();
    void longTextsWrapThenShrink();
    void pdfToAnUnwritablePlaceIsAnError();
    void paintsOnAnyDevice();
};

void TestReportLayout::layouts_data()
{
    QTest::addColumn<QString>("layout");
    for (const LayoutCase& c : kLayouts)
        QTest::newRow(c.name) << QString::fromLatin1(c.name);
}

void TestReportLayout::bindsTheColumnsOfItsRecord()
{
    QFETCH(QString, layout);
    const Columns columns = samplesFor(layout);
    const ReportLayout l = ReportLayout::load(layoutPath(layout), selectRecord(columns));
    QCOMPARE(l.name(), layout);
    QCOMPARE(l.boundColumns(), boundOf(layout));
    for (const QString& c : l.boundColumns())
        QVERIFY2(names(columns).contains(c), qPrintable(c));
    // Letter portrait.
    QCOMPARE(l.pageSize(), QSizeF(612, 792));
}

void TestReportLayout::refusesARecordMissingAnyBoundColumn()
{
    QFETCH(QString, layout);
    const Columns columns = samplesFor(layout);
    for (const QString& column : boundOf(layout)) {
        try {
            ReportLayout::load(layoutPath(layout), selectRecord(without(columns, column)));
            QFAIL(qPrintable("no error without " + column));
        } catch (const vbrt::Error& e) {
            QCOMPARE(e.number(), platform::ErrReportColumnMissing);
            QVERIFY2(e.description().contains("\"" + column + "\""), qPrintable(e.description()));
            QVERIFY(e.description().contains(layout));
        }
    }
    // The house report's Tight record has no multiplier; only the Loose layout binds it.
    if (layout == "drpTightHouse")
        ReportLayout::load(layoutPath(layout), selectRecord(houseColumns(false)));
    if (layout == "drpLooseHouse")
        QVERIFY_THROWS_EXCEPTION(
            vbrt::Error, ReportLayout::load(layoutPath(layout), selectRecord(houseColumns(false))));
}

void TestReportLayout::holdsEveryFixedTextWordForWord()
{
    QFETCH(QString, layout);
    const ReportLayout l = ReportLayout::load(layoutPath(layout), selectRecord(samplesFor(layout)));
    const QString all = l.fixedTexts().join(QLatin1Char('\n'));
    for (const QString& text : fixedTextsOf(layout))
        QVERIFY2(all.contains(text), qPrintable(text));
}

void TestReportLayout::pdfShowsFixedTextsAndValues()
{
    QFETCH(QString, layout);
    const Columns columns = samplesFor(layout);
    const QSqlRecord record = selectRecord(columns);
    const ReportLayout l = ReportLayout::load(layoutPath(layout), record);

    QTemporaryDir dir;
    const QByteArray keep = qgetenv("OSTREL_REPORT_OUT"); // to look at the pages
    const QString path =
        (keep.isEmpty() ? dir.path() : QString::fromLocal8Bit(keep)) + "/" + layout + ".pdf";
    const platform::ReportPaintResult result = platform::writeReportPdf(l, record, path);
    QVERIFY2(result.overflowing.isEmpty(), qPrintable(result.overflowing.join(", ")));
    // Typical values fit at full size; only longer ones are set smaller.
    QVERIFY2(result.shrunk.isEmpty(), qPrintable(result.shrunk.join(", ")));

    int pages = 0;
    const QString text = pdfText(path, &pages);
    QCOMPARE(pages, 1);
    QString unspaced = text;
    unspaced.remove(QLatin1Char(' '));
    for (const QString& fixed : fixedTextsOf(layout)) {
        // The side label runs up the page; its letters come back one by one.
        if (fixed == "T I GHT" || fixed == "LOOSE")
            QVERIFY2(unspaced.contains(QString(fixed).remove(QLatin1Char(' '))), qPrintable(fixed));
        else
            QVERIFY2(text.contains(squeezed(fixed)), qPrintable(fixed));
    }
    for (const QString& column : boundOf(layout)) {
        const QString value = record.value(column).toString();
        QVERIFY2(text.contains(squeezed(platform::reportDisplayText(value))), qPrintable(column));
    }
    QVERIFY(text.contains("Smith & Sons Home Performance"));
    if (layout == "drpLooseHouse") {
        // The joined notes, the exception for ventilated houses, then indoor air quality.
        const qsizetype joined = text.indexOf("Lawrence Berkeley Laboratories");
        const qsizetype exception = text.indexOf("Exception: Houses with good quality");
        const qsizetype air = text.indexOf("Total house leakage is only one factor");
        QVERIFY(joined >= 0 && joined < exception && exception < air);
    }
}

void TestReportLayout::resourcesHoldEveryLayout()
{
    QFETCH(QString, layout);
    QFile resource(":/layouts/" + layout + ".json");
    QFile source(layoutPath(layout));
    QVERIFY(resource.open(QIODevice::ReadOnly));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(resource.readAll(), source.readAll());
    ReportLayout::load(resource.fileName(), selectRecord(samplesFor(layout)));
}

void TestReportLayout::refusesInvalidLayouts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray label = R"({"type":"label","x":0,"y":0,"w":50,"h":10,"text":"A")";
    QTest::newRow("syntax") << QByteArray("{ \"name\": \"tiny\",\n \"sections\": [ }")
                            << "on line 2";
    QTest::newRow("unknown key") << tinyLayout(label + R"(,"colour":"red"})") << "\"colour\"";
    QTest::newRow("unknown type") << tinyLayout(R"({"type":"textbox","x":0,"y":0,"w":5,"h":5})")
                                  << "textbox";
    QTest::newRow("outside section")
        << tinyLayout(R"({"type":"label","x":0,"y":95,"w":50,"h":10,"text":"A"})")
        << "outside its section";
    QTest::newRow("wider than page")
        << tinyLayout(R"({"type":"label","x":500,"y":0,"w":50,"h":10,"text":"A"})")
        << "outside its section";
    QTest::newRow("no style") << tinyLayout(label + R"(,"style":"huge"})") << "\"huge\"";
    QTest::newRow("bad colour") << tinyLayout(label + R"(,"color":"reddish"})") << "reddish";
    QTest::newRow("run with both") << tinyLayout(R"({"type":"paragraph","x":0,"y":0,"w":50,"h":10,)"
                                                 R"("runs":[{"text":"a","column":"Title"}]})")
                                   << "either";
    QTest::newRow("empty column")
        << tinyLayout(R"({"type":"field","x":0,"y":0,"w":50,"h":10,"column":""})") << "empty";
    QTest::newRow("number as text")
        << tinyLayout(R"({"type":"label","x":"0","y":0,"w":50,"h":10,"text":"A"})")
        << "must be a number";
    QTest::newRow("no detail")
        << QByteArray(R"({"name":"tiny","sections":[{"kind":"pageHeader","height":10}]})")
        << "no detail";
    QTest::newRow("too tall")
        << QByteArray(R"({"name":"tiny","sections":[{"kind":"pageHeader","height":400},)"
                      R"({"kind":"detail","height":400}]})")
        << "room for 720";
    QTest::newRow("missing picture")
        << tinyLayout(R"({"type":"image","x":0,"y":0,"w":50,"h":10,"source":"nothere.png"})")
        << "nothere.png";
    QTest::newRow("page size") << tinyLayout(label + "}", R"("page":{"size":"Tabloid"},)")
                               << "Tabloid";
}

void TestReportLayout::refusesInvalidLayouts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    try {
        loadBytes(bytes, selectRecord({{"Title", "x"}}));
        QFAIL("layout accepted");
    } catch (const vbrt::Error& e) {
        QCOMPARE(e.number(), platform::ErrReportLayoutInvalid);
        QVERIFY2(e.description().contains(message), qPrintable(e.description()));
    }
}

void TestReportLayout::columnNamesMatchExactly()
{
    // SQL does not care about the case of a name; the layout contract does.
    const QByteArray bytes = tinyLayout(
        R"({"type":"field","name":"txtTitle","x":0,"y":0,"w":50,"h":10,"column":"Title"})");
    loadBytes(bytes, selectRecord({{"Title", "x"}}));
    try {
        loadBytes(bytes, selectRecord({{"TITLE", "x"}}));
        QFAIL("accepted a column spelt otherwise");
    } catch (const vbrt::Error& e) {
        QCOMPARE(e.number(), platform::ErrReportColumnMissing);
        QVERIFY(e.description().contains("txtTitle"));
    }
    // Painting with another record than the one checked at loading is refused too.
    const ReportLayout l = loadBytes(bytes, selectRecord({{"Title", "x"}}));
    QImage image(100, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    QVERIFY_THROWS_EXCEPTION(vbrt::Error, platform::paintReport(l, selectRecord({{"Other", "x"}}),
                                                                painter, image.rect()));
}

void TestReportLayout::textsPrintAsTheyAre()
{
    QCOMPARE(platform::reportDisplayText("Pat && Lee"), QString("Pat && Lee"));
    QCOMPARE(platform::reportDisplayText("a\r\nb"), QString("a") + QChar::LineSeparator + "b");

    // Fixed texts and values alike: a name typed with "&&" is printed as typed.
    const QByteArray bytes =
        tinyLayout(R"({"type":"paragraph","x":0,"y":0,"w":500,"h":40,"runs":[)"
                   R"({"text":"Heating & Cooling by "},{"column":"TechInfo"}]})");
    const QSqlRecord record = selectRecord({{"TechInfo", "Pat && Lee"}});
    QTemporaryDir dir;
    const QString path = dir.filePath("amp.pdf");
    platform::writeReportPdf(loadBytes(bytes, record), record, path);
    QCOMPARE(pdfText(path), QString("Heating & Cooling by Pat && Lee"));
}

void TestReportLayout::longTextsWrapThenShrink()
{
    // The longest names the client fields hold wrap onto the header's second line at full size.
    Columns columns = technicalColumns(false);
    const QString longName = QString("Bartholomew Featherstonehaugh-Wolfeschlegelstein") + ", " +
                             "12345 North Old Settlers Memorial Parkway, Apt 1204" + ", " +
                             "Rancho Santa Margarita" + ", CA";
    for (auto& c : columns)
        if (c.first == "ClientInfo")
            c.second = longName;
    const QSqlRecord record = selectRecord(columns);
    QTemporaryDir dir;
    const auto result = platform::writeReportPdf(
        ReportLayout::load(layoutPath("drpTightTechnical"), record), record, dir.filePath("l.pdf"));
    QVERIFY2(result.overflowing.isEmpty(), qPrintable(result.overflowing.join(", ")));
    QVERIFY2(result.shrunk.isEmpty(), qPrintable(result.shrunk.join(", ")));
    QVERIFY(pdfText(dir.filePath("l.pdf")).contains(longName));

    // Without "shrink" a text too long for its box is reported, and still shown whole. With
    // it, the text is set smaller, but never below 8 points (9 is the default size here).
    const QByteArray item = R"({"type":"field","name":"txtLong","x":0,"y":0,"w":60,"h":12,)"
                            R"("wrap":false,"column":"Title")";
    auto paint = [&](const QByteArray& extra, const QString& title) {
        const QSqlRecord row = selectRecord({{"Title", title}});
        QImage image(612, 792, QImage::Format_RGB32);
        QPainter painter(&image);
        return platform::paintReport(loadBytes(tinyLayout(item + extra + "}"), row), row, painter,
                                     image.rect());
    };
    const auto plain = paint("", "A title far too long");
    QCOMPARE(plain.overflowing.size(), 1);
    QVERIFY2(plain.overflowing.first().startsWith("txtLong (needs"),
             qPrintable(plain.overflowing.first()));
    // Would fit at about 6 points: too small to be read, so it stays at 8 and runs over.
    QCOMPARE(paint(R"(,"shrink":true)", "A title far too long").overflowing.size(), 1);
    // Fits at 8 points.
    const auto shrunk = paint(R"(,"shrink":true)", "A title too long");
    QVERIFY(shrunk.overflowing.isEmpty());
    QCOMPARE(shrunk.shrunk, QStringList{"txtLong"});
    QCOMPARE(paint("", "A title too long").overflowing.size(), 1);
    // A text set below 8 points to begin with is never set smaller.
    QCOMPARE(paint(R"(,"shrink":true,"size":7)", "A title far too long").overflowing.size(), 1);
}

void TestReportLayout::pdfToAnUnwritablePlaceIsAnError()
{
    const Columns columns = houseColumns(false);
    const QSqlRecord record = selectRecord(columns);
    const ReportLayout l = ReportLayout::load(layoutPath("drpTightHouse"), record);
    try {
        platform::writeReportPdf(l, record, "/nonexistent-folder/report.pdf");
        QFAIL("no error");
    } catch (const vbrt::Error& e) {
        QCOMPARE(e.number(), platform::ErrReportOutput);
        QVERIFY(e.description().contains("/nonexistent-folder/report.pdf"));
    }
}

void TestReportLayout::paintsOnAnyDevice()
{
    // The same page on a small and a large picture: red values and blue headings land in the
    // same places, scaled.
    const QSqlRecord record = selectRecord(technicalColumns(true));
    const ReportLayout l = ReportLayout::load(layoutPath("drpLooseTechnical"), record);
    auto render = [&](int width) {
        QImage image(width, width * 11 / 8.5, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const auto result = platform::paintReport(l, record, painter, image.rect());
        painter.end();
        return std::pair(image, result);
    };
    const auto [small, smallResult] = render(425);
    const auto [large, largeResult] = render(1275);
    QVERIFY(smallResult.overflowing.isEmpty());
    QVERIFY(largeResult.overflowing.isEmpty());
    auto share = [](const QImage& image, auto test) {
        qint64 n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += test(QColor(image.pixel(x, y)));
        return double(n) / (image.width() * image.height());
    };
    auto red = [](QColor c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; };
    auto blue = [](QColor c) { return c.blue() > 120 && c.red() < 80; };
    QVERIFY(share(large, red) > 0.002);
    QVERIFY(share(large, blue) > 0.002);
    QVERIFY(qAbs(share(large, red) - share(small, red)) < share(large, red) * 0.5);
}

QTEST_MAIN(TestReportLayout)
#include "test_report_layout.moc"

#include "HLDatasets.h"

#include "HouseLeakageTest.h"
#include "vbconvert.h"
#include "vbformat.h"

namespace hl {

RangeKind rangeKindOfText(const QString& rangeText)
{
    if (rangeText == MeasuredDirectlyText)
        return RangeKind::MeasuredDirectly;
    if (rangeText == TwoBlowersText)
        return RangeKind::TwoBlowers;
    return RangeKind::FanPressure;
}

DatasetMap feedDatasets(HouseLeakageTest& test,
                        const std::array<DatasetReadings, DatasetCount>& rows, bool singlePoint,
                        RangeKind kind)
{
    DatasetMap map;
    const int lastRow = singlePoint ? 0 : DatasetCount - 1;
    for (int i = 0; i <= lastRow; ++i) {
        const DatasetReadings& r = rows[size_t(i)];
        if (!r.house)
            continue;
        const int d = map.count++;
        map.row[size_t(d)] = i;
        test.setCurrentDataset(int16_t(d));
        test.setHousePressure(*r.house);
        if (kind == RangeKind::MeasuredDirectly) {
            test.setTestFlow(r.testFlow.value_or(0));
        } else {
            test.setFlowPressure(r.flow.value_or(0));
            if (kind == RangeKind::TwoBlowers)
                test.setFlowPressure2(r.flow2.value_or(0));
        }
    }
    return map;
}

namespace {

struct Limits
{
    const char* name; // with its article: "a House Pressure"
    const char* unit; // "Pa", "cfm", "degrees F"
    double hardLow;   // below: refused
    double hardHigh;  // above: refused
    double usualLow;  // below: asked
    double usualHigh; // above: asked
    bool reading;     // a data-set reading (named with its set, at least 1)
};

Limits limitsOf(Reading kind)
{
    switch (kind) {
    case Reading::InsideTemp:
        return {"an Inside Temperature", "degrees F", -100, 200, 50, 95, false};
    case Reading::OutsideTemp:
        return {"an Outside Temperature", "degrees F", -100, 200, -40, 120, false};
    case Reading::HousePressure:
        return {"a House Pressure", "Pa", 1, 1000, 1, 100, true};
    case Reading::FlowPressure:
        return {"a Flow Pressure", "Pa", 1, 10000, 1, 1000, true};
    case Reading::FlowPressure2:
        return {"a Fan 2 Flow Pressure", "Pa", 1, 10000, 1, 1000, true};
    case Reading::TestFlow:
        return {"a Test Flow", "cfm", 1, 32767, 1, 10000, true};
    }
    return {"a value", "", 0, 0, 0, 0, false};
}

// "House Pressure of set 2", "Inside Temperature".
QString subject(const Limits& l, int dataset)
{
    QString name = QString::fromLatin1(l.name);
    name = name.mid(name.indexOf(' ') + 1);
    if (l.reading)
        name += QStringLiteral(" of set %1").arg(dataset + 1);
    return name;
}

QString amount(double value, const char* unit)
{
    return vbrt::format(value, "#,##0") + ' ' + QString::fromLatin1(unit);
}

} // namespace

CheckResult checkReading(Reading kind, const QString& text, int dataset)
{
    const Limits l = limitsOf(kind);
    const std::optional<double> parsed = vbrt::parseNumber(text);
    if (!parsed)
        return {CheckResult::Refuse,
                QStringLiteral("A number is required for the %1.").arg(subject(l, dataset))};
    // What is stored is the whole number; a reading is judged by that, a temperature as typed.
    const double value = l.reading ? vbrt::roundHalfEven(*parsed) : *parsed;
    if (l.reading && value < l.hardLow)
        return {CheckResult::Refuse, QStringLiteral("The %1 must be at least %2.")
                                         .arg(subject(l, dataset), amount(l.hardLow, l.unit))};
    if (!l.reading && (value < l.hardLow || value > l.hardHigh))
        return {CheckResult::Refuse,
                QStringLiteral("The %1 must be between %2 and %3 %4.")
                    .arg(subject(l, dataset), vbrt::format(l.hardLow, "#,##0"),
                         vbrt::format(l.hardHigh, "#,##0"), QString::fromLatin1(l.unit))};
    if (value > l.hardHigh)
        return {CheckResult::Refuse, QStringLiteral("The %1 cannot be more than %2.")
                                         .arg(subject(l, dataset), amount(l.hardHigh, l.unit))};
    if (value < l.usualLow || value > l.usualHigh) {
        QString where = l.reading ? QStringLiteral(" for set %1").arg(dataset + 1) : QString();
        return {CheckResult::Ask,
                QStringLiteral("You have entered %1 of %2 %3%4.  This is unusual.  Do you really "
                               "want this value?")
                    .arg(QString::fromLatin1(l.name), text.trimmed(), QString::fromLatin1(l.unit),
                         where)};
    }
    return {};
}

} // namespace hl

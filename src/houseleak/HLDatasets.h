#pragma once

#include <QString>

#include <array>
#include <optional>

class HouseLeakageTest;

// What the House Leakage tab and its test list share without any widget: the kinds of flow
// range, the checks of typed readings and the hand-over of data sets to HouseLeakageTest.
namespace hl {

inline constexpr int DatasetCount = 6;

// The range texts the program's rules are keyed on (two blanks before the equals sign).
inline const QString MeasuredDirectlyText = QStringLiteral("CFM  = (Flow measured directly)");
inline const QString TwoBlowersText = QStringLiteral("36  = (2 blowers, plates off)");

enum class RangeKind
{
    FanPressure,     // one fan, flow computed from its pressure
    TwoBlowers,      // two fans, flow computed from both pressures
    MeasuredDirectly // flow typed in
};
RangeKind rangeKindOfText(const QString& rangeText);

// One data set's readings; an empty box is no value.
struct DatasetReadings
{
    std::optional<float> house;
    std::optional<float> flow;
    std::optional<float> flow2;
    std::optional<float> testFlow;
};

// Which row of the page each data set of the test came from.
struct DatasetMap
{
    int count = 0;
    std::array<int, DatasetCount> row{};
};

// Passes every row with a house pressure (a single-point test: row 0 only) to the test, as
// data sets 0, 1, ... in row order: an empty row leaves no gap that the test would take for an
// incomplete data set. FlowCalculated and FanCount must be set on the test first.
DatasetMap feedDatasets(HouseLeakageTest& test,
                        const std::array<DatasetReadings, DatasetCount>& rows, bool singlePoint,
                        RangeKind kind);

// The typed values the tab checks when a box is left.
enum class Reading
{
    InsideTemp,
    OutsideTemp,
    HousePressure,
    FlowPressure,
    FlowPressure2,
    TestFlow
};

struct CheckResult
{
    enum Outcome
    {
        Accept,
        Ask,   // plausible but unusual: a Yes/No question
        Refuse // never storable
    };
    Outcome outcome = Accept;
    QString message;
};

// The check of a non-empty box's text; dataset is the row (0-5) of a reading, ignored for the
// temperatures. Every accepted value fits the 16-bit field it is stored in.
CheckResult checkReading(Reading kind, const QString& text, int dataset);

} // namespace hl

#pragma once

#include "HouseLeakageReports.h"

#include <memory>

class HLResultsSnapshot;

// Where the reports take their figures and texts from: the last calculation's results and the
// header the pages show now.
class ReportSource
{
public:
    virtual ~ReportSource() = default;

    // Null before a calculation and once the results are cleared.
    virtual std::shared_ptr<const HLResultsSnapshot> results() const = 0;
    // Reads the pages and the current climate as they stand; may read the database.
    virtual reporting::ReportHeader reportHeader() const = 0;
};

#pragma once

#include <QChar>
#include <QString>

#include <array>

namespace vbrt {

// Separators, date order and month names behind number and date texts. One instance serves the
// whole process, so a text the program wrote (for example "1,500") always parses back.
struct Locale
{
    enum class DateOrder
    {
        MDY,
        DMY,
        YMD
    };

    QChar decimal = u'.';
    QChar group = u',';
    QChar dateSeparator = u'/';
    QChar timeSeparator = u':';
    DateOrder dateOrder = DateOrder::MDY;
    // Two-digit years map into the hundred years that end with this one (29 -> 2029, 30 -> 1930).
    int twoDigitYearPivot = 2029;
    std::array<QString, 12> monthNames = englishMonthNames();

    // The default: US English, whatever the system locale says.
    static Locale enUS() { return Locale(); }
    static std::array<QString, 12> englishMonthNames();
};

const Locale& locale();
// Replaces the process-wide locale; meant for start-up and tests, not while texts are in use.
void setLocale(const Locale& locale);

} // namespace vbrt

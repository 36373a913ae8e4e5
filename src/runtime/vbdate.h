#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Typed date texts, in the order of vbrt::locale() (M/D/Y by default).
namespace vbrt {

// Accepts, between optional blanks, a real calendar date M/D/YYYY or M/D/YY (two-digit years
// by the locale's pivot), optionally followed by blanks and a time: H:MM[:SS] with H 0-23, or
// h:MM[:SS] with h 1-12 then an optional blank and am, pm, a or p in any case. Nothing else
// (no missing year, no time alone, no swapped day and month). A date alone is at 00:00.
// The result is in local time (a local time the clock skips keeps its fields at a fixed offset).
std::optional<QDateTime> parseDate(const QString& text);
bool isDate(const QString& text);
// The parsed date; text that is no date raises 13.
QDateTime cdate(const QString& text);

} // namespace vbrt

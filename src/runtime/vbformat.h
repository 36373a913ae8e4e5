#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

// Number and date texts as the program shows them, with the process-wide vbrt::locale().
namespace vbrt {

// Number patterns made of '#', '0' and ',' before an optional '.' followed by '0's then '#'s,
// e.g. "#,##0", "##0.0", "#,##0.00", "0.000", "#0". The value is first cut to 15 significant
// digits (7 for a float), then rounded to the pattern's decimals with ties away from zero.
// A value that rounds to zero never shows a sign. Other patterns raise 5.
QString format(double value, QStringView pattern);
QString format(float value, QStringView pattern);

// The value with `decimals` decimals, a leading zero, '-' for negatives and grouping.
QString formatNumber(double value, int decimals);

// Date patterns built from m/mm (minutes right after h/hh), mmmm (month name), d/dd, yy/yyyy,
// h/hh, am/pm, AM/PM, a/p; everything else prints as written. Seconds are never shown.
// A null date gives "".
QString formatDate(const QDateTime& value, QStringView pattern);
// Formats a typed date text; text that is no date comes back unchanged, "" stays "".
QString formatDate(const QString& text, QStringView pattern);

// Plain number text: 15 (double) or 7 (float) significant digits, ties away from zero, no
// trailing zeros, leading zero kept; exponent form only below 1E-04 or from 1E+15 (1E+07).
QString cstr(double value);
QString cstr(float value);
QString cstr(qint64 value);
inline QString cstr(int value)
{
    return cstr(static_cast<qint64>(value));
}

} // namespace vbrt

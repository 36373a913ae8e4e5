#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <concepts>
#include <type_traits>

// Number and date texts as the program shows them, with the process-wide vbrt::locale().
namespace vbrt {

// Number patterns made of '#', '0' and ',' before an optional '.' followed by '0's then '#'s,
// e.g. "#,##0", "##0.0", "#,##0.00", "0.000", "#0". The value is first cut to 15 significant
// digits (7 for a float), then rounded to the pattern's decimals with ties away from zero.
// A value that rounds to zero never shows a sign. Other patterns raise 5.
QString format(double value, QStringView pattern);
QString format(float value, QStringView pattern);
// Whole numbers (Integer and Long values, counts) format exactly as the double they equal.
template <std::integral T>
requires(!std::same_as<T, bool>) QString format(T value, QStringView pattern)
{
    return format(static_cast<double>(value), pattern);
}
// Patterns written as plain literals: format(x, "#,##0").
template <typename V> QString format(V value, const char* pattern)
{
    return format(value, QStringView(QString::fromLatin1(pattern)));
}

// The value with `decimals` decimals, a leading zero, '-' for negatives and grouping.
QString formatNumber(double value, int decimals);

// Date patterns built from m/mm (minutes right after h/hh), mmmm (month name), d/dd, yy/yyyy,
// h/hh, am/pm, AM/PM, a/p; everything else prints as written. Seconds are never shown.
// A null date gives "".
QString formatDate(const QDateTime& value, QStringView pattern);
// Formats a typed date text; text that is no date comes back unchanged, "" stays "".
QString formatDate(const QString& text, QStringView pattern);
inline QString formatDate(const QDateTime& value, const char* pattern)
{
    return formatDate(value, QStringView(QString::fromLatin1(pattern)));
}
inline QString formatDate(const QString& text, const char* pattern)
{
    return formatDate(text, QStringView(QString::fromLatin1(pattern)));
}

// Plain number text: 15 (double) or 7 (float) significant digits, ties away from zero, no
// trailing zeros, leading zero kept; exponent form only below 1E-04 or from 1E+15 (1E+07).
QString cstr(double value);
QString cstr(float value);
QString cstr(qint64 value);
template <std::integral T>
requires(!std::same_as<T, bool>) QString cstr(T value)
{
    if constexpr (std::is_unsigned_v<T>)
        return QString::number(static_cast<quint64>(value));
    else
        return cstr(static_cast<qint64>(value));
}

} // namespace vbrt

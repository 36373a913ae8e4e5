#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>

class QLineEdit;

// Fields read back from the databases. Their files are also written by older versions, other
// programs and people with sqlite3, so any field may be NULL, empty, text, a number of any size
// or form, or a date in another form. These turn a field into what the program can use, or
// into nothing; none of them raises.
namespace stored {

// A finite number: a stored number, or text that reads as one (as typed, or the database's
// own "1.5e+40" form). NULL, "", other text and numbers beyond a double are none.
std::optional<double> number(const QVariant& value);
// The number rounded half to even, when it fits the type; otherwise none.
std::optional<int16_t> whole16(const QVariant& value);
std::optional<int32_t> whole32(const QVariant& value);
// The number in single precision, when it fits.
std::optional<float> single(const QVariant& value);

// The field as text; a number as a box would show it; NULL is "".
QString text(const QVariant& value);
// A number as a box shows it and its check reads it back: plain digits, never exponent form.
QString numberText(double value);
// "" for a field that holds no number.
QString numberText(const QVariant& value);
// Puts a number's text into a box, or leaves the box empty when the text is longer than the
// box takes: cut short, it would be another number.
void showNumber(QLineEdit* box, const QString& text);
inline void showNumber(QLineEdit* box, const QVariant& value)
{
    showNumber(box, numberText(value));
}

// A date and time: the ISO text this program stores, or a typed "mm/dd/yyyy h:mm am/pm".
// Other text and plain numbers are none.
std::optional<QDateTime> dateTime(const QVariant& value);
// The date in a vbrt date pattern; "" for a field that holds no date.
QString dateText(const QVariant& value, const char* pattern);

} // namespace stored

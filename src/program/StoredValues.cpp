#include "StoredValues.h"

#include "vbconvert.h"
#include "vbdate.h"
#include "vbformat.h"
#include "vblocale.h"

#include <QLineEdit>
#include <QLocale>

#include <cmath>
#include <limits>

namespace stored {

namespace {

template <typename T> std::optional<T> wholeIn(const QVariant& value)
{
    const auto n = number(value);
    if (!n)
        return std::nullopt;
    const double rounded = vbrt::roundHalfEven(*n);
    if (rounded < double(std::numeric_limits<T>::min()) ||
        rounded > double(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(rounded);
}

bool isTextual(const QVariant& value)
{
    const int type = value.typeId();
    return type == QMetaType::QString || type == QMetaType::QByteArray;
}

} // namespace

std::optional<double> number(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    std::optional<double> n;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        n = value.toDouble();
        break;
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return std::nullopt;
        n = vbrt::parseNumber(text);
        if (!n) {
            // The database's own text of a number ("1500", "2.5e+40").
            bool ok = false;
            const double d = QLocale::c().toDouble(text, &ok);
            if (ok)
                n = d;
        }
        break;
    }
    default:
        return std::nullopt; // blobs, dates and anything else are no number
    }
    if (!n || !std::isfinite(*n))
        return std::nullopt;
    return n;
}

std::optional<int16_t> whole16(const QVariant& value)
{
    return wholeIn<int16_t>(value);
}

std::optional<int32_t> whole32(const QVariant& value)
{
    return wholeIn<int32_t>(value);
}

std::optional<float> single(const QVariant& value)
{
    const auto n = number(value);
    if (!n || std::fabs(*n) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(*n);
}

QString text(const QVariant& value)
{
    if (value.isNull())
        return QString();
    if (isTextual(value))
        return value.toString();
    if (const auto n = number(value))
        return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float
                   ? numberText(*n)
                   : value.toString();
    return value.toString();
}

QString numberText(double value)
{
    const QString plain = vbrt::cstr(value);
    if (!plain.contains(QLatin1Char('E')))
        return plain;
    // Very large or very small: digits the number checks read back, not "1E+40". Fifteen
    // significant digits, as cstr keeps; what lies below them is nothing a box needs.
    if (std::fabs(value) < 1e-15)
        return QStringLiteral("0");
    const QString scientific = QString::number(std::fabs(value), 'e', 14); // d.ddd…e±x
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const QString digits = scientific.left(e).remove(QLatin1Char('.'));
    const int before = scientific.mid(e + 1).toInt() + 1; // digits before the point
    QString whole, fraction;
    if (before <= 0) {
        whole = QStringLiteral("0");
        fraction = QString(-before, QLatin1Char('0')) + digits;
    } else if (before >= digits.size()) {
        whole = digits + QString(before - digits.size(), QLatin1Char('0'));
    } else {
        whole = digits.left(before);
        fraction = digits.mid(before);
    }
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    QString text = (value < 0 ? QStringLiteral("-") : QString()) + whole;
    if (!fraction.isEmpty())
        text += vbrt::locale().decimal + fraction;
    return text;
}

QString numberText(const QVariant& value)
{
    const auto n = number(value);
    return n ? numberText(*n) : QString();
}

void showNumber(QLineEdit* box, const QString& text)
{
    box->setText(text.size() > box->maxLength() ? QString() : text);
    box->setCursorPosition(0); // a long number shows its leading digits
}

std::optional<QDateTime> dateTime(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    const int type = value.typeId();
    if (type == QMetaType::QDateTime) {
        const QDateTime when = value.toDateTime();
        return when.isValid() ? std::optional(when) : std::nullopt;
    }
    if (type == QMetaType::QDate) {
        const QDate day = value.toDate();
        return day.isValid() ? std::optional(day.startOfDay()) : std::nullopt;
    }
    if (!isTextual(value))
        return std::nullopt;
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    for (const Qt::DateFormat format : {Qt::ISODateWithMs, Qt::ISODate}) {
        const QDateTime when = QDateTime::fromString(text, format);
        if (when.isValid())
            return when;
    }
    return vbrt::parseDate(text);
}

QString dateText(const QVariant& value, const char* pattern)
{
    const auto when = dateTime(value);
    return when ? vbrt::formatDate(*when, pattern) : QString();
}

} // namespace stored

#pragma once

#include <QStringView>

// Character tests shared by the number and date parsers of typed text.
namespace vbrt {

inline bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

inline bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The text without blanks and tabs at either end.
inline QStringView trimBlanks(QStringView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.mid(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

} // namespace vbrt

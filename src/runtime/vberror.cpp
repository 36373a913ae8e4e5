#include "vberror.h"

namespace vbrt {

Error::Error(int32_t number, QString description)
    : std::runtime_error("run-time error " + std::to_string(number)), m_number(number),
      m_description(std::move(description))
{
}

QString Error::description() const
{
    return m_description.isEmpty() ? standardDescription(m_number) : m_description;
}

QString standardDescription(int32_t number)
{
    switch (number) {
    case ErrInvalidCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrOverflow:
        return QStringLiteral("Overflow");
    case ErrSubscript:
        return QStringLiteral("Subscript out of range");
    case ErrDivisionByZero:
        return QStringLiteral("Division by zero");
    case ErrTypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrFileNotFound:
        return QStringLiteral("File not found");
    case ErrInvalidNull:
        return QStringLiteral("Invalid use of Null");
    case ErrCancel:
        return QStringLiteral("Cancel was selected.");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

void raise(int32_t number, const QString& description)
{
    throw Error(number, description);
}

} // namespace vbrt

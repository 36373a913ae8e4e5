#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace vbrt {

// Base of the numbers that objects raise for their own errors.
inline constexpr int32_t vbObjectError = -2147221504;

inline constexpr int32_t objectError(int32_t n)
{
    return vbObjectError + n;
}

// Run-time error numbers the program relies on.
enum ErrNo : int32_t
{
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrSubscript = 9,
    ErrDivisionByZero = 11,
    ErrTypeMismatch = 13,
    ErrFileNotFound = 53,
    ErrInvalidNull = 94,
    ErrCancel = 32755,
};

// The one error type of the program: a number and, where the run time had one, a description.
class Error : public std::runtime_error
{
public:
    explicit Error(int32_t number, QString description = {});

    int32_t number() const { return m_number; }
    // The stored description, or the run time's standard text for the number.
    QString description() const;

private:
    int32_t m_number;
    QString m_description;
};

// The run time's standard description of an error number ("Overflow", "Type mismatch", ...).
QString standardDescription(int32_t number);

[[noreturn]] void raise(int32_t number, const QString& description = {});

} // namespace vbrt

#pragma once

#include "vberror.h"

#include <cstdint>

// Checked floating-point arithmetic: a fault is a numbered run-time error, never inf or NaN.
namespace vbrt {

double div(double a, double b);           // b == 0: a == 0 -> 6 (overflow), else 11
double pow(double base, double exponent); // negative base ^ non-integer -> 5, overflow -> 6
double log(double x);                     // x <= 0 -> 5
double exp(double x);                     // overflow -> 6
double sqrt(double x);                    // x < 0 -> 5
// Stores a double into single precision; beyond the single range (or not finite) -> 6.
float single(double x);
// A double result that must stay finite; otherwise 6.
double finite(double x);

// Single compared with Double: the Double is first rounded to single precision.
enum class Cmp
{
    Less,
    Equal,
    Greater
};
Cmp cmp(float a, double b);
inline bool lt(float a, double b)
{
    return cmp(a, b) == Cmp::Less;
}
inline bool le(float a, double b)
{
    return cmp(a, b) != Cmp::Greater;
}
inline bool gt(float a, double b)
{
    return cmp(a, b) == Cmp::Greater;
}
inline bool ge(float a, double b)
{
    return cmp(a, b) != Cmp::Less;
}
inline bool eq(float a, double b)
{
    return cmp(a, b) == Cmp::Equal;
}

} // namespace vbrt

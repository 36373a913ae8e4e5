#include "vbmath.h"

#include <cmath>
#include <limits>

namespace vbrt {

double finite(double x)
{
    if (!std::isfinite(x))
        raise(ErrOverflow);
    return x;
}

double div(double a, double b)
{
    if (b == 0.0)
        raise(a == 0.0 ? ErrOverflow : ErrDivisionByZero);
    return finite(a / b);
}

double pow(double base, double exponent)
{
    if (base < 0.0 && std::floor(exponent) != exponent)
        raise(ErrInvalidCall);
    if (base == 0.0 && exponent < 0.0)
        raise(ErrDivisionByZero);
    return finite(std::pow(base, exponent));
}

double log(double x)
{
    if (!(x > 0.0))
        raise(ErrInvalidCall);
    return std::log(x);
}

double exp(double x)
{
    return finite(std::exp(x));
}

double sqrt(double x)
{
    if (x < 0.0)
        raise(ErrInvalidCall);
    return std::sqrt(x);
}

float single(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > std::numeric_limits<float>::max())
        raise(ErrOverflow);
    return static_cast<float>(x);
}

Cmp cmp(float a, double b)
{
    const float fb = static_cast<float>(b);
    if (a < fb)
        return Cmp::Less;
    if (a > fb)
        return Cmp::Greater;
    return Cmp::Equal;
}

} // namespace vbrt

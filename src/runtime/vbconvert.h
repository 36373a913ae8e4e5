#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Conversions of numbers and typed number texts to the program's storage types.
namespace vbrt {

// A typed number in the separators of vbrt::locale(): after trimming blanks and tabs,
// [+|-] digits, or digits grouped by three with the group char, then an optional decimal char
// and digits; or [+|-] decimal char and digits. Nothing else: no currency, exponent, hex,
// parentheses, trailing sign, inner blanks or misplaced group chars. A number too large for a
// double is no number.
std::optional<double> parseNumber(const QString& text);
bool isNumeric(const QString& text);

// Round to the nearest whole number, ties to the even one.
double roundHalfEven(double value);

// Rounded half to even, then range checked: out of range (or not finite) raises 6.
int16_t cint(double value);
int32_t clng(double value);
// Single precision; beyond the single range raises 6.
float csng(double value);
// Text is parsed by parseNumber first; text that is no number (also "") raises 13.
int16_t cint(const QString& text);
int32_t clng(const QString& text);
float csng(const QString& text);

// Integer division and remainder on operands first rounded as clng; divisor 0 raises 11.
// The remainder takes the sign of the dividend.
int32_t intDiv(double a, double b);
int32_t mod(double a, double b);
double vbInt(double value); // floor
double fix(double value);   // toward zero

// Checked Integer and Long arithmetic: a result out of range raises 6.
int16_t addInt(int16_t a, int16_t b);
int16_t subInt(int16_t a, int16_t b);
int16_t mulInt(int16_t a, int16_t b);
int32_t addLng(int32_t a, int32_t b);
int32_t subLng(int32_t a, int32_t b);
int32_t mulLng(int32_t a, int32_t b);

} // namespace vbrt

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pelorix {

// Extended precision: on x86-64 the 80-bit type with a 64-bit mantissa. Every figure the user
// sees is computed in it; values kept between steps are plain doubles.
using Real = long double;

// A field's text read as a number in the user's locale: optional spaces around, an optional
// sign, digits with at most one decimal separator `sep` (digits may be missing on either side,
// so a lone separator reads as 0), an optional exponent (E or e, optional sign, digits).
// No thousands separators; under a comma locale a point is no separator. A value too large for
// Real is refused; one below its normal range reads as the nearest subnormal value or 0.
// Throws AppError("'<text>' is not a valid floating point value"), a long text shortened.
Real parseNumber(std::string_view text, char sep);
// The same for a number kept as a double (a table column): a text beyond its range is no
// number either, and fails with the same error.
double parseDouble(std::string_view text, char sep);

// General format, 15 significant digits, shortest text, no trailing zeros, `sep` as the decimal
// separator; scientific form (1E-6, 1,5E15) for magnitudes >= 1E15 or below 0,00001 (not 0),
// judged on the figure rounded to 15 digits. Zero, also negative zero, is "0". An infinity or
// NaN throws AppError("Invalid floating point operation").
std::string formatNumber(Real value, char sep);

// Two decimals: value × 100 rounded to the nearest whole number, ties to even, times 0,01.
Real roundTo2(Real value);

// Nearest whole number, ties to even (2,5 → 2, 3,5 → 4), whatever the processor's rounding
// mode; never a negative zero. An infinity or NaN is an invalid operation.
Real whole(Real value);

// Cut toward zero into a 64-bit integer; a value outside its range is an invalid operation.
std::int64_t trunc64(Real value);

// The whole-number conversion of a text (the capital, for the maximum Forex lot): optional
// leading spaces, an optional sign and digits (no trailing blanks), within the 32-bit signed range.
// Throws AppError("''<text>'' is not a valid integer value").
std::int32_t parseInteger(std::string_view text);

// Checked arithmetic: a division by zero, an invalid operation (0/0, ∞−∞, a NaN) or a result
// too large for the type throws AppError with "Floating point division by zero",
// "Invalid floating point operation" or "Floating point overflow".
Real checkedAdd(Real a, Real b);
Real checkedSub(Real a, Real b);
Real checkedMul(Real a, Real b);
Real checkedDiv(Real a, Real b);
// A value narrowed to the double kept between steps; overflow when it does not fit.
double toDouble(Real value);

// A number whose arithmetic is checked, so formulas read as they are written down:
// `(Num(e) - s) / e * 100`.
class Num {
public:
    constexpr Num() = default;
    constexpr Num(Real v) : v_(v) {} // NOLINT(google-explicit-constructor): formulas mix literals
    constexpr Real value() const { return v_; }

    friend Num operator+(Num a, Num b) { return checkedAdd(a.v_, b.v_); }
    friend Num operator-(Num a, Num b) { return checkedSub(a.v_, b.v_); }
    friend Num operator*(Num a, Num b) { return checkedMul(a.v_, b.v_); }
    friend Num operator/(Num a, Num b) { return checkedDiv(a.v_, b.v_); }
    friend Num operator-(Num a) { return Num(-a.v_); }
    friend constexpr bool operator==(Num a, Num b) { return a.v_ == b.v_; }
    friend constexpr auto operator<=>(Num a, Num b) { return a.v_ <=> b.v_; }

private:
    Real v_ = 0;
};

} // namespace pelorix

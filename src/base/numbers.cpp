#include "base/numbers.h"

#include "base/app_error.h"
#include "base/text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <locale.h>
#include <stdlib.h>
#include <system_error>

namespace pelorix {

namespace {

const char* const kInvalidOperation = "Invalid floating point operation";
const char* const kDivisionByZero = "Floating point division by zero";
const char* const kOverflow = "Floating point overflow";

[[noreturn]] void throwNotFloat(std::string_view text) {
    throw AppError("'" + shortenedForMessage(text) + "' is not a valid floating point value");
}

[[noreturn]] void throwNotInteger(std::string_view text) {
    throw AppError("''" + shortenedForMessage(text) + "'' is not a valid integer value");
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

// The decimal exponent of the leading significant digit of int.frac × 10^exp (a zero mantissa
// counts as far below one). Only its sign matters: it tells an overflow from an underflow when the
// conversion reports the value out of range.
long long leadingExponent(std::string_view intDigits, std::string_view fracDigits, long long exp) {
    std::size_t lead = intDigits.find_first_not_of('0');
    if (lead != std::string_view::npos)
        return exp + static_cast<long long>(intDigits.size() - lead) - 1;
    std::size_t fracLead = fracDigits.find_first_not_of('0');
    if (fracLead == std::string_view::npos) return std::numeric_limits<long long>::min();
    return exp - static_cast<long long>(fracLead) - 1;
}

// The exponent as written, clamped far beyond any long double so that a long run of digits
// cannot wrap around.
long long clampedExponent(bool negative, std::string_view digits) {
    constexpr long long kLimit = 1'000'000'000;
    long long e = 0;
    for (char c : digits) {
        e = e * 10 + (c - '0');
        if (e > kLimit) {
            e = kLimit;
            break;
        }
    }
    return negative ? -e : e;
}

// Below the normal range the conversion reports the value out of range even where it is a
// subnormal one (3,36210314311209E-4932, as formatNumber writes it); the C library's own
// conversion, in the C locale whatever the user's, gives that value, and 0 only for a value
// that is truly too small.
Real tinyValue(const std::string& normalized) {
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", nullptr);
    return cLocale ? ::strtold_l(normalized.c_str(), nullptr, cLocale) : Real(0);
}

// A whole number is a count (shares, contracts, cents): it has no negative zero.
Real plainZero(Real v) {
    return v == 0 ? Real(0) : v;
}

} // namespace

Real parseNumber(std::string_view text, char sep) {
    std::string_view s = text;
    // Blanks around the figure are what a user leaves when pasting; tabs are not accepted.
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::size_t intStart = i;
    i = skipDigits(s, i);
    std::string_view intDigits = s.substr(intStart, i - intStart);
    std::string_view fracDigits;
    bool hasSep = false;
    if (i < s.size() && s[i] == sep) {
        hasSep = true;
        std::size_t fracStart = ++i;
        i = skipDigits(s, i);
        fracDigits = s.substr(fracStart, i - fracStart);
    }
    if (intDigits.empty() && !hasSep) throwNotFloat(text);

    bool expNegative = false;
    std::string_view expDigits;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            expNegative = s[i] == '-';
            ++i;
        }
        std::size_t expStart = i;
        i = skipDigits(s, i);
        expDigits = s.substr(expStart, i - expStart);
        if (expDigits.empty()) throwNotFloat(text);
    }
    if (i != s.size()) throwNotFloat(text);

    // from_chars takes a point whatever the locale, and neither a '+' nor an empty side.
    std::string normalized;
    normalized.reserve(s.size() + 4);
    if (negative) normalized += '-';
    normalized += intDigits.empty() ? std::string_view("0") : intDigits;
    normalized += '.';
    normalized += fracDigits.empty() ? std::string_view("0") : fracDigits;
    if (!expDigits.empty()) {
        normalized += expNegative ? "e-" : "e";
        normalized += expDigits;
    }

    Real value = 0;
    const char* first = normalized.data();
    const char* last = first + normalized.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Too large for the type is no number at all; too small is subnormal or zero.
        if (leadingExponent(intDigits, fracDigits, clampedExponent(expNegative, expDigits)) > 0)
            throwNotFloat(text);
        return tinyValue(normalized);
    }
    if (ec != std::errc() || ptr != last) throwNotFloat(text);
    return value;
}

std::string formatNumber(Real value, char sep) {
    if (!std::isfinite(value)) throw AppError(kInvalidOperation);
    if (value == 0) return "0";

    // Rounded once, correctly, to 15 significant digits: d.dddddddddddddde±x.
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    if (ec != std::errc()) throw AppError(kInvalidOperation);
    std::string_view out(buf, static_cast<std::size_t>(end - buf));

    bool negative = !out.empty() && out.front() == '-';
    std::size_t ePos = out.find('e');
    if (ePos == std::string_view::npos) throw AppError(kInvalidOperation);
    std::string digits;
    for (char c : out.substr(0, ePos))
        if (isDigit(c)) digits += c;
    int exponent = 0;
    std::string_view expText = out.substr(ePos + 1);
    if (!expText.empty() && expText.front() == '+') expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string result = negative ? "-" : "";
    // The switch looks at the rounded figure, so 9,99999999999999999E-6 shows as 0,00001.
    if (exponent >= 15 || exponent < -5) {
        result += digits[0];
        if (digits.size() > 1) {
            result += sep;
            result.append(digits, 1);
        }
        result += 'E';
        result += std::to_string(exponent);
    } else if (exponent >= 0) {
        auto intLen = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            result += digits;
            result.append(intLen - digits.size(), '0');
        } else {
            result.append(digits, 0, intLen);
            result += sep;
            result.append(digits, intLen);
        }
    } else {
        result += '0';
        result += sep;
        result.append(static_cast<std::size_t>(-exponent - 1), '0');
        result += digits;
    }
    return result;
}

Real whole(Real value) {
    if (!std::isfinite(value)) throw AppError(kInvalidOperation);
    // Ties to even, done here rather than trusting the processor's rounding mode, which a
    // library may have changed. On the magnitude the fraction comes out exact.
    Real magnitude = std::fabs(value);
    Real lower = std::floor(magnitude);
    Real fraction = magnitude - lower;
    Real rounded = lower;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(lower, 2.0L) != 0)) rounded = lower + 1;
    return plainZero(std::copysign(rounded, value));
}

Real roundTo2(Real value) {
    return whole(checkedMul(value, 100)) * 0.01L;
}

std::int64_t trunc64(Real value) {
    Real cut = std::trunc(value);
    // NaN fails both comparisons.
    if (!(cut >= -0x1p63L && cut < 0x1p63L)) throw AppError(kInvalidOperation);
    return static_cast<std::int64_t>(cut);
}

std::int32_t parseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) throwNotInteger(text);
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) throwNotInteger(text);
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            throwNotInteger(text);
    }
    std::int64_t v = negative ? -magnitude : magnitude;
    if (v > std::numeric_limits<std::int32_t>::max()) throwNotInteger(text);
    return static_cast<std::int32_t>(v);
}

namespace {

Real checkedResult(Real r) {
    if (std::isnan(r)) throw AppError(kInvalidOperation);
    if (std::isinf(r)) throw AppError(kOverflow);
    return r;
}

void checkOperands(Real a, Real b) {
    if (std::isnan(a) || std::isnan(b)) throw AppError(kInvalidOperation);
}

} // namespace

Real checkedAdd(Real a, Real b) {
    checkOperands(a, b);
    return checkedResult(a + b);
}

Real checkedSub(Real a, Real b) {
    checkOperands(a, b);
    return checkedResult(a - b);
}

Real checkedMul(Real a, Real b) {
    checkOperands(a, b);
    return checkedResult(a * b);
}

Real checkedDiv(Real a, Real b) {
    checkOperands(a, b);
    if (b == 0) throw AppError(a == 0 ? kInvalidOperation : kDivisionByZero);
    return checkedResult(a / b);
}

double parseDouble(std::string_view text, char sep) {
    const auto narrowed = static_cast<double>(parseNumber(text, sep));
    if (std::isinf(narrowed)) throwNotFloat(text);
    return narrowed;
}

double toDouble(Real value) {
    if (std::isnan(value)) throw AppError(kInvalidOperation);
    auto narrowed = static_cast<double>(value);
    if (std::isinf(narrowed)) throw AppError(kOverflow);
    return narrowed;
}

} // namespace pelorix

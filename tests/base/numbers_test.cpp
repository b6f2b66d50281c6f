#include "base/numbers.h"

#include "base/app_error.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace pelorix {
namespace {

using testing::errorOf;

// Cases are written with a comma; each separator test reruns them with the separator swapped in.
std::string withSep(std::string text, char sep) {
    for (char& c : text)
        if (c == ',') c = sep;
    return text;
}

const std::string kDivisionByZero = "Floating point division by zero";
const std::string kInvalid = "Invalid floating point operation";
const std::string kOverflow = "Floating point overflow";

class BothSeparators : public ::testing::TestWithParam<char> {};

INSTANTIATE_TEST_SUITE_P(Locales, BothSeparators, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Comma" : "Point"; });

TEST_P(BothSeparators, ParseNumberAcceptsTheGrammar) {
    const char sep = GetParam();
    struct Case {
        std::string text;
        Real expected;
    };
    const std::vector<Case> cases = {
        {"5", 5},
        {"  5  ", 5},
        {"+5", 5},
        {"-5", -5},
        {"007", 7},
        {"12,5", 12.5L},
        {"5,", 5},
        {",5", 0.5L},
        {",", 0},
        {"-,5", -0.5L},
        {"+,", 0},
        {"1,5E3", 1500},
        {"1,5e-3", 1.5e-3L},
        {"2E+2", 200},
        {"5,E1", 50},
        {",E5", 0},
        {" -1,25e2 ", -125},
        // Held to the 64-bit mantissa, not to a double.
        {"0,1", 0.1L},
        {"9007199254740993", 9007199254740993.0L},
        // Too small for the type reads as zero; below the normal range as the subnormal value.
        {"1e-99999", 0},
        {"3,36210314311209E-4932", 3.36210314311209E-4932L},
        {"-3,6451995318824746025E-4951", -std::numeric_limits<Real>::denorm_min()},
        {"1,18973149535723176502E4932", LDBL_MAX},
    };
    for (const auto& c : cases) {
        const std::string text = withSep(c.text, sep);
        SCOPED_TRACE(text);
        EXPECT_EQ(parseNumber(text, sep), c.expected);
    }
}

TEST_P(BothSeparators, ParseNumberRefusesEverythingElseNamingTheWholeText) {
    const char sep = GetParam();
    const std::vector<std::string> cases = {
        "",      " ",     "+",   "-",   "E5",  "1E", "1E+",   "1e-",     "1,2,3",
        "1 000", "1'000", "--1", "+-1", "- 1", "1-", "1e5,5", "1,5 E3",  "1E 3",
        "0x10",  "inf",   "nan", "\t1", "1\t", "1a", "a",     "1e99999", "1,2E4933",
    };
    for (const auto& c : cases) {
        const std::string text = withSep(c, sep);
        SCOPED_TRACE(text);
        EXPECT_EQ(errorOf([&] { parseNumber(text, sep); }),
                  "'" + text + "' is not a valid floating point value");
    }
}

TEST_P(BothSeparators, FormattedSubnormalValuesReadBackAsThemselves) {
    const char sep = GetParam();
    for (const Real value : {std::numeric_limits<Real>::denorm_min(), 3.36210314311209E-4932L,
                             -std::numeric_limits<Real>::min() / 3}) {
        const std::string text = formatNumber(value, sep);
        SCOPED_TRACE(text);
        EXPECT_EQ(formatNumber(parseNumber(text, sep), sep), text);
        EXPECT_NE(parseNumber(text, sep), 0);
    }
}

// A pasted page of text is quoted only in part, so the error box stays readable.
TEST(ParseNumber, ALongTextIsQuotedShortened) {
    const std::string text = std::string(150, 'x') + "руб";
    const std::string shown = std::string(100, 'x') + "…";
    EXPECT_EQ(errorOf([&] { parseNumber(text, ','); }),
              "'" + shown + "' is not a valid floating point value");
    EXPECT_EQ(errorOf([&] { parseInteger(text); }),
              "''" + shown + "'' is not a valid integer value");
    const std::string hundred = std::string(97, '1') + "руб";
    EXPECT_EQ(errorOf([&] { parseNumber(hundred, ','); }),
              "'" + hundred + "' is not a valid floating point value");
}

TEST(ParseDouble, AValueBeyondTheDoubleRangeIsNoNumber) {
    EXPECT_EQ(parseDouble("1,5", ','), 1.5);
    EXPECT_EQ(parseDouble("1,7976931348623157E308", ','), DBL_MAX);
    for (const std::string text : {"1E400", "-1,8E308", "x"})
        EXPECT_EQ(errorOf([&] { parseDouble(text, ','); }),
                  "'" + text + "' is not a valid floating point value");
}

TEST(ParseNumber, TheOtherLocalesSeparatorIsNoSeparator) {
    EXPECT_EQ(errorOf([] { parseNumber("1.5", ','); }),
              "'1.5' is not a valid floating point value");
    EXPECT_EQ(errorOf([] { parseNumber("1,5", '.'); }),
              "'1,5' is not a valid floating point value");
    EXPECT_EQ(errorOf([] { parseNumber(".", ','); }), "'.' is not a valid floating point value");
}

TEST_P(BothSeparators, FormatNumberShowsFifteenDigitsInFixedOrScientificForm) {
    const char sep = GetParam();
    struct Case {
        Real value;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {0, "0"},
        {-0.0L, "0"},
        {1, "1"},
        {-2.43L, "-2,43"},
        {0.5L, "0,5"},
        {12345.678L, "12345,678"},
        {100000.5L, "100000,5"},
        {0.000123L, "0,000123"},
        {1.0L / 3, "0,333333333333333"},
        {2.0L / 3, "0,666666666666667"},
        {-2.0L / 3, "-0,666666666666667"},
        {0.1L + 0.2L, "0,3"},
        {123456789012345.6L, "123456789012346"},
        // Rounding to 15 digits can carry into the next power of ten.
        {9.9999999999999999L, "10"},
        // The fixed range ends at 15 integer digits and at 0,00001, judged on the rounded figure.
        {999999999999999.0L, "999999999999999"},
        {999999999999999.9L, "1E15"},
        {1e15L, "1E15"},
        {1.5e15L, "1,5E15"},
        {1234567890123456.0L, "1,23456789012346E15"},
        {123456789012345678901.0L, "1,23456789012346E20"},
        {1e300L, "1E300"},
        {1e4000L, "1E4000"},
        {LDBL_MAX, "1,18973149535723E4932"},
        {0.00001L, "0,00001"},
        {0.0000099999999999999999L, "0,00001"},
        {0.0000099L, "9,9E-6"},
        {0.000001L, "1E-6"},
        {-0.000001L, "-1E-6"},
        {-1.5e-300L, "-1,5E-300"},
    };
    for (const auto& c : cases) {
        const std::string expected = withSep(c.expected, sep);
        SCOPED_TRACE(expected);
        EXPECT_EQ(formatNumber(c.value, sep), expected);
    }
}

TEST_P(BothSeparators, TypedFiguresComeBackAsTyped) {
    const char sep = GetParam();
    for (std::string text : {"0,1", "1,1", "73,45", "-0,07", "1234567,89", "0,00001", "1E-6"}) {
        text = withSep(text, sep);
        EXPECT_EQ(formatNumber(parseNumber(text, sep), sep), text);
    }
}

TEST(FormatNumber, NoNumberIsAnInvalidOperation) {
    EXPECT_EQ(errorOf([] { formatNumber(std::numeric_limits<Real>::infinity(), ','); }), kInvalid);
    EXPECT_EQ(errorOf([] { formatNumber(-std::numeric_limits<Real>::infinity(), ','); }), kInvalid);
    EXPECT_EQ(errorOf([] { formatNumber(std::numeric_limits<Real>::quiet_NaN(), ','); }), kInvalid);
}

// 0,1000000000000065 lies just below the halfway point between two 15-digit figures in
// extended precision, and just above it in double precision: the displayed figure depends on
// the 64-bit mantissa being kept.
TEST(ExtendedPrecision, DecidesTheFifteenthDigit) {
    const Real quotient =
        checkedDiv(parseNumber("1000000000000065", ','), parseNumber("1E16", ','));
    EXPECT_EQ(formatNumber(quotient, ','), "0,100000000000006");
    EXPECT_EQ(formatNumber(toDouble(quotient), ','), "0,100000000000007");
    EXPECT_EQ(formatNumber(parseNumber("0,1000000000000065", ','), ','), "0,100000000000006");
}

TEST(ExtendedPrecision, KeepsIntegersBeyondDoublePrecision) {
    // 2^53 + 1 would be lost in a double.
    const Real difference =
        checkedSub(parseNumber("9007199254740993", ','), parseNumber("9007199254740992", ','));
    EXPECT_EQ(formatNumber(difference, ','), "1");
    EXPECT_EQ(whole(parseNumber("4503599627370497,5", ',')), 4503599627370498.0L);
}

TEST(RoundTo2, RoundsTheHundredfoldToEven) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        // 12,5 and 37,5 are exact ties.
        {"0,125", "0,12"},
        {"0,375", "0,38"},
        {"-0,125", "-0,12"},
        {"-0,375", "-0,38"},
        {"1234,5678", "1234,57"},
        {"-1234,5678", "-1234,57"},
        {"0,004", "0"},
        {"-0,004", "0"},
        {"7", "7"},
        // The hundredfold is rounded to the 64-bit mantissa before it is rounded to a whole
        // number: 1,005 × 100 and 0,145 × 100 become exact ties and go to the even neighbour.
        {"1,005", "1"},
        {"0,145", "0,14"},
        {"2,675", "2,68"},
        // 0,135 × 100 stays just above 13,5.
        {"0,135", "0,14"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Real rounded = roundTo2(parseNumber(c.text, ','));
        EXPECT_EQ(formatNumber(rounded, ','), c.expected);
        EXPECT_FALSE(std::signbit(rounded) && rounded == 0);
    }
    EXPECT_EQ(errorOf([] { roundTo2(LDBL_MAX); }), kOverflow);
}

TEST(Whole, RoundsToNearestWithTiesToEven) {
    struct Case {
        Real value;
        Real expected;
    };
    const std::vector<Case> cases = {
        {2.5L, 2},         {3.5L, 4},
        {-2.5L, -2},       {-3.5L, -4},
        {0.5L, 0},         {1.5L, 2},
        {2.4999999L, 2},   {2.5000001L, 3},
        {-2.5000001L, -3}, {std::nextafter(0.5L, 0.0L), 0},
        {-0.4L, 0},        {7, 7},
        {1e20L, 1e20L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(formatNumber(c.value, ','));
        const Real rounded = whole(c.value);
        EXPECT_EQ(rounded, c.expected);
        EXPECT_FALSE(std::signbit(rounded) && rounded == 0) << "a count never shows as -0";
    }
    EXPECT_EQ(errorOf([] { whole(std::numeric_limits<Real>::quiet_NaN()); }), kInvalid);
    EXPECT_EQ(errorOf([] { whole(std::numeric_limits<Real>::infinity()); }), kInvalid);
}

// A library may leave the processor rounding upward or toward zero; the figures must not move.
class UnusualRoundingMode : public ::testing::Test {
protected:
    void SetUp() override { saved_ = std::fegetround(); }
    void TearDown() override { std::fesetround(saved_); }

private:
    int saved_ = FE_TONEAREST;
};

TEST_F(UnusualRoundingMode, DoesNotChangeWholeOrRoundTo2) {
    for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(std::fesetround(mode), 0);
        EXPECT_EQ(whole(2.5L), 2);
        EXPECT_EQ(whole(-3.5L), -4);
        EXPECT_EQ(whole(2.6L), 3);
        EXPECT_EQ(whole(-2.4L), -2);
        EXPECT_EQ(formatNumber(roundTo2(0.375L), ','), "0,38");
        EXPECT_EQ(formatNumber(roundTo2(-0.125L), ','), "-0,12");
    }
}

TEST(Trunc64, CutsTowardZeroWithinTheRange) {
    EXPECT_EQ(trunc64(2.9L), 2);
    EXPECT_EQ(trunc64(-2.9L), -2);
    EXPECT_EQ(trunc64(0.999L), 0);
    EXPECT_EQ(trunc64(9223372036854775807.0L), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(trunc64(-9223372036854775808.0L), std::numeric_limits<std::int64_t>::min());

    for (Real outside :
         {9223372036854775808.0L, -9223372036854775809.0L, 1e30L,
          std::numeric_limits<Real>::infinity(), std::numeric_limits<Real>::quiet_NaN()}) {
        EXPECT_EQ(errorOf([&] { trunc64(outside); }), kInvalid);
    }
}

TEST(ParseInteger, ReadsASignedThirtyTwoBitNumber) {
    struct Case {
        std::string text;
        std::int32_t expected;
    };
    const std::vector<Case> cases = {
        {"0", 0},
        {"123", 123},
        {"-123", -123},
        {"+7", 7},
        {"  42", 42},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseInteger(c.text), c.expected);
    }
}

TEST(ParseInteger, RefusesAnythingElseWithDoubledApostrophes) {
    const std::vector<std::string> cases = {
        "",      " ",   "-",   "+",   "1,5",        "1.5",         "12 ",
        "1e3",   "12a", "--1", "\t1", "2147483648", "-2147483649", "99999999999999999999999",
        "1 000",
    };
    for (const auto& text : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(errorOf([&] { parseInteger(text); }),
                  "''" + text + "'' is not a valid integer value");
    }
}

TEST(CheckedArithmetic, ReportsTheFaultInsteadOfAnInfinity) {
    const Real nan = std::numeric_limits<Real>::quiet_NaN();
    const Real inf = std::numeric_limits<Real>::infinity();
    struct Case {
        const char* name;
        std::function<Real()> op;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"1 / 0", [] { return checkedDiv(1, 0); }, kDivisionByZero},
        {"-1 / -0", [] { return checkedDiv(-1, -0.0L); }, kDivisionByZero},
        {"0 / 0", [] { return checkedDiv(0, 0); }, kInvalid},
        {"NaN / 0", [=] { return checkedDiv(nan, 0); }, kInvalid},
        {"NaN + 1", [=] { return checkedAdd(nan, 1); }, kInvalid},
        {"1 * NaN", [=] { return checkedMul(1, nan); }, kInvalid},
        {"inf - inf", [=] { return checkedSub(inf, inf); }, kInvalid},
        {"max + max", [] { return checkedAdd(LDBL_MAX, LDBL_MAX); }, kOverflow},
        {"-max - max", [] { return checkedSub(-LDBL_MAX, LDBL_MAX); }, kOverflow},
        {"max * 2", [] { return checkedMul(LDBL_MAX, 2); }, kOverflow},
        {"max / 0,5", [] { return checkedDiv(LDBL_MAX, 0.5L); }, kOverflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(errorOf([&] { c.op(); }), c.error);
    }
}

TEST(CheckedArithmetic, ComputesInExtendedPrecisionAndLetsUnderflowGoToZero) {
    EXPECT_EQ(checkedAdd(0.1L, 0.2L), 0.1L + 0.2L);
    EXPECT_EQ(checkedDiv(1, 3), 1.0L / 3);
    EXPECT_EQ(checkedMul(1e-4000L, 1e-4000L), 0);
    // Beyond the double range, still well inside the extended one.
    EXPECT_EQ(checkedMul(1e300L, 1e300L), 1e600L);
}

TEST(ToDouble, NarrowsToNearestOrReportsOverflow) {
    EXPECT_EQ(toDouble(0.1L), 0.1);
    EXPECT_EQ(toDouble(-2.5L), -2.5);
    EXPECT_EQ(toDouble(DBL_MAX), DBL_MAX);
    EXPECT_EQ(toDouble(1e-400L), 0.0);
    EXPECT_EQ(errorOf([] { toDouble(1e309L); }), kOverflow);
    EXPECT_EQ(errorOf([] { toDouble(-1e600L); }), kOverflow);
    EXPECT_EQ(errorOf([] { toDouble(std::numeric_limits<Real>::quiet_NaN()); }), kInvalid);
}

TEST(Num, FormulasReadAsWrittenAndStillCheck) {
    const Real entry = parseNumber("50", ',');
    const Real stop = parseNumber("48,5", ',');
    const Num percent = (Num(entry) - stop) / entry * 100;
    EXPECT_EQ(formatNumber(percent.value(), ','), "3");
    EXPECT_EQ(formatNumber((-Num(2) / 3).value(), ','), "-0,666666666666667");
    EXPECT_TRUE(Num(1) < Num(2));
    EXPECT_EQ(errorOf([] { (Num(5) - 3) / (Num(2) - 2); }), kDivisionByZero);
    EXPECT_EQ(errorOf([] { (Num(5) - 5) / 0; }), kInvalid);
    EXPECT_EQ(errorOf([] { Num(LDBL_MAX) * 10; }), kOverflow);
}

} // namespace
} // namespace pelorix

// libFuzzer target: the number parser and formatter. Whatever the text, parsing either gives a
// number or the conversion error; a text it accepts follows the grammar; and every number, read
// from a text or taken bit for bit from the input, survives formatting and reading back.
#include "base/app_error.h"
#include "base/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using pelorix::Real;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The grammar, written out independently of the parser: blanks, sign, digits with at most one
// separator (a digit on one side at least, or the lone separator), exponent, blanks.
bool followsGrammar(std::string_view s, char sep) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        return i - start;
    };
    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t whole = digits();
    bool separator = false;
    if (i < s.size() && s[i] == sep) {
        separator = true;
        ++i;
        digits();
    }
    if (whole == 0 && !separator) return false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (digits() == 0) return false;
    }
    while (i < s.size() && s[i] == ' ')
        ++i;
    return i == s.size();
}

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// Formatting shows 15 digits; reading that text back and formatting again gives the same text.
void roundTrip(Real value, char sep) {
    if (!std::isfinite(value)) return;
    const std::string text = pelorix::formatNumber(value, sep);
    const std::string again = pelorix::formatNumber(pelorix::parseNumber(text, sep), sep);
    check(again == text, "format, parse, format gives the same text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char sep : {',', '.'}) {
        try {
            const Real value = pelorix::parseNumber(text, sep);
            check(followsGrammar(text, sep), "only grammatical texts are numbers");
            roundTrip(value, sep);
        } catch (const pelorix::AppError& e) {
            // A grammatical text is refused only for a magnitude beyond the type.
            if (followsGrammar(text, sep))
                check(text.find_first_of("eE") != std::string_view::npos || size > 4900,
                      "a grammatical text is refused only when too large");
            check(e.message().ends_with("is not a valid floating point value"),
                  "the refusal is the conversion error");
        }
        try {
            pelorix::parseInteger(text);
        } catch (const pelorix::AppError&) {
        }
    }
    if (size >= sizeof(Real)) {
        Real raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        roundTrip(raw, ',');
    }
    return 0;
}

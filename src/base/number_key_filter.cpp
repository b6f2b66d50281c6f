#include "base/number_key_filter.h"

#include "base/text.h"

namespace pelorix {

namespace {
constexpr std::size_t kMaxCharacters = 10;
} // namespace

bool acceptNumberKey(const TextControl& field, char32_t& ch, char decimalSeparator, LengthCap cap) {
    const std::string& text = field.text();
    if (cap == LengthCap::Ten && codePointCount(text) >= kMaxCharacters) return false;
    if (ch == kBackspace || (ch >= U'0' && ch <= U'9')) return true;
    if (ch == U',' || ch == U'.') {
        ch = static_cast<char32_t>(decimalSeparator);
        return text.find(decimalSeparator) == std::string::npos;
    }
    return false;
}

void filterNumberKeys(TextControl& field, char decimalSeparator, LengthCap cap) {
    field.onKeyPress = [&field, decimalSeparator, cap](char32_t& ch) {
        return acceptNumberKey(field, ch, decimalSeparator, cap);
    };
}

} // namespace pelorix

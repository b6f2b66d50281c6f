#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pelorix {

// A field's text has a value when it is neither empty nor exactly the one-character "0".
// "0,0", "00" and "0 " have a value.
inline bool hasValue(std::string_view text) {
    return !text.empty() && text != "0";
}

// UTF-8 helpers: the behaviour counts characters, not bytes.
std::size_t codePointCount(std::string_view text);
std::string firstCodePoints(std::string_view text, std::size_t count);
std::string dropLastCodePoint(std::string_view text);
std::string encodeUtf8(char32_t ch);
std::string encodeUtf8(std::u32string_view text);
// Malformed bytes (overlong forms, surrogates, code points beyond U+10FFFF included) decode as
// U+FFFD, one per byte.
std::u32string decodeUtf8(std::string_view text);

// A text quoted in a message, cut after its first 100 characters (with "…") so that a pasted
// or loaded monster still leaves a box the user can read.
std::string shortenedForMessage(std::string_view text);

// Names (files, fields) compared without regard to the case of ASCII letters.
inline char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
inline bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiUpper(a[i]) != asciiUpper(b[i])) return false;
    return true;
}

// Lines joined the way the program's messages join them: by a single carriage return.
constexpr std::string_view kLineBreak = "\r";

} // namespace pelorix

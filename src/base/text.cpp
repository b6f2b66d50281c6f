#include "base/text.h"

namespace pelorix {
namespace {
bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}
} // namespace

std::size_t codePointCount(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if (!isContinuation(c)) ++n;
    return n;
}

std::string firstCodePoints(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i]))) {
            if (seen == count) return std::string(text.substr(0, i));
            ++seen;
        }
    }
    return std::string(text);
}

std::string dropLastCodePoint(std::string_view text) {
    if (text.empty()) return {};
    std::size_t i = text.size() - 1;
    while (i > 0 && isContinuation(static_cast<unsigned char>(text[i])))
        --i;
    return std::string(text.substr(0, i));
}

std::string encodeUtf8(char32_t ch) {
    std::string out;
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
    return out;
}

std::u32string decodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        // C0, C1 and F5 to FF never start a sequence; the limits of the second byte rule out
        // overlong forms, surrogates and code points beyond U+10FFFF.
        const std::size_t len = lead < 0x80                    ? 1
                                : lead >= 0xC2 && lead <= 0xDF ? 2
                                : lead >= 0xE0 && lead <= 0xEF ? 3
                                : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                               : 0;
        const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        bool ok = len > 0 && i + len <= text.size();
        char32_t cp = len == 1   ? lead
                      : len == 2 ? (lead & 0x1F)
                      : len == 3 ? (lead & 0x0F)
                                 : (lead & 0x07);
        for (std::size_t k = 1; ok && k < len; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            ok = k == 1 ? c >= low && c <= high : isContinuation(c);
            cp = (cp << 6) | (c & 0x3F);
        }
        out += ok ? cp : U'\uFFFD';
        i += ok ? len : 1;
    }
    return out;
}

std::string encodeUtf8(std::u32string_view text) {
    std::string out;
    for (const char32_t ch : text)
        out += encodeUtf8(ch);
    return out;
}

std::string shortenedForMessage(std::string_view text) {
    constexpr std::size_t kLongest = 100;
    if (codePointCount(text) <= kLongest) return std::string(text);
    return firstCodePoints(text, kLongest) + "\u2026";
}

} // namespace pelorix

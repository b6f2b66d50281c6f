#include "settings/file_encoding.h"

#include "base/app_error.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iconv.h>

namespace pelorix {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD
constexpr char kUnassigned1251 = '\x98';
constexpr std::string_view kUnassigned1251Utf8 = "\xC2\x98"; // U+0098

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw AppError(std::string("No conversion from ") + from + " to " + to +
                           " is available");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. Where a sequence does not convert, `onBad` gets the rest of the
    // input, appends what stands for the bad bytes and returns how many of them it consumed.
    template <class OnBad> std::string run(std::string_view in, OnBad onBad) {
        std::string out;
        char* inPtr = const_cast<char*>(in.data()); // iconv's signature; it never writes there
        std::size_t inLeft = in.size();
        char buffer[4096];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (rc != static_cast<std::size_t>(-1) || error == E2BIG) continue;
            if (error != EILSEQ && error != EINVAL) throw AppError(std::strerror(error));
            std::size_t used = onBad(std::string_view(inPtr, inLeft), out);
            used = std::clamp<std::size_t>(used, 1, inLeft);
            inPtr += used;
            inLeft -= used;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

std::string decodeWith(const char* encoding, std::string_view bytes, std::size_t unit) {
    return Converter("UTF-8", encoding).run(bytes, [unit](std::string_view, std::string& out) {
        out += kReplacement;
        return unit;
    });
}

std::string decode1251(std::string_view bytes) {
    return Converter("UTF-8", "WINDOWS-1251")
        .run(bytes, [](std::string_view bad, std::string& out) {
            out += bad.front() == kUnassigned1251 ? kUnassigned1251Utf8 : kReplacement;
            return std::size_t{1};
        });
}

std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

bool startsWith(std::string_view bytes, std::string_view mark) {
    return bytes.starts_with(mark);
}

// Length of the UTF-8 sequence that starts with `lead`, 0 when it cannot start one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

[[noreturn]] void refuseCharacter(std::string_view rest) {
    const std::size_t length = sequenceLength(static_cast<unsigned char>(rest.front()));
    if (length == 0 || length > rest.size()) throw AppError("The text is not valid UTF-8");
    char32_t code = length == 1 ? static_cast<unsigned char>(rest[0])
                                : static_cast<unsigned char>(rest[0]) & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (static_cast<unsigned char>(rest[i]) & 0x3F);
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(code));
    throw AppError("The character \"" + std::string(rest.substr(0, length)) + "\" (" + hex +
                   ") cannot be written in the Windows-1251 code page");
}

} // namespace

std::string decodeSettingsFile(std::string_view bytes) {
    std::string text;
    if (startsWith(bytes, "\xFF\xFE"))
        text = decodeWith("UTF-16LE", bytes.substr(2), 2);
    else if (startsWith(bytes, "\xFE\xFF"))
        text = decodeWith("UTF-16BE", bytes.substr(2), 2);
    else if (startsWith(bytes, "\xEF\xBB\xBF"))
        text = decodeWith("UTF-8", bytes.substr(3), 1);
    else
        text = decode1251(bytes);
    return withCrLf(text);
}

std::string encodeWindows1251(std::string_view utf8) {
    return Converter("WINDOWS-1251", "UTF-8").run(utf8, [](std::string_view bad, std::string& out) {
        if (!bad.starts_with(kUnassigned1251Utf8)) refuseCharacter(bad);
        out += kUnassigned1251;
        return kUnassigned1251Utf8.size();
    });
}

} // namespace pelorix

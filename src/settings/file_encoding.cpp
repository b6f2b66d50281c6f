#include "settings/file_encoding.h"

#include "base/app_error.h"
#include "base/text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace pelorix {

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
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

bool startsWithMark(std::string_view bytes) {
    return startsWith(bytes, kUtf16LeMark) || startsWith(bytes, kUtf16BeMark) ||
           startsWith(bytes, kUtf8Mark);
}

} // namespace

std::string decodeSettingsFile(std::string_view bytes) {
    std::string text;
    if (startsWith(bytes, kUtf16LeMark))
        text = decodeWith("UTF-16LE", bytes.substr(2), 2);
    else if (startsWith(bytes, kUtf16BeMark))
        text = decodeWith("UTF-16BE", bytes.substr(2), 2);
    else if (startsWith(bytes, kUtf8Mark))
        text = encodeUtf8(decodeUtf8(bytes.substr(3)));
    else
        text = decode1251(bytes);
    return withCrLf(text);
}

std::string encodeSettingsFile(std::string_view utf8) {
    bool fits = true;
    std::string bytes = Converter("WINDOWS-1251", "UTF-8")
                            .run(utf8, [&fits](std::string_view bad, std::string& out) {
                                if (!bad.starts_with(kUnassigned1251Utf8)) {
                                    fits = false;
                                    return std::size_t{1};
                                }
                                out += kUnassigned1251;
                                return kUnassigned1251Utf8.size();
                            });
    // A value whose code-page bytes begin like a byte-order mark ("яю", "юя", "п»ї") would read
    // back in another encoding.
    if (fits && !startsWithMark(bytes)) return bytes;
    return std::string(kUtf8Mark) + encodeUtf8(decodeUtf8(utf8));
}

} // namespace pelorix

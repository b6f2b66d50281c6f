// libFuzzer target: the settings file decoder and encoder. Any bytes decode to valid UTF-8
// with CR LF line breaks, and whatever was decoded is written so that it reads back unchanged.
#include "base/text.h"
#include "settings/file_encoding.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool lineBreaksAreCrLf(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = pelorix::decodeSettingsFile(bytes);
    check(pelorix::encodeUtf8(pelorix::decodeUtf8(text)) == text, "decoded text is valid UTF-8");
    check(lineBreaksAreCrLf(text), "line breaks are CR LF");
    const std::string written = pelorix::encodeSettingsFile(text);
    check(pelorix::decodeSettingsFile(written) == text, "a saved value reads back unchanged");
    // Text typed or pasted by the user need not come from a file: encode it as it comes.
    pelorix::decodeSettingsFile(pelorix::encodeSettingsFile(bytes));
    return 0;
}

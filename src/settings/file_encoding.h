#pragma once

#include <string>
#include <string_view>

namespace pelorix {

// The whole content of a settings file turned into the program's UTF-8 text. A byte-order mark
// (FF FE, FE FF, EF BB BF, tested in that order) selects UTF-16 LE, UTF-16 BE or UTF-8 and is
// dropped; without one the bytes are Windows-1251. Every line break (CR LF, lone CR, lone LF)
// becomes CR LF. Bytes that do not decode become U+FFFD, except the one byte Windows-1251
// leaves unassigned (0x98), which maps to U+0098 so that a hand-edited file survives a round
// trip unchanged.
std::string decodeSettingsFile(std::string_view bytes);

// The bytes a settings file holds for a UTF-8 text: Windows-1251 without a mark for every text
// the code page can hold, so that the files stay as other programs expect them; otherwise the
// text as UTF-8 behind its byte-order mark (malformed bytes as U+FFFD), which reads back as the
// same text. Never fails: a value the user typed is never lost to its encoding.
std::string encodeSettingsFile(std::string_view utf8);

} // namespace pelorix

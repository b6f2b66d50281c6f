#pragma once

#include "base/controls.h"

#include <QString>

#include <optional>
#include <string>

class QKeyEvent;

namespace pelorix {

// The characters a key press types, as the model's key filters see them: Backspace is
// character 8, Ctrl with a letter its control character (copy, cut, paste and select-all
// included); keys that type nothing (Delete, the arrows, Tab, function keys) give nothing.
std::u32string typedCharacters(const QKeyEvent& event);

// The key as the model's key-down handlers know it, or nothing for any other key.
std::optional<Key> modelKey(const QKeyEvent& event);

// The Qt key code that types the given characters on their own (Backspace for character 8).
int keyCodeFor(const std::u32string& characters);

QString fromCodePoints(const std::u32string& characters);

} // namespace pelorix

#pragma once

#include "base/controls.h"

namespace pelorix {

// How every number field of the program takes typed characters: digits and Backspace as typed,
// a comma or a point as the user's decimal separator (once per field), nothing else. A field
// with the length cap refuses every character, Backspace too, once it holds ten characters;
// keys that type nothing (Delete, the arrows) never reach a key filter.
enum class LengthCap { Ten, None };

// Returns whether `field` takes `ch`, replacing a typed point or comma by the separator.
bool acceptNumberKey(const TextControl& field, char32_t& ch, char decimalSeparator,
                     LengthCap cap = LengthCap::Ten);

// Installs that filter as the field's key filter.
void filterNumberKeys(TextControl& field, char decimalSeparator, LengthCap cap = LengthCap::Ten);

} // namespace pelorix

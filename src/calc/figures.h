#pragma once

#include "base/numbers.h"

namespace pelorix {

// The roundings of the sizings, on checked numbers so that formulas keep reading as written.

// Two decimals, halves to even.
inline Num round2(Num value) {
    return roundTo2(value.value());
}
// The nearest whole number, halves to even.
inline Num wholeOf(Num value) {
    return whole(value.value());
}
// Cut toward zero to a whole number (through a 64-bit integer, as counts are kept).
inline Num truncOf(Num value) {
    return static_cast<Real>(trunc64(value.value()));
}

} // namespace pelorix

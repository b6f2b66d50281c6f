#pragma once

#include <optional>
#include <string_view>

namespace pelorix {

// The fields of a row of the Forex instrument table that the program reads.
inline constexpr std::string_view kInstrumentName = "currency"; // e.g. "EUR/USD", the search key
inline constexpr std::string_view kPriceStep = "Price_step";    // the size of one price point
inline constexpr std::string_view kSpread = "spread";           // counted in price steps
inline constexpr std::string_view kPairKind = "Type";           // the text of a PairType

// How a Forex instrument's quote relates to the dollar, as its reference row names it.
enum class PairType {
    Direct,  // "прямая": the quote currency is the dollar
    Inverse, // "обратная": the base currency is the dollar
    Cross    // "кросс-курс": neither is; the user supplies the base currency's dollar rate
};

// The kind a stored text names, compared whole and in this order; any other text names none.
inline std::optional<PairType> pairTypeOf(std::string_view text) {
    if (text == "прямая") return PairType::Direct;
    if (text == "обратная") return PairType::Inverse;
    if (text == "кросс-курс") return PairType::Cross;
    return std::nullopt;
}

} // namespace pelorix

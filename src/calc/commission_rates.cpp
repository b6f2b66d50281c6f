#include "calc/commission_rates.h"

namespace pelorix {

CommissionRates readCommissionRates(const CurrentRow& commissionRow, char decimalSeparator) {
    auto rate = [&](std::string_view field) {
        return Num(parseNumber(commissionRow.fieldText(field), decimalSeparator));
    };
    const Num brokerSpot = rate("combrspot");
    const Num exchangeSpot = rate("comstockspot");
    const Num brokerFutures = rate("combrfut");
    const Num exchangeFutures = rate("comstockfut");
    return {toDouble((brokerSpot + exchangeSpot).value()),
            toDouble((brokerFutures + exchangeFutures).value())};
}

} // namespace pelorix

#include "calc/commission_rates.h"

#include "base/app_error.h"

namespace pelorix {

namespace {

// What a closed commission table answers; a window that never got its row behaves the same.
const char* const kClosedCommissionTable =
    "ADOTable2: Cannot perform this operation on a closed dataset";

} // namespace

CommissionRates readCommissionRates(const CurrentRow* commissionRow, char decimalSeparator) {
    if (commissionRow == nullptr) throw AppError(kClosedCommissionTable);
    auto rate = [&](std::string_view field) {
        return Num(parseNumber(commissionRow->fieldText(field), decimalSeparator));
    };
    const Num brokerSpot = rate("combrspot");
    const Num exchangeSpot = rate("comstockspot");
    const Num brokerFutures = rate("combrfut");
    const Num exchangeFutures = rate("comstockfut");
    return {toDouble((brokerSpot + exchangeSpot).value()),
            toDouble((brokerFutures + exchangeFutures).value())};
}

} // namespace pelorix

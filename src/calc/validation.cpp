#include "calc/validation.h"

#include "base/text.h"
#include "calc/messages.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

namespace pelorix {

namespace {

bool refuse(Dialogs& dialogs, const std::string& message) {
    dialogs.information(message);
    return false;
}

// V3: every field the market needs must hold a value. The usd rate only counts while its field
// is shown, that is for cross pairs.
bool marketFieldsFilled(const TradeTicket& t, MarketTab market) {
    auto filled = [](std::initializer_list<const TextControl*> fields) {
        for (const TextControl* f : fields)
            if (!hasValue(f->text())) return false;
        return true;
    };
    if (!filled({&t.entryPrice, &t.stopLoss, &t.targetPrice})) return false;
    switch (market) {
    case MarketTab::Stocks:
        return true;
    case MarketTab::Futures:
        return filled({&t.marginPerContract, &t.contracts, &t.pointValue});
    case MarketTab::Forex:
        return filled({&t.lot, &t.instrument}) && (!t.usdRate.visible() || filled({&t.usdRate}));
    }
    return true;
}

enum class Geometry { StopSide, TargetSide, StopEqual };

// The message of one geometry check when it refuses the ticket. Each check reads its prices when
// it runs, so a later price that is no number is not read once an earlier check refused.
std::optional<std::string> geometryFault(const TradeTicket& t, Geometry check, PositionSide side,
                                         MarketTab market) {
    const bool isLong = side == PositionSide::Long;
    switch (check) {
    case Geometry::StopSide: {
        const Num stop = t.number(t.stopLoss);
        const Num entry = t.number(t.entryPrice);
        if (isLong && stop > entry) return messages::kLongStop;
        if (!isLong && stop < entry) return messages::kShortStop;
        return std::nullopt;
    }
    case Geometry::TargetSide: {
        const Num target = t.number(t.targetPrice);
        const Num entry = t.number(t.entryPrice);
        if (isLong) {
            if (target <= entry) return messages::kLongTarget;
        } else if (market == MarketTab::Futures) {
            // A short futures trade may aim at the entry price itself.
            if (target > entry) return messages::kShortTarget;
        } else if (target >= entry) {
            return messages::kShortTarget;
        }
        return std::nullopt;
    }
    case Geometry::StopEqual:
        if (t.number(t.stopLoss) == t.number(t.entryPrice)) return messages::kStopEqual;
        return std::nullopt;
    }
    return std::nullopt;
}

// Short stocks test the stop's equality before the target; every other branch after it.
std::array<Geometry, 3> geometryOrder(PositionSide side, MarketTab market) {
    if (side == PositionSide::Short && market == MarketTab::Stocks)
        return {Geometry::StopSide, Geometry::StopEqual, Geometry::TargetSide};
    return {Geometry::StopSide, Geometry::TargetSide, Geometry::StopEqual};
}

} // namespace

bool passesTicketChecks(const TradeTicket& t, PositionSide side, MarketTab market,
                        Dialogs& dialogs) {
    if (t.entryPrice.text().empty() || t.stopLoss.text().empty()) return false;

    if (!hasValue(t.capital.text()) || !hasValue(t.riskPercent.text())) {
        const bool longStocks = side == PositionSide::Long && market == MarketTab::Stocks;
        return refuse(dialogs, longStocks ? messages::kCapitalLongStocks : messages::kCapital);
    }

    if (!marketFieldsFilled(t, market)) return refuse(dialogs, messages::kFillFields);

    for (Geometry check : geometryOrder(side, market))
        if (auto fault = geometryFault(t, check, side, market)) return refuse(dialogs, *fault);
    return true;
}

bool capitalCoversEntryPrice(const TradeTicket& t, Dialogs& dialogs) {
    if (t.number(t.capital) < t.number(t.entryPrice))
        return refuse(dialogs, messages::kStocksLimit);
    return true;
}

} // namespace pelorix

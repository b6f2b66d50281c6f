#include "calc/trade_ticket.h"

namespace pelorix {

std::optional<PositionSide> positionSideOf(std::string_view text) {
    if (text == "Лонг") return PositionSide::Long;
    if (text == "Шорт") return PositionSide::Short;
    return std::nullopt;
}

std::optional<MarketTab> marketTabOf(int tabIndex) {
    switch (tabIndex) {
    case 0:
        return MarketTab::Stocks;
    case 1:
        return MarketTab::Futures;
    case 2:
        return MarketTab::Forex;
    default:
        return std::nullopt;
    }
}

Num TradeTicket::number(const TextControl& field) const {
    return parseNumber(field.text(), decimalSeparator);
}

std::string TradeTicket::format(Num value) const {
    return formatNumber(value.value(), decimalSeparator);
}

std::string TradeTicket::money(Num value) const {
    return format(value) + " " + currencyLabel.text();
}

void ResultView::clearProposal() const {
    for (Label* label : {&optimalYieldPercent, &optimalRiskPercent, &positionLine,
                         &optimalRiskMoney, &optimalYieldMoney})
        label->setText("");
}

} // namespace pelorix

#pragma once

#include "base/controls.h"
#include "base/numbers.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelorix {

// The position type the user chose in the position-type box.
enum class PositionSide { Long, Short };

// The market of the selected tab.
enum class MarketTab { Stocks = 0, Futures = 1, Forex = 2 };

// Long for exactly "Лонг", Short for exactly "Шорт"; any other text names no side.
std::optional<PositionSide> positionSideOf(std::string_view text);
// Tabs 0, 1 and 2; any other index names no market.
std::optional<MarketTab> marketTabOf(int tabIndex);

// The trade as the main window's fields hold it. The fields are read at the moment a step needs
// them, never copied, because a calculation may rewrite one of them (the contracts after the
// margin limit) and later steps must see what the window shows.
struct TradeTicket {
    Edit& capital;           // Edit1, settlement currency (dollars on the Forex tab)
    Edit& riskPercent;       // Edit2, percent of the capital the user accepts to lose
    Edit& entryPrice;        // Edit3
    Edit& stopLoss;          // Edit4
    Edit& targetPrice;       // Edit5
    ComboBox& side;          // ComboBox1, "Лонг" or "Шорт"
    TabControl& market;      // TabControl1
    Edit& marginPerContract; // Edit9, futures
    Edit& contracts;         // Edit11, futures; may be fractional
    Edit& pointValue;        // Edit10, futures: money per price point of one contract
    ComboBox& instrument;    // ComboBox3, Forex
    ComboBox& lot;           // ComboBox2, Forex
    Edit& pipValueUsd;       // Edit14, Forex: filled by the quote lookup
    Edit& usdRate;           // Edit15, Forex: shown for cross pairs only
    Slot& currencyLabel;     // m7: appended to money amounts as it stands
    char decimalSeparator;   // the user's locale

    // A field's text as a number; a text that is none ends the command with the conversion box.
    Num number(const TextControl& field) const;
    // A figure as the window shows it.
    std::string format(Num value) const;
    // A money amount: the figure, a blank and the settlement currency.
    std::string money(Num value) const;
};

// Where a calculation writes what it found.
struct ResultView {
    Edit& marketRiskPercent;    // Edit7, read back by every later step
    Edit& yieldPercent;         // Edit8, read back by every later step
    Edit& marketRiskMoney;      // Edit12
    Edit& yieldMoney;           // Edit13
    Label& comment;             // Label17
    Label& positionLine;        // Label20: the proposed position
    Label& positionDetail;      // Label42: shares to buy, or the unrounded lot
    Label& riskCaption;         // Label21
    Label& yieldCaption;        // Label22
    Label& optimalRiskPercent;  // Label23
    Label& optimalYieldPercent; // Label24
    Label& optimalRiskMoney;    // Label39
    Label& optimalYieldMoney;   // Label40
    Label& marginCaption;       // Label11, the "ГО:" caption
    Label& quotationLine;       // Label43, cleared by every run

    // Empties the proposed position and its risk and yield (the share count line stays).
    void clearProposal() const;
};

// The commission rates of one run, each pair summed and kept as a double.
struct CommissionRates {
    double stockCommission = 0;   // broker + exchange, percent of each purchase and sale
    double futuresCommission = 0; // broker + exchange, money per contract and side
};

} // namespace pelorix

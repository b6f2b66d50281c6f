#include "calc/calculate.h"
#include "ui/tform1.h"

namespace pelorix {

TradeTicket TForm1::ticket() {
    return {.capital = Edit1,
            .riskPercent = Edit2,
            .entryPrice = Edit3,
            .stopLoss = Edit4,
            .targetPrice = Edit5,
            .side = ComboBox1,
            .market = TabControl1,
            .marginPerContract = Edit9,
            .contracts = Edit11,
            .pointValue = Edit10,
            .instrument = ComboBox3,
            .lot = ComboBox2,
            .pipValueUsd = Edit14,
            .usdRate = Edit15,
            .currencyLabel = m7,
            .decimalSeparator = env().decimalSeparator};
}

ResultView TForm1::results() {
    return {.marketRiskPercent = Edit7,
            .yieldPercent = Edit8,
            .marketRiskMoney = Edit12,
            .yieldMoney = Edit13,
            .comment = Label17,
            .positionLine = Label20,
            .positionDetail = Label42,
            .riskCaption = Label21,
            .yieldCaption = Label22,
            .optimalRiskPercent = Label23,
            .optimalYieldPercent = Label24,
            .optimalRiskMoney = Label39,
            .optimalYieldMoney = Label40,
            .marginCaption = Label11,
            .quotationLine = Label43};
}

void TForm1::Button1Click() {
    calculate(ticket(), results(), links_.commissionRow(), env().dialogs, forexBranch());
}

} // namespace pelorix

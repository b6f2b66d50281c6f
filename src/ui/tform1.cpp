#include "ui/tform1.h"

#include "calc/calculate.h"

#include <string>

namespace pelorix {

TForm1::TForm1(const Environment& env) : Form(env, "Form1", "Pelorix", 304, 609) {

    Label10.setFontColor(Color::fromRgb(128, 128, 128));
    Label28.setVisible(false);
    Label29.setVisible(false);
    Edit15.setVisible(false);
    Edit14.setVisible(false);
    Edit14.setEnabled(false);
    Edit12.setEnabled(false);
    Edit13.setEnabled(false);
    Label35.setVisible(false);
    Label36.setVisible(false);
    Label41.setVisible(false);
    Label42.setVisible(false);

    Button1.onClick = [this] { Button1Click(); };
}

std::vector<std::string> TForm1::lotSizes() {
    // 1000 … 9000, 10000 … 90000, and so on up to 1000000 … 10000000.
    std::vector<std::string> lots;
    for (long step = 1000; step <= 1000000; step *= 10)
        for (long k = 1; k <= 9; ++k)
            lots.push_back(std::to_string(k * step));
    lots.push_back("10000000");
    return lots;
}

void TForm1::Button1Click() {
    const TradeTicket ticket{.capital = Edit1,
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
    const ResultView results{.marketRiskPercent = Edit7,
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
    // The Forex instrument search and lot sizing join here when the instruments are wired in.
    calculate(ticket, results, commissionRow, env().dialogs);
}

} // namespace pelorix

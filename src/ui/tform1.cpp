#include "ui/tform1.h"

#include <string>

namespace pelorix {

TForm1::TForm1(const Environment& env, const Links& links)
    : Form(env, "Form1", "Pelorix", 304, 609), links_(links) {
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
    // As designed: the long position's picture beside the position type "Лонг".
    Image1.setPicture((env.programFolder / "StockIndexUp.png").string());

    wireHandlers();
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

QuoteFields TForm1::quoteFields() {
    return {.instrument = ComboBox3,
            .lot = ComboBox2,
            .entryPrice = Edit3,
            .pipValueUsd = Edit14,
            .usdRate = Edit15,
            .usdRateCaption = Label27};
}

// Every handler of the window joins its control here, so that a look at one place tells which
// event runs what.
void TForm1::wireHandlers() {
    Button1.onClick = [this] { Button1Click(); };
    TabControl1.onChange = [this] { TabControl1Change(); };
    wireEntryFields();

    online1.onClick = [this] { online1Click(); };
    ofline1.onClick = [this] { ofline1Click(); };
    Forex1.onClick = [this] { Forex1Click(); };
    Forex2.onClick = [this] { Forex2Click(); };
    N4.onClick = [this] { N4Click(); };
    N2.onClick = [this] { N2Click(); };

    ComboBox2.onChange = [this] { ComboBox2Change(); };
    ComboBox3.onChange = [this] { ComboBox3Change(); };
    Edit15.onChange = [this] { Edit15Change(); };
    Edit3.onChange = [this] { Edit3Change(); };

    Label10.onClick = [this] { Label10Click(); };
    Label10.onMouseMove = [this] { Label10MouseMove(); };
    Label10.onMouseLeave = [this] { Label10MouseLeave(); };
}

} // namespace pelorix

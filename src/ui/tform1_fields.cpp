#include "base/app_error.h"
#include "base/number_key_filter.h"
#include "base/numbers.h"
#include "base/text.h"
#include "settings/settings_store.h"
#include "ui/colour_rule.h"
#include "ui/tform1.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace pelorix {

void TForm1::wireEntryFields() {
    const char separator = env().decimalSeparator;
    for (TextControl* field : std::initializer_list<TextControl*>{
             &Edit1, &Edit3, &Edit4, &Edit5, &Edit9, &Edit10, &Edit11, &Edit15, &ComboBox2})
        filterNumberKeys(*field, separator);
    // The risk fields take any length.
    for (Edit* field : {&Edit2, &Edit6})
        filterNumberKeys(*field, separator, LengthCap::None);

    // A "0" makes way for typing when the field is entered and comes back when it is left empty.
    for (Edit* field : {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit9, &Edit10, &Edit11, &Edit15})
        field->onEnter = [field] {
            if (field->text() == "0") field->setText("");
        };
    for (Edit* field : {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit9, &Edit10, &Edit11})
        field->onExit = [field] {
            if (field->text().empty()) field->setText("0");
        };
    Edit6.onExit = [this] { Edit6Exit(); };
    Edit11.onClick = [this] { Edit11Click(); };

    for (Control* field :
         std::initializer_list<Control*>{&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit9, &Edit10,
                                         &Edit11, &Edit15, &ComboBox2, &ComboBox3})
        field->onKeyDown = [this, field](Key key) {
            if (Control* next = focusTarget(*field, key)) setFocus(*next);
        };

    Edit1.onChange = [this] { Edit1Change(); };
    Edit2.onChange = [this] { Edit2Change(); };
    Edit6.onChange = [this] { Edit6Change(); };
    Edit4.onChange = [this] { Edit4Change(); };
    Edit5.onChange = [this] { Edit5Change(); };
    Edit9.onChange = [this] { Edit9Change(); };
    Edit10.onChange = [this] { Edit10Change(); };
    Edit11.onChange = [this] { Edit11Change(); };
    ComboBox1.onChange = [this] { ComboBox1Change(); };
}

Control* TForm1::focusTarget(const Control& from, Key key) {
    const bool forward = key == Key::Enter || key == Key::Right || key == Key::Down;
    if (!forward && key != Key::Left && key != Key::Up) return nullptr;
    const auto pick = [forward](Control& ahead, Control& behind) {
        return forward ? &ahead : &behind;
    };
    Control& beforeInstrument = Edit15.visible() ? static_cast<Control&>(Edit15) : Edit5;
    if (&from == &Edit1) return pick(Edit2, Edit1);
    if (&from == &Edit2) return pick(Edit3, Edit1);
    if (&from == &Edit3) return pick(Edit4, Edit2);
    if (&from == &Edit4) return pick(Edit5, Edit3);
    if (&from == &Edit5) {
        // The field after the target depends on the market: the first field of the window on
        // stocks, the contracts on futures, the rate or the instrument on Forex.
        switch (TabControl1.tabIndex()) {
        case 0:
            return pick(Edit1, Edit4);
        case 1:
            return pick(Edit11, Edit4);
        case 2:
            return Edit15.visible() ? pick(Edit15, Edit4) : pick(ComboBox3, Edit4);
        default:
            return nullptr;
        }
    }
    if (&from == &Edit11) return pick(Edit9, Edit5);
    if (&from == &Edit9) return pick(Edit10, Edit11);
    if (&from == &Edit10) return pick(Edit1, Edit9);
    if (&from == &Edit15) return pick(ComboBox3, Edit5);
    if (&from == &ComboBox3) return pick(ComboBox2, beforeInstrument);
    if (&from == &ComboBox2) return pick(Edit1, ComboBox3);
    return nullptr;
}

void TForm1::showMaximumContracts() {
    if (!hasValue(Edit9.text()) || !hasValue(Edit1.text())) return;
    const char sep = env().decimalSeparator;
    const Num contracts = Num(parseNumber(Edit1.text(), sep)) / parseNumber(Edit9.text(), sep);
    Label36.setText(formatNumber(whole(contracts.value()), sep));
}

void TForm1::Edit1Change() {
    Memo1.setText(Edit1.text());
    showMaximumContracts();
    for (Edit* field : {&Edit1, &Edit3, &Edit4, &Edit5, &Edit9, &Edit10, &Edit11})
        applyColourRule(*field);
}

void TForm1::Edit2Change() {
    const char sep = env().decimalSeparator;
    if (hasValue(Edit2.text()) && hasValue(Edit1.text())) {
        if (!riskFieldFollowing_) {
            const Num money =
                Num(parseNumber(Edit1.text(), sep)) * (Num(parseNumber(Edit2.text(), sep)) / 100);
            followRiskField(Edit6, formatNumber(money.value(), sep));
        }
        Memo5.setText(Edit2.text());
    }
    applyRiskColourRule(Edit2, sep);
}

void TForm1::Edit6Change() {
    const char sep = env().decimalSeparator;
    applyRiskColourRule(Edit2, sep);
    if (riskFieldFollowing_ || !hasValue(Edit6.text()) || !hasValue(Edit1.text())) return;
    const Num percent = Num(parseNumber(Edit6.text(), sep)) / parseNumber(Edit1.text(), sep) * 100;
    followRiskField(Edit2, formatNumber(percent.value(), sep));
}

void TForm1::followRiskField(Edit& follower, const std::string& text) {
    // The follower's own handling must not write back into the field the user is typing in:
    // the echo of 300 through 2,43013365735115 % comes back as 2,99999999999999, and the echo
    // of "2," as "2", which would turn the 2,7 % being typed into 27 %.
    riskFieldFollowing_ = true;
    try {
        follower.setText(text);
    } catch (...) {
        riskFieldFollowing_ = false;
        throw;
    }
    riskFieldFollowing_ = false;
}

void TForm1::Edit6Exit() {
    const char sep = env().decimalSeparator;
    if (Edit6.text().empty()) Edit6.setText("0");
    if (hasValue(Edit1.text()) && hasValue(Edit6.text())) {
        // Leaving the money field settles the percentage on two decimals.
        const Num hundredths =
            Num(parseNumber(Edit6.text(), sep)) / parseNumber(Edit1.text(), sep) * 10000;
        Edit2.setText(formatNumber((Num(whole(hundredths.value())) / 100).value(), sep));
    }
    Memo5.setText(Edit2.text());
}

void TForm1::Edit4Change() {
    applyColourRule(Edit4);
}

void TForm1::Edit5Change() {
    applyColourRule(Edit5);
}

void TForm1::Edit9Change() {
    showMaximumContracts();
    applyColourRule(Edit9);
    Memo2.setText(Edit9.text());
}

void TForm1::Edit10Change() {
    applyColourRule(Edit10);
    Memo4.setText(Edit10.text());
}

void TForm1::Edit11Change() {
    Memo3.setText(Edit11.text());
    applyColourRule(Edit11);
}

void TForm1::Edit11Click() {
    Edit11.setText("");
}

void TForm1::ComboBox1Change() {
    const char* file = ComboBox1.text() == "Шорт" ? "StockIndexDown.png" : "StockIndexUp.png";
    const std::filesystem::path path = SettingsStore(env().programFolder).pathOf(file);
    // A picture that cannot be read is reported and the one shown before stays.
    std::FILE* picture = std::fopen(path.c_str(), "rb");
    if (!picture)
        throw AppError("Cannot open file \"" + path.string() + "\". " + std::strerror(errno));
    std::fclose(picture);
    Image1.setPicture(path.string());
}

} // namespace pelorix

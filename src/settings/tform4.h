#pragma once

#include "base/field_link.h"
#include "base/form.h"
#include "settings/connection.h"
#include "settings/reference_database.h"
#include "settings/table_handle.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace pelorix {

// The general settings window: default market tab, settlement currency, commission rates.
class TForm4 : public Form {
public:
    // Selects the main window's tab (0 Stocks, 1 Futures, 2 Forex) and lays the window out for
    // it with the currency label, as Save switches the running main window at once; a failure
    // (a capital that is no whole number) stops the Save.
    using MainWindowSetUp = std::function<void(int tab, const std::string& currency)>;

    // `currencySlot`: the main window's settlement-currency slot, copied into the currency box
    // at creation and set to the chosen currency by Save.
    TForm4(const Environment& env, Slot& currencySlot, MainWindowSetUp setUpMainWindow);

    void FormCreate() override;
    void FormActivate() override;
    void Button1Click(); // Save
    void Button2Click(); // Cancel

    static constexpr const char* kEmptyCommission =
        "Комиссия не может содержать пустое значение! Введите ноль или другое число!";

    // The settlement currencies, read to fill the currency box.
    Connection ADOConnection1{"ADOConnection1"};
    TableHandle ADOTable1{ADOConnection1, "ADOTable1", std::string(kCurrencyTable),
                          env().decimalSeparator};
    // The one commission row: edited in place here, read by every calculation.
    Connection ADOConnection2{"ADOConnection2"};
    TableHandle ADOTable2{ADOConnection2, "ADOTable2", std::string(kCommissionTable),
                          env().decimalSeparator};

    GroupBox RadioGroup1{this, "RadioGroup1", "Активная закладка по умолчанию"};
    RadioButton RB1{this, "RB1", " Акции", true};
    RadioButton RB2{this, "RB2", " Фьючерсы"};
    RadioButton RB3{this, "RB3", " Forex"};
    GroupBox GroupBox2{this, "GroupBox2", "Комиссия Брокера"};
    Label Label2{this, "Label2", "СПОТ"};
    Edit DBEdit1{this, "DBEdit1"};
    Label Label3{this, "Label3", "%"};
    Label Label4{this, "Label4", "Фьюч"};
    Edit DBEdit2{this, "DBEdit2"};
    Label Label5{this, "Label5", "р."};
    GroupBox GroupBox1{this, "GroupBox1", "Комиссия Биржи"};
    Label Label6{this, "Label6", "СПОТ"};
    Edit DBEdit3{this, "DBEdit3"};
    Label Label7{this, "Label7", "%"};
    Label Label8{this, "Label8", "Фьюч"};
    Edit DBEdit4{this, "DBEdit4"};
    Label Label9{this, "Label9", "р."};
    Label Label1{this, "Label1", "Валюта расчёта "};
    ComboBox ComboBox1{this, "ComboBox1", "руб."};
    Button Button2{this, "Button2", "Отмена"};
    Button Button1{this, "Button1", "Сохранить"};
    Slot M1{this, "M1"};
    Slot m2{this, "m2"};

private:
    Slot& currencySlot_;
    MainWindowSetUp setUpMainWindow_;
    // The four commission boxes show and edit the open commission row.
    std::vector<std::unique_ptr<FieldLink>> commissionLinks_;

    // The three options are exclusive: choosing one clears the others.
    void selectDefaultTab(RadioButton& option);
    // The four commission fields with the row field each one edits, in the order Save tests
    // and stores them.
    std::array<std::pair<Edit*, const char*>, 4> commissionFields();
};

} // namespace pelorix

#pragma once

#include "base/field_link.h"
#include "base/form.h"
#include "base/grid.h"
#include "forex/quote_fields.h"
#include "forex/quote_lookup.h"
#include "settings/connection.h"
#include "settings/reference_database.h"
#include "settings/table_handle.h"

namespace pelorix {

// The Forex reference editor: the instruments with their price step, spread and pair type.
class TForm3 : public Form {
public:
    // `mainWindowQuote`: the main window's fields that the save looks the instrument up for.
    TForm3(const Environment& env, const QuoteFields& mainWindowQuote);

    void FormCreate() override;
    // Refused while the price step has no value.
    bool FormClose() override;
    void BitBtn1Click(); // Save

    static constexpr const char* kEnterPriceStep = "Введите шаг цены !";
    static constexpr const char* kEmptySpread =
        "Спред не может содержать пустое значение! Введите ноль или другое число!";

    // The instrument table that the whole program shares: its current row is the editor's
    // selection, the instrument the quote lookup found, and the row the Forex sizing reads.
    Connection ADOConnection1{"ADOConnection1"};
    TableHandle ADOTable1{ADOConnection1, "ADOTable1", std::string(kInstrumentTable),
                          env().decimalSeparator};

    Label Label1{this, "Label1", "Здесь вы можете менять параметры "};
    Grid DBGrid1{this,
                 "DBGrid1",
                 {{"currency", "Инструмент", 120, true},
                  {"Price_step", "Шаг цены", 64, false},
                  {"spread", "Спред", 64, false},
                  {"type", "Тип инструмента", 64, false}}};
    Label Label6{this, "Label6", "Тип валютной пары"};
    ComboBox DBComboBox1{this, "DBComboBox1", "", {"прямая", "обратная", "кросс-курс"}};
    Label Label7{this, "Label7", "Шаг цены"};
    Edit DBEdit1{this, "DBEdit1"};
    Label Label8{this, "Label8", "Спред"};
    Edit DBEdit2{this, "DBEdit2"};
    Label Label5{this, "Label5", "*"};
    Label Label4{this, "Label4", "*"};
    Label Label3{this, "Label3", "*"};
    Button BitBtn1{this, "BitBtn1", "сохранить"};
    Label Label2{this, "Label2"};
    Placeholder DBNavigator1{this, ControlKind::Navigator, "DBNavigator1"};
    Image Image1{this, "Image1"};

private:
    const QuoteFields mainWindowQuote_;
    // The boxes beside the grid show and edit the current instrument.
    FieldLink priceStepLink_{DBEdit1, ADOTable1, "Price_step"};
    FieldLink spreadLink_{DBEdit2, ADOTable1, "spread"};
    FieldLink typeLink_{DBComboBox1, ADOTable1, "type"};
    // Whether the price step would leave the sizing with a step of zero to divide by: no value,
    // or a text such as "0,0" that reads as zero.
    bool priceStepMissing() const;
    // Reruns the Forex quote lookup for the main window's instrument, with the entry-price test:
    // its search saves the row being edited here, makes the main window's instrument current
    // and updates the main window's point value.
    QuoteLookup rerunQuoteLookup();
};

} // namespace pelorix

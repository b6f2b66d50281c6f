#pragma once

#include "base/form.h"
#include "base/grid.h"
#include "settings/connection.h"
#include "settings/reference_database.h"
#include "settings/table_handle.h"

namespace pelorix {

// The Forex reference editor: the instruments with their price step, spread and pair type.
class TForm3 : public Form {
public:
    explicit TForm3(const Environment& env);

    void FormCreate() override;

    // The instrument table that the whole program shares: its current row is the editor's
    // selection, the instrument the quote lookup found, and the row the Forex sizing reads.
    Connection ADOConnection1{"ADOConnection1"};
    TableHandle ADOTable1{ADOConnection1, "ADOTable1", std::string(kInstrumentTable),
                          env().decimalSeparator};

    Label Label1{"Label1", "Здесь вы можете менять параметры "};
    Grid DBGrid1{"DBGrid1",
                 {{"currency", "Инструмент", 120, true},
                  {"Price_step", "Шаг цены", 64, false},
                  {"spread", "Спред", 64, false},
                  {"type", "Тип инструмента", 64, false}}};
    Label Label6{"Label6", "Тип валютной пары"};
    ComboBox DBComboBox1{"DBComboBox1", "", {"прямая", "обратная", "кросс-курс"}};
    Label Label7{"Label7", "Шаг цены"};
    Edit DBEdit1{"DBEdit1"};
    Label Label8{"Label8", "Спред"};
    Edit DBEdit2{"DBEdit2"};
    Label Label5{"Label5", "*"};
    Label Label4{"Label4", "*"};
    Label Label3{"Label3", "*"};
    Button BitBtn1{"BitBtn1", "сохранить"};
    Label Label2{"Label2"};
    Placeholder DBNavigator1{ControlKind::Navigator, "DBNavigator1"};
    Image Image1{"Image1"};
};

} // namespace pelorix

#pragma once

#include "base/form.h"
#include "base/grid.h"
#include "settings/connection.h"
#include "settings/reference_database.h"
#include "settings/table_handle.h"

namespace pelorix {

// The list of settlement currencies the user can choose from.
class TForm5 : public Form {
public:
    explicit TForm5(const Environment& env);

    void FormCreate() override;

    Connection ADOConnection1{"ADOConnection1"};
    TableHandle ADOTable1{ADOConnection1, "ADOTable1", std::string(kCurrencyTable),
                          env().decimalSeparator};

    Label Label1{this, "Label1", "Здесь вы можете добавить валюту "};
    Grid DBGrid1{this, "DBGrid1", {{"currency", "Валюта расчёта", 170, true}}};
    Label Label2{this, "Label2"};
};

} // namespace pelorix

#pragma once

#include "base/form.h"

namespace pelorix {

// The list of settlement currencies the user can choose from.
class TForm5 : public Form {
public:
    explicit TForm5(const Environment& env);

    Label Label1{"Label1", "Здесь вы можете добавить валюту "};
    Grid DBGrid1{"DBGrid1", {{"currency", "Валюта расчёта", 170, true}}};
    Label Label2{"Label2"};
};

} // namespace pelorix

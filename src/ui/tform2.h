#pragma once

#include "base/form.h"

namespace pelorix {

// The About window.
class TForm2 : public Form {
public:
    explicit TForm2(const Environment& env);

    void FormCreate() override;

    Image Image1{"Image1"};
    Label Label1{"Label1", "Pelorix v. 2.0"};
    Label Label2{"Label2", "Pelorix Software — расчёт риска для частного инвестора"};
    Label Label3{"Label3", "© Pelorix Software. Все права защищены."};
    Label Label17{"Label17", "Программа распространяется бесплатно."};
    Label Label4{"Label4", "по любым вопросам обращайтесь по адресу:"};
    Label Label5{"Label5", "support@pelorix.example"};
    Label Label6{"Label6", "Илья Северцев"};
    Button Button1{"Button1", "Ок!"};
};

} // namespace pelorix

#pragma once

#include "base/form.h"

namespace pelorix {

// The About window.
class TForm2 : public Form {
public:
    explicit TForm2(const Environment& env);

    void FormCreate() override;
    // The OK button closes the window.
    void Button1Click();

    Image Image1{this, "Image1"};
    Label Label1{this, "Label1", "Pelorix v. 2.0"};
    Label Label2{this, "Label2", "Pelorix Software — расчёт риска для частного инвестора"};
    Label Label3{this, "Label3", "© Pelorix Software. Все права защищены."};
    Label Label17{this, "Label17", "Программа распространяется бесплатно."};
    Label Label4{this, "Label4", "по любым вопросам обращайтесь по адресу:"};
    Label Label5{this, "Label5", "support@pelorix.example"};
    Label Label6{this, "Label6", "Илья Северцев"};
    Button Button1{this, "Button1", "Ок!"};
};

} // namespace pelorix

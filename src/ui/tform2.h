#pragma once

#include "base/form.h"

namespace pelorix {

// The About window.
class TForm2 : public Form {
public:
    // `homePage`: the main window's label that holds the address of the maker's home page.
    TForm2(const Environment& env, const Label& homePage);

    void FormCreate() override;
    // The OK button closes the window.
    void Button1Click();
    void Label2Click();
    void Label2MouseMove();
    void Label2MouseLeave();

    Image Image1{this, "Image1"};
    Label Label1{this, "Label1", "Pelorix v. 2.0"};
    Label Label2{this, "Label2", "Проект Pelorix — расчёт риска для частного инвестора"};
    Label Label3{this, "Label3", "© Проект Pelorix. Все права защищены."};
    Label Label17{this, "Label17", "Программа распространяется бесплатно."};
    Label Label4{this, "Label4", "по любым вопросам обращайтесь по адресу:"};
    Label Label5{this, "Label5", "support@pelorix.example"};
    Label Label6{this, "Label6", "Разработчики проекта Pelorix"};
    Button Button1{this, "Button1", "Ок!"};

private:
    const Label& homePage_;
};

} // namespace pelorix

#include "ui/program.h"

namespace pelorix {

Program::Program(const Environment& env)
    : Form1(env), Form2(env), Form3(env), Form4(env), Form5(env),
      env_(env), forms_{&Form1, &Form2, &Form3, &Form4, &Form5} {
    Form1.commissionRow = &Form4.ADOTable2;
    Form4.currencySlot = &Form1.m7;
    wireMenu();
}

Form* Program::findForm(const std::string& name) const {
    for (Form* f : forms_)
        if (f->name() == name) return f;
    return nullptr;
}

void Program::create() {
    for (Form* f : forms_)
        runHandler(env_, [f] { f->FormCreate(); });
}

void Program::activate(Form& form) {
    runHandler(env_, [&form] { form.FormActivate(); });
}

bool Program::close(Form& form) {
    bool allowed = false;
    if (!runHandler(env_, [&] { allowed = form.FormClose(); }) || !allowed) return false;
    form.hide();
    return true;
}

void Program::dispatch(const std::function<void()>& handler) {
    runHandler(env_, handler);
}

void Program::wireMenu() {
    Form1.Forex1.onClick = [this] { Form4.show(); };
    Form1.Forex2.onClick = [this] { Form3.show(); };
    Form1.N4.onClick = [this] { Form5.show(); };
    // The About window is made visible; one already open is not brought to the front.
    Form1.N2.onClick = [this] {
        if (!Form2.visible()) Form2.show();
    };
    Form2.Button1.onClick = [this] { Form2.hide(); };
}

} // namespace pelorix

#include "ui/program.h"

namespace pelorix {

Program::Program(const Environment& env)
    // The main window is made first and links to windows made after it; it uses them only once
    // they all exist, from its handlers.
    : HandlerBoundary(env), Form1(env, {.commissionRow = Form4.ADOTable2,
                                        .instruments = Form3.ADOTable1,
                                        .aboutWindow = Form2,
                                        .forexWindow = Form3,
                                        .settingsWindow = Form4,
                                        .currencyWindow = Form5}),
      Form2(env), Form3(env, Form1.quoteFields()), Form4(env, Form1.m7),
      Form5(env), forms_{&Form1, &Form2, &Form3, &Form4, &Form5} {}

Form* Program::findForm(const std::string& name) const {
    for (Form* f : forms_)
        if (f->name() == name) return f;
    return nullptr;
}

void Program::create() {
    for (Form* f : forms_)
        dispatch([f] { f->FormCreate(); });
}

} // namespace pelorix

#include "ui/program.h"

namespace pelorix {

Program::Program(const Environment& env)
    // The main window is made first and links to windows made after it; it uses them only once
    // they all exist, from its handlers.
    : HandlerBoundary(env),
      Form1(env, {.commissionRow = LateRef<const CurrentRow>(
                      [this]() -> const CurrentRow& { return Form4.ADOTable2; }),
                  .instruments =
                      LateRef<TableHandle>([this]() -> TableHandle& { return Form3.ADOTable1; }),
                  .aboutWindow = Form2,
                  .forexWindow = Form3,
                  .settingsWindow = Form4,
                  .currencyWindow = Form5}),
      Form2(env, Form1.Label29), Form3(env, Form1.quoteFields()),
      Form4(
          env, Form1.m7,
          [this](int tab, const std::string& currency) { Form1.showSavedSettings(tab, currency); }),
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

void Program::closed(Form& form) {
    if (&form == &Form1) savePendingEdits();
}

// Rows typed into the reference tables reach the file when the user moves on; one still being
// edited when the program ends is stored now rather than dropped. A row the database refuses is
// reported and the program ends all the same. The commission row is not among them: only the
// settings window's Save stores it, and its Cancel must stay a cancel.
void Program::savePendingEdits() {
    for (TableHandle* table : {&Form3.ADOTable1, &Form5.ADOTable1})
        dispatch([table] {
            if (table->active()) table->checkBrowseMode();
        });
}

} // namespace pelorix

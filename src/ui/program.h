#pragma once

#include "base/handler_boundary.h"
#include "base/seams.h"
#include "forex/tform3.h"
#include "settings/tform4.h"
#include "settings/tform5.h"
#include "ui/tform1.h"
#include "ui/tform2.h"

#include <vector>

namespace pelorix {

// The five windows of a run, built in their fixed order, and the boundary their events pass.
// Closing the main window ends the program.
class Program : public HandlerBoundary {
public:
    explicit Program(const Environment& env);

    TForm1 Form1;
    TForm2 Form2;
    TForm3 Form3;
    TForm4 Form4;
    TForm5 Form5;

    const std::vector<Form*>& forms() const { return forms_; }
    Form* findForm(const std::string& name) const;

    // Runs the five creation handlers in order; a failing one is reported and start-up goes on.
    void create();

private:
    // Closing the main window ends the program: rows still being edited are stored first.
    void closed(Form& form) override;
    void savePendingEdits();

    std::vector<Form*> forms_;
};

} // namespace pelorix

#pragma once

#include "base/seams.h"
#include "forex/tform3.h"
#include "settings/tform4.h"
#include "settings/tform5.h"
#include "ui/tform1.h"
#include "ui/tform2.h"

#include <vector>

namespace pelorix {

// The five windows of a run, built in their fixed order, and the events that concern a whole
// window. Every handler runs behind the handler boundary: an error ends that handler only.
class Program {
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
    void activate(Form& form);
    // A request to close the window; returns whether it closed. Closing the main window ends
    // the program.
    bool close(Form& form);
    // Runs one control's handler behind the boundary.
    void dispatch(const std::function<void()>& handler);

    const Environment& env() const { return env_; }

private:
    const Environment& env_;
    std::vector<Form*> forms_;
};

} // namespace pelorix

#pragma once

#include "app/binder.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace pelorix {

class Program;

// The program's windows on screen: each built from its Designer file and bound to its model.
// The first window is the main one, built at once; the others are tool windows it owns, so they
// go with it, and each is built the first time its model is shown (or asked for here), which
// keeps start-up short. Every window opens at the top left corner of the screen.
class Skin {
public:
    // Throws BindError when the main window does not match its model.
    explicit Skin(Program& program);
    ~Skin();
    Skin(const Skin&) = delete;
    Skin& operator=(const Skin&) = delete;

    QWidget& mainWindow() const { return *main_; }
    // The window and the binder of a form of the program, built now if it was not yet.
    QWidget& window(const Form& form) { return binder(form).window(); }
    Binder& binder(const Form& form);

private:
    Binder& build(Form& form);

    Program& program_;
    std::unique_ptr<QWidget> main_;
    std::vector<std::unique_ptr<Binder>> binders_;
};

} // namespace pelorix

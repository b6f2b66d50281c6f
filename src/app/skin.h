#pragma once

#include "app/binder.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace pelorix {

class Program;

// The program's windows on screen: each built from its Designer file and bound to its model.
// The first window is the main one; the others are tool windows it owns, so they go with it.
// Every window opens at the top left corner of the screen.
class Skin {
public:
    // Throws BindError when a window does not match its model.
    explicit Skin(Program& program);
    ~Skin();
    Skin(const Skin&) = delete;
    Skin& operator=(const Skin&) = delete;

    QWidget& mainWindow() const { return *main_; }
    // The window and the binder of a form of the program.
    QWidget& window(const Form& form) const { return binder(form).window(); }
    Binder& binder(const Form& form) const;

private:
    std::unique_ptr<QWidget> main_;
    std::vector<std::unique_ptr<Binder>> binders_;
};

} // namespace pelorix

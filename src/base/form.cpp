#include "base/form.h"

namespace pelorix {

Form::Form(const Environment& env, std::string name, std::string caption, int width, int height)
    : env_(env), name_(std::move(name)), caption_(std::move(caption)), width_(width),
      height_(height) {}

Control* Form::find(const std::string& controlName) const {
    for (Control* c : controls_)
        if (c->name() == controlName) return c;
    return nullptr;
}

void Form::show() {
    visible_ = true;
    ++raiseCount_;
    changed();
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    changed();
}

void Form::setFocus(Control& control) {
    if (focused_ == &control) return;
    Control* old = focused_;
    focused_ = &control;
    changed();
    if (old && old->onExit) old->onExit();
    if (focused_ == &control && control.onEnter) control.onEnter();
}

void Form::changed() const {
    if (observer_) observer_();
}

} // namespace pelorix

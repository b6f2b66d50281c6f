#include "app/skin.h"

#include "app/window_trees.h"
#include "ui/program.h"

namespace pelorix {

Skin::Skin(Program& program) {
    for (Form* form : program.forms()) {
        std::unique_ptr<QWidget> window = buildWindowTree(form->name());
        if (!window) throw BindError("There is no window layout for " + form->name());
        QWidget& bound = *window;
        if (!main_) {
            main_ = std::move(window);
        } else {
            window->setParent(main_.get(), Qt::Tool);
            window.release(); // owned by the main window from here on
        }
        bound.move(0, 0);
        binders_.push_back(std::make_unique<Binder>(program, *form, bound));
    }
}

Skin::~Skin() {
    // Unhook the models before the widgets go.
    binders_.clear();
    main_.reset();
}

Binder& Skin::binder(const Form& form) const {
    for (const auto& b : binders_)
        if (&b->form() == &form) return *b;
    throw BindError("The window " + form.name() + " is not part of this skin");
}

} // namespace pelorix

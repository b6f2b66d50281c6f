#include "app/skin.h"

#include "app/window_trees.h"
#include "base/app_error.h"
#include "ui/program.h"

namespace pelorix {

Skin::Skin(Program& program) : program_(program) {
    const auto& forms = program.forms();
    build(*forms.front());
    for (auto it = forms.begin() + 1; it != forms.end(); ++it) {
        Form* form = *it;
        // The binder takes the form's observer over when it is built.
        form->setObserver([this, form] {
            if (!form->visible()) return;
            Skin* skin = this; // the binder replaces this observer while it runs
            try {
                skin->build(*form);
            } catch (const BindError& e) {
                throw AppError(e.what());
            }
        });
    }
}

Skin::~Skin() {
    // Unhook the models before the widgets go.
    for (Form* form : program_.forms())
        form->setObserver(nullptr);
    binders_.clear();
    main_.reset();
}

Binder& Skin::build(Form& form) {
    std::unique_ptr<QWidget> window = buildWindowTree(form.name());
    if (!window) throw BindError("There is no window layout for " + form.name());
    QWidget& bound = *window;
    if (!main_) {
        main_ = std::move(window);
    } else {
        window->setParent(main_.get(), Qt::Tool);
        window.release(); // owned by the main window from here on
    }
    bound.move(0, 0);
    binders_.push_back(std::make_unique<Binder>(program_, form, bound));
    return *binders_.back();
}

Binder& Skin::binder(const Form& form) {
    for (const auto& b : binders_)
        if (&b->form() == &form) return *b;
    for (Form* f : program_.forms())
        if (f == &form) return build(*f);
    throw BindError("The window " + form.name() + " is not part of this skin");
}

} // namespace pelorix

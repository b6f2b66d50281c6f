#include "base/handler_boundary.h"

namespace pelorix {

void HandlerBoundary::activate(Form& form) {
    dispatch([&form] { form.FormActivate(); });
}

bool HandlerBoundary::close(Form& form) {
    bool allowed = false;
    dispatch([&] { allowed = form.FormClose(); });
    if (!allowed) return false;
    form.hide();
    closed(form);
    return true;
}

} // namespace pelorix

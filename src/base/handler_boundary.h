#pragma once

#include "base/form.h"
#include "base/seams.h"

#include <functional>

namespace pelorix {

// Where every event of the windows enters the program: a handler runs behind the boundary, so
// an error that it does not handle ends that handler only and shows the error box. The skin and
// every driver of user actions send their events through here.
class HandlerBoundary {
public:
    explicit HandlerBoundary(const Environment& env) : env_(env) {}
    virtual ~HandlerBoundary() = default;
    HandlerBoundary(const HandlerBoundary&) = delete;
    HandlerBoundary& operator=(const HandlerBoundary&) = delete;

    // Runs one control's handler behind the boundary.
    void dispatch(const std::function<void()>& handler) { runHandler(env_, handler); }
    // The window has become the active one.
    void activate(Form& form);
    // A request to close the window; returns whether it closed.
    bool close(Form& form);

    const Environment& env() const { return env_; }

protected:
    // Told after a window has closed.
    virtual void closed(Form&) {}

private:
    const Environment& env_;
};

} // namespace pelorix

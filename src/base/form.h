#pragma once

#include "base/controls.h"
#include "base/seams.h"

#include <functional>
#include <string>
#include <vector>

namespace pelorix {

// A window: its controls (members of the derived class, registered here by name), its caption
// and size, its visibility and focus, and the window-level handlers.
class Form {
public:
    Form(const Environment& env, std::string name, std::string caption, int width, int height);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    int clientWidth() const { return width_; }
    int clientHeight() const { return height_; }

    const std::vector<Control*>& controls() const { return controls_; }
    // The control of that name, or nullptr.
    Control* find(const std::string& controlName) const;

    bool visible() const { return visible_; }
    // Show (and bring to the front) or hide the window.
    void show();
    void hide();
    // Bumped by every show(): the skin raises the window when it changes.
    int raiseCount() const { return raiseCount_; }

    // Focus moves run the Exit handler of the control that loses it, then the Enter handler of
    // the one that gets it.
    Control* focused() const { return focused_; }
    void setFocus(Control& control);

    // Window handlers: creation (once, after all windows exist), activation (each time the
    // window becomes the active one) and a request to close (false refuses it).
    virtual void FormCreate() {}
    virtual void FormActivate() {}
    virtual bool FormClose() { return true; }

    // The skin repaints the window from the model when this is called.
    void setObserver(std::function<void()> observer) { observer_ = std::move(observer); }

    const Environment& env() const { return env_; }

private:
    friend class Control;
    // Called by each control of the window as it is constructed.
    void enrol(Control& control) { controls_.push_back(&control); }

    void changed() const;

    const Environment& env_;
    std::string name_;
    std::string caption_;
    int width_;
    int height_;
    bool visible_ = false;
    int raiseCount_ = 0;
    Control* focused_ = nullptr;
    std::vector<Control*> controls_;
    std::function<void()> observer_;
};

} // namespace pelorix

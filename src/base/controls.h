#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelorix {

class Form;

// Colours are roles; the skin maps them to the palette. Rgb carries an explicit colour.
struct Color {
    enum class Role { White, Red, MenuHighlight, Rgb };
    Role role = Role::White;
    std::uint32_t rgb = 0xFFFFFF;

    static Color white() { return {Role::White, 0xFFFFFF}; }
    static Color red() { return {Role::Red, 0xFF0000}; }
    static Color menuHighlight() { return {Role::MenuHighlight, 0}; }
    static Color fromRgb(int r, int g, int b) {
        return {Role::Rgb, static_cast<std::uint32_t>((r << 16) | (g << 8) | b)};
    }
    bool operator==(const Color&) const = default;
    // "white", "red", "menuhighlight" or "#RRGGBB".
    std::string name() const;
};

enum class Key { Enter, Left, Right, Up, Down, Insert, CtrlDelete, Escape, Delete };

enum class ControlKind {
    Edit,
    Label,
    ComboBox,
    TabControl,
    RadioButton,
    Button,
    GroupBox,
    Image,
    MenuItem,
    Grid,
    Navigator,
    Slot
};

constexpr char32_t kBackspace = 8;

// What every control holds that the behaviour talks about, plus the handler slots a window
// fills in. The skin listens through the observer and repaints from the model.
// A control declared in a window names that window as its owner and joins its control list when
// constructed, so the list always holds exactly the window's members, in declaration order.
// A control without an owner belongs to no window.
class Control {
public:
    Control(Form* owner, ControlKind kind, std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    Color color() const { return color_; }
    void setColor(Color c);
    Color fontColor() const { return fontColor_; }
    void setFontColor(Color c);

    // Called after any property changes; the skin and nothing else sets it.
    void setObserver(std::function<void()> observer) { observer_ = std::move(observer); }

    std::function<void()> onClick;
    std::function<void()> onEnter;
    std::function<void()> onExit;
    std::function<void(Key)> onKeyDown;
    std::function<void()> onMouseMove;
    std::function<void()> onMouseLeave;

protected:
    void changed() const;

private:
    ControlKind kind_;
    std::string name_;
    bool visible_ = true;
    bool enabled_ = true;
    Color color_ = Color::white();
    Color fontColor_ = Color::fromRgb(0, 0, 0);
    std::function<void()> observer_;
};

// A control with a text. Writing a text that differs from the current one runs the change
// handler at once — typed, pasted or written by the program alike; the same text runs nothing.
class TextControl : public Control {
public:
    TextControl(Form* owner, ControlKind kind, std::string name, std::string text = {});

    const std::string& text() const { return text_; }
    void setText(const std::string& text);

    // The key filter: gets each typed character first and may replace or refuse it.
    std::function<bool(char32_t&)> onKeyPress;
    std::function<void()> onChange;

    // The character as the key filter lets it through, or nothing when refused.
    std::optional<char32_t> filterKey(char32_t ch) const;
    // A character typed at the end of the text: filtered, then applied (backspace removes the
    // last character).
    void typeChar(char32_t ch);

private:
    std::string text_;
};

class Edit : public TextControl {
public:
    Edit(Form* owner, std::string name, std::string text = {})
        : TextControl(owner, ControlKind::Edit, std::move(name), std::move(text)) {}
};

class Label : public TextControl {
public:
    Label(Form* owner, std::string name, std::string text = {})
        : TextControl(owner, ControlKind::Label, std::move(name), std::move(text)) {}
};

class ComboBox : public TextControl {
public:
    ComboBox(Form* owner, std::string name, std::string text = {},
             std::vector<std::string> items = {});
    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);
    void addItem(const std::string& item);
    void clearItems();

private:
    std::vector<std::string> items_;
};

// A tab strip without pages. Setting the index from code runs nothing; only the user's choice
// runs the change handler.
class TabControl : public Control {
public:
    TabControl(Form* owner, std::string name, std::vector<std::string> tabs);
    const std::vector<std::string>& tabs() const { return tabs_; }
    int tabIndex() const { return index_; }
    void setTabIndex(int index);
    void chooseTab(int index);
    std::function<void()> onChange;

private:
    std::vector<std::string> tabs_;
    int index_ = 0;
};

class RadioButton : public TextControl {
public:
    RadioButton(Form* owner, std::string name, std::string caption, bool checked = false)
        : TextControl(owner, ControlKind::RadioButton, std::move(name), std::move(caption)),
          checked_(checked) {}
    bool checked() const { return checked_; }
    void setChecked(bool c);

private:
    bool checked_;
};

class Button : public TextControl {
public:
    Button(Form* owner, std::string name, std::string caption)
        : TextControl(owner, ControlKind::Button, std::move(name), std::move(caption)) {}
};

class GroupBox : public TextControl {
public:
    GroupBox(Form* owner, std::string name, std::string caption = {})
        : TextControl(owner, ControlKind::GroupBox, std::move(name), std::move(caption)) {}
};

class MenuItem : public TextControl {
public:
    MenuItem(Form* owner, std::string name, std::string caption)
        : TextControl(owner, ControlKind::MenuItem, std::move(name), std::move(caption)) {}
};

// A hidden text box that only holds a value (the settings slots); it has no widget.
class Slot : public TextControl {
public:
    Slot(Form* owner, std::string name) : TextControl(owner, ControlKind::Slot, std::move(name)) {
        setVisible(false);
    }
};

class Image : public Control {
public:
    Image(Form* owner, std::string name) : Control(owner, ControlKind::Image, std::move(name)) {}
    // Full path of the picture file shown; empty when none is loaded.
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& path);

private:
    std::string picture_;
};

// A control the behaviour never talks to beyond its visibility (the hidden navigator).
class Placeholder : public Control {
public:
    Placeholder(Form* owner, ControlKind kind, std::string name)
        : Control(owner, kind, std::move(name)) {}
};

} // namespace pelorix

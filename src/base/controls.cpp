#include "base/controls.h"

#include "base/form.h"
#include "base/text.h"

#include <cstdio>

namespace pelorix {

std::string Color::name() const {
    switch (role) {
    case Role::White:
        return "white";
    case Role::Red:
        return "red";
    case Role::MenuHighlight:
        return "menuhighlight";
    case Role::Rgb:
        break;
    }
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buf;
}

Control::Control(Form* owner, ControlKind kind, std::string name)
    : kind_(kind), name_(std::move(name)) {
    if (owner) owner->enrol(*this);
}

void Control::changed() const {
    if (observer_) observer_();
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    changed();
}

void Control::setEnabled(bool e) {
    if (enabled_ == e) return;
    enabled_ = e;
    changed();
}

void Control::setColor(Color c) {
    if (color_ == c) return;
    color_ = c;
    changed();
}

void Control::setFontColor(Color c) {
    if (fontColor_ == c) return;
    fontColor_ = c;
    changed();
}

TextControl::TextControl(Form* owner, ControlKind kind, std::string name, std::string text)
    : Control(owner, kind, std::move(name)), text_(std::move(text)) {}

void TextControl::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    changed();
    if (onChange) onChange();
}

std::optional<char32_t> TextControl::filterKey(char32_t ch) const {
    if (onKeyPress && !onKeyPress(ch)) return std::nullopt;
    return ch;
}

void TextControl::typeChar(char32_t ch) {
    const auto accepted = filterKey(ch);
    if (!accepted) return;
    if (*accepted == kBackspace) {
        setText(dropLastCodePoint(text_));
    } else {
        setText(text_ + encodeUtf8(*accepted));
    }
}

ComboBox::ComboBox(Form* owner, std::string name, std::string text, std::vector<std::string> items)
    : TextControl(owner, ControlKind::ComboBox, std::move(name), std::move(text)),
      items_(std::move(items)) {}

void ComboBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    changed();
}

void ComboBox::addItem(const std::string& item) {
    items_.push_back(item);
    changed();
}

void ComboBox::clearItems() {
    if (items_.empty()) return;
    items_.clear();
    changed();
}

TabControl::TabControl(Form* owner, std::string name, std::vector<std::string> tabs)
    : Control(owner, ControlKind::TabControl, std::move(name)), tabs_(std::move(tabs)) {}

void TabControl::setTabIndex(int index) {
    if (index == index_) return;
    index_ = index;
    changed();
}

void TabControl::chooseTab(int index) {
    if (index == index_) return;
    setTabIndex(index);
    if (onChange) onChange();
}

void RadioButton::setChecked(bool c) {
    if (checked_ == c) return;
    checked_ = c;
    changed();
}

void Image::setPicture(const std::string& path) {
    if (picture_ == path) return;
    picture_ = path;
    changed();
}

} // namespace pelorix

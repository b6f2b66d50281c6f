#include "app/key_events.h"

#include <QKeyEvent>

namespace pelorix {

namespace {

constexpr char32_t kDeleteCharacter = 0x7F;

} // namespace

std::u32string typedCharacters(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return std::u32string(1, kBackspace);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    const auto mods = event.modifiers();
    const int key = event.key();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key >= Qt::Key_A &&
        key <= Qt::Key_Z)
        return std::u32string(1, static_cast<char32_t>(key - Qt::Key_A + 1));
    const QString text = event.text();
    std::u32string typed;
    for (const char32_t ch : text.toUcs4())
        if (ch != kDeleteCharacter) typed.push_back(ch);
    return typed;
}

std::optional<Key> modelKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Insert:
        return Key::Insert;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Delete:
        return (event.modifiers() & Qt::ControlModifier) ? Key::CtrlDelete : Key::Delete;
    default:
        return std::nullopt;
    }
}

int keyCodeFor(const std::u32string& characters) {
    if (characters.size() != 1) return Qt::Key_unknown;
    const char32_t ch = characters.front();
    if (ch == kBackspace) return Qt::Key_Backspace;
    // Printable ASCII shares its codes with Qt's keys; letters as their capitals.
    if (ch >= U'a' && ch <= U'z') return static_cast<int>(ch - U'a' + U'A');
    if (ch >= 0x20 && ch < 0x7F) return static_cast<int>(ch);
    return Qt::Key_unknown;
}

QString fromCodePoints(const std::u32string& characters) {
    return QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size()));
}

} // namespace pelorix

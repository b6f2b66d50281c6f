#pragma once

#include <QString>

#include <string>

namespace pelorix {

// A model text (UTF-8, carriage return as the line break) as a widget or message box shows it.
QString displayText(const std::string& text);

} // namespace pelorix

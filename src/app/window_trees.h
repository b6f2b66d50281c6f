#pragma once

#include <memory>
#include <string>

class QWidget;

namespace pelorix {

// The widget tree of the named window ("Form1" … "Form5") as its Designer file lays it out,
// not yet bound and not shown; nullptr for a name the program has no window for.
std::unique_ptr<QWidget> buildWindowTree(const std::string& formName);

} // namespace pelorix

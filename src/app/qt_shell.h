#pragma once

#include "base/seams.h"

namespace pelorix {

// Opens documents and addresses with the desktop's associated application.
class QtShell : public Shell {
public:
    // A full file path opens that file; anything else is taken as an address.
    bool open(const std::string& target) override;
};

} // namespace pelorix

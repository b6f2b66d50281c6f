#pragma once

#include <string>
#include <string_view>

namespace pelorix {

// The current row of an open table, read field by field as text in the user's locale.
// A missing value cannot be read as text; a table that is not open, or a field it lacks,
// is an error too — each raised as AppError with the data layer's own message.
class CurrentRow {
public:
    virtual ~CurrentRow() = default;
    virtual std::string fieldText(std::string_view field) const = 0;
};

} // namespace pelorix

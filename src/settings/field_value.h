#pragma once

#include <cstdint>
#include <string>

namespace pelorix {

// One cell of a table handle's client-side copy, as SQLite stores it.
struct FieldValue {
    enum class Kind { Null, Integer, Real, Text, Blob };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string text; // Text and Blob

    bool isNull() const { return kind == Kind::Null; }
    static FieldValue ofReal(double v) { return {Kind::Real, 0, v, {}}; }
    static FieldValue ofText(std::string v) { return {Kind::Text, 0, 0, std::move(v)}; }
};

} // namespace pelorix

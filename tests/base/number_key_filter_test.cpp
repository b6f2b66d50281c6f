#include "base/number_key_filter.h"

#include <gtest/gtest.h>

namespace pelorix {
namespace {

struct KeyCase {
    const char* before;
    char32_t typed;
    char separator;
    LengthCap cap;
    const char* after; // the field's text once the character went through the filter
};

class NumberKeyFilter : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NumberKeyFilter, TakesDigitsAndOneSeparatorAndStopsAtTenCharacters) {
    const KeyCase& c = GetParam();
    Edit field(nullptr, "DBEdit1", c.before);
    filterNumberKeys(field, c.separator, c.cap);
    field.typeChar(c.typed);
    EXPECT_EQ(field.text(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberKeyFilter,
    ::testing::Values(KeyCase{"12", U'7', ',', LengthCap::Ten, "127"},
                      KeyCase{"12", kBackspace, ',', LengthCap::Ten, "1"},
                      // A point or a comma becomes the locale's separator, once per field.
                      KeyCase{"15", U'.', ',', LengthCap::Ten, "15,"},
                      KeyCase{"15", U',', '.', LengthCap::Ten, "15."},
                      KeyCase{"1,5", U'.', ',', LengthCap::Ten, "1,5"},
                      KeyCase{"1,5", U',', ',', LengthCap::Ten, "1,5"},
                      // Under a point locale a comma already in a pasted text is no separator.
                      KeyCase{"1,5", U'.', '.', LengthCap::Ten, "1,5."},
                      KeyCase{"12", U'a', ',', LengthCap::Ten, "12"},
                      KeyCase{"12", U'-', ',', LengthCap::Ten, "12"},
                      KeyCase{"12", U' ', ',', LengthCap::Ten, "12"},
                      KeyCase{"12", U'\x16', ',', LengthCap::Ten, "12"}, // Ctrl+V
                      // Ten characters take nothing more, not even Backspace; nine still do.
                      KeyCase{"1234567890", U'1', ',', LengthCap::Ten, "1234567890"},
                      KeyCase{"1234567890", kBackspace, ',', LengthCap::Ten, "1234567890"},
                      KeyCase{"123456789", U'1', ',', LengthCap::Ten, "1234567891"},
                      KeyCase{"ввввввввв", U'1', ',', LengthCap::Ten,
                              "ввввввввв1"}, // characters, not bytes
                      KeyCase{"1234567890", U'1', ',', LengthCap::None, "12345678901"}));

} // namespace
} // namespace pelorix

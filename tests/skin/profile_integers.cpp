// Integer and colour values as Config.ini writes them.
#include <gtest/gtest.h>

#include <climits>

#include "skin/integer_text.h"

namespace gorvo::skin {
namespace {

TEST(ProfileIntegers, DecimalAndHexadecimalWithin32Bits) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"0", 0},
        {"+5", 5},
        {"-20", -20},
        {" \t12", 12},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"$ff", 255},
        {"0x10", 16},
        {"0X1f", 31},
        {"x1F", 31},
        {"X7fffffff", INT_MAX},
        {"$FFFFFFFF", -1},
        {"$80000000", INT_MIN},
        {"$0000000001", 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parse_integer(text), value) << text;
}

TEST(ProfileIntegers, AnythingElseIsNoInteger) {
    for (const char* text :
         {"", " ", "-", "$", "0x", "x", "12px", "1e3", "12.5", "12 ", "- 1", "5 ; px", "-$10", "$G",
          "Center", "2147483648", "-2147483649", "$100000000", "99999999999999999999"}) {
        EXPECT_EQ(parse_integer(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(ProfileIntegers, ColoursConvertStrictly) {
    EXPECT_EQ(parse_colour("$00ff00ff").colour, 0x00FF00FFu);
    EXPECT_EQ(parse_colour("-1").colour, 0xFFFFFFFFu);
    EXPECT_EQ(parse_colour("clRed").error, "'clRed' is not a valid integer value");
    EXPECT_EQ(parse_colour("").error, "'' is not a valid integer value");
}

}  // namespace
}  // namespace gorvo::skin

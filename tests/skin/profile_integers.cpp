// Integer and colour values as Config.ini writes them.
#include <gtest/gtest.h>

#include <climits>

#include "skin/integer_text.h"

namespace gorvo::skin {
namespace {

TEST(ProfileIntegers, DecimalWithOptionalSignWithin32Bits) {
    EXPECT_EQ(parse_integer("0"), 0);
    EXPECT_EQ(parse_integer("748"), 748);
    EXPECT_EQ(parse_integer("+5"), 5);
    EXPECT_EQ(parse_integer("-20"), -20);
    EXPECT_EQ(parse_integer("  \t12"), 12);
    EXPECT_EQ(parse_integer("007"), 7);
    EXPECT_EQ(parse_integer("2147483647"), INT_MAX);
    EXPECT_EQ(parse_integer("-2147483648"), INT_MIN);
    EXPECT_EQ(parse_integer("2147483648"), std::nullopt);
    EXPECT_EQ(parse_integer("-2147483649"), std::nullopt);
    EXPECT_EQ(parse_integer("99999999999999999999"), std::nullopt);
}

TEST(ProfileIntegers, HexadecimalWithAnyOfItsPrefixes) {
    EXPECT_EQ(parse_integer("$ff"), 255);
    EXPECT_EQ(parse_integer("0x10"), 16);
    EXPECT_EQ(parse_integer("0X1f"), 31);
    EXPECT_EQ(parse_integer("x1F"), 31);
    EXPECT_EQ(parse_integer("X7fffffff"), INT_MAX);
    EXPECT_EQ(parse_integer("$FFFFFFFF"), -1);
    EXPECT_EQ(parse_integer("$80000000"), INT_MIN);
    EXPECT_EQ(parse_integer("$0000000001"), 1);  // leading zeros use no bits
    EXPECT_EQ(parse_integer("$100000000"), std::nullopt);
}

TEST(ProfileIntegers, AnythingElseIsNoInteger) {
    for (const char* text : {"", " ", "-", "+", "$", "0x", "x", "12px", "1e3", "12.5", "12 ",
                             "5 ; px", "-$10", "$-10", "0x$1", "$G", "Center", "1,000", "- 1"}) {
        EXPECT_EQ(parse_integer(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(ProfileColours, ConvertWithTheIntegerGrammar) {
    EXPECT_EQ(parse_colour("$00ff00ff").colour, 0x00FF00FFu);
    EXPECT_EQ(parse_colour("255").colour, 255u);
    EXPECT_EQ(parse_colour("0x00FFFFFF").colour, 0x00FFFFFFu);
    EXPECT_TRUE(parse_colour("-1").ok());
    EXPECT_EQ(parse_colour("-1").colour, 0xFFFFFFFFu);
}

TEST(ProfileColours, ValueThatDoesNotConvertGivesTheMessage) {
    const ColourResult bad = parse_colour("clRed");
    EXPECT_FALSE(bad.ok());
    EXPECT_EQ(bad.error, "'clRed' is not a valid integer value");
    EXPECT_EQ(parse_colour("").error, "'' is not a valid integer value");
    EXPECT_EQ(parse_colour("#FF00FF").error, "'#FF00FF' is not a valid integer value");
}

}  // namespace
}  // namespace gorvo::skin

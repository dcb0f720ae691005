// The random draws: the listed draws, their running out, and the seeded generator.
#include <gtest/gtest.h>

#include <set>

#include "replay/generator.h"
#include "sim/draws.h"

namespace gorvo::sim {
namespace {

TEST(ListedDraws, KthValueModuloN) {
    const DrawsParse p = parse_draws(" 13\n0\t\t 6 \r\n 100000000000000000000000007 5");
    ASSERT_TRUE(p.ok()) << p.error;
    ListedDraws draws(p.values);
    EXPECT_EQ(draws.draw(7), 6);  // 13 mod 7
    EXPECT_EQ(draws.draw(6), 0);  // 0
    EXPECT_EQ(draws.draw(6), 0);  // 6 mod 6
    EXPECT_EQ(draws.draw(4), 3);  // 10^26 + 7 mod 4
    EXPECT_EQ(draws.draw(1), 0);  // anything mod 1
    EXPECT_EQ(draws.used(), 5u);
    EXPECT_THROW(draws.draw(6), DrawsExhausted);
}

TEST(ListedDraws, EmptyListRunsOutAtTheFirstDraw) {
    const DrawsParse p = parse_draws(" \n\t");
    ASSERT_TRUE(p.ok());
    ListedDraws draws(p.values);
    EXPECT_THROW(draws.draw(6), DrawsExhausted);
}

TEST(ListedDraws, RefusesAnythingButDigits) {
    for (const char* bad : {"1 -2", "1,2", "3.5", "0x1", "+4", "7a"}) {
        const DrawsParse p = parse_draws(bad);
        EXPECT_FALSE(p.ok()) << bad;
        EXPECT_TRUE(p.values.empty());
    }
    EXPECT_NE(parse_draws("1 2 x").error.find("3"), std::string::npos) << "names the entry";
}

TEST(DecimalMod, MatchesSmallNumbers) {
    for (int v = 0; v < 500; ++v) {
        for (int n = 1; n <= 13; ++n)
            EXPECT_EQ(decimal_mod(std::to_string(v), n), v % n);
    }
}

TEST(Generator, SameSeedSameDrawsAndEveryValueInRange) {
    replay::Generator a(42), b(42), c(43);
    std::vector<int> from_a, from_c;
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int n = 2 + i % 12;
        const int x = a.draw(n);
        ASSERT_GE(x, 0);
        ASSERT_LT(x, n);
        EXPECT_EQ(x, b.draw(n));
        from_a.push_back(x);
        from_c.push_back(c.draw(n));
        if (n == 13) seen.insert(x);
    }
    EXPECT_NE(from_a, from_c);
    EXPECT_EQ(seen.size(), 13u) << "every value of 0..12 comes up";
    EXPECT_EQ(a.draw(1), 0);
}

}  // namespace
}  // namespace gorvo::sim

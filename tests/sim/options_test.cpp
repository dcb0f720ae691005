// The command line: values, defaults and the usage errors.
#include <gtest/gtest.h>

#include "sim/options.h"
#include "sim/usage.h"

namespace gorvo::sim {
namespace {

OptionsParse parse(std::vector<std::string> args) {
    return parse_options(args);
}

TEST(SimOptions, DefaultsWithOnlyAScript) {
    const OptionsParse p = parse({"game.txt"});
    ASSERT_TRUE(p.ok()) << p.error;
    EXPECT_EQ(p.options.script_path, "game.txt");
    EXPECT_FALSE(p.options.draws_path);
    EXPECT_FALSE(p.options.seed);
    EXPECT_EQ(p.options.clock_minutes, 0);
    EXPECT_EQ(p.options.hiscore_a, 0);
    EXPECT_EQ(p.options.hiscore_b, 0);
    EXPECT_TRUE(p.options.overlay);
}

TEST(SimOptions, EveryOptionInBothSpellings) {
    OptionsParse p = parse({"--draws", "d.txt", "--clock", "13:07", "--hiscore-a", "1050",
                            "--hiscore-b", "7", "--overlay", "0", "-"});
    ASSERT_TRUE(p.ok()) << p.error;
    EXPECT_EQ(p.options.script_path, "-");
    EXPECT_EQ(p.options.draws_path, "d.txt");
    EXPECT_EQ(p.options.clock_minutes, 13 * 60 + 7);
    EXPECT_EQ(p.options.hiscore_a, 1050);
    EXPECT_EQ(p.options.hiscore_b, 7);
    EXPECT_FALSE(p.options.overlay);

    p = parse({"s.txt", "--seed=18446744073709551615", "--clock=9:30", "--overlay=1"});
    ASSERT_TRUE(p.ok()) << p.error;
    EXPECT_EQ(p.options.seed, 18446744073709551615u);
    EXPECT_EQ(p.options.clock_minutes, 9 * 60 + 30);
    EXPECT_TRUE(p.options.overlay);
}

TEST(SimOptions, ClockRange) {
    EXPECT_EQ(parse({"--clock", "00:00", "s"}).options.clock_minutes, 0);
    EXPECT_EQ(parse({"--clock", "23:59", "s"}).options.clock_minutes, 23 * 60 + 59);
    for (const char* bad :
         {"24:00", "12:60", "12", "12:5", "123:00", ":30", "12:30:00", "-1:00", "1a:00", ""}) {
        EXPECT_FALSE(parse({"--clock", bad, "s"}).ok()) << bad;
    }
}

TEST(SimOptions, UsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {},                                    // no script
        {"a", "b"},                            // two scripts
        {"--draws", "d", "--seed", "1", "s"},  // both sources of draws
        {"--seed", "-1", "s"},
        {"--seed", "18446744073709551616", "s"},  // does not fit
        {"--hiscore-a", "-3", "s"},
        {"--hiscore-b", "x", "s"},
        {"--hiscore-a", "2147483648", "s"},
        {"--overlay", "2", "s"},
        {"--overlay", "true", "s"},
        {"--draws", "", "s"},
        {"s", "--seed"},  // value missing
        {"--fast", "s"},
        {"-x", "s"},
        {"--seed", "1", "--seed", "2", "s"},  // given twice
    };
    for (const auto& args : bad) {
        std::string joined;
        for (const auto& a : args)
            joined += a + " ";
        const OptionsParse p = parse(args);
        EXPECT_FALSE(p.ok()) << joined;
    }
    EXPECT_EQ(parse({"--fast", "s"}).error,
              "unknown option --fast; the options are --draws, --seed, --clock, --hiscore-a, "
              "--hiscore-b, --overlay, --help");
}

TEST(SimOptions, HelpNeedsNoScript) {
    const OptionsParse p = parse({"--help"});
    EXPECT_TRUE(p.ok());
    EXPECT_TRUE(p.options.help);
    EXPECT_NE(usage_text().find("--draws"), std::string::npos);
}

}  // namespace
}  // namespace gorvo::sim

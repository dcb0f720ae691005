// The script reader: what it accepts, what it refuses (with the right line number), and
// what a run is made of.
#include <gtest/gtest.h>

#include "sim/script.h"

namespace gorvo::sim {
namespace {

std::vector<std::pair<Millis, Action>> timeline(const Script& s) {
    std::vector<std::pair<Millis, Action>> out;
    for (const ScriptEvent& e : s.events)
        out.emplace_back(e.time, e.action);
    return out;
}

int error_line(std::string_view text) {
    const ScriptParse p = parse_script(text);
    return p.ok() ? 0 : p.error->line;
}

TEST(ScriptReader, ReadsEveryActionByName) {
    for (int i = 0; i < kActionCount; ++i) {
        const auto a = static_cast<Action>(i);
        EXPECT_EQ(action_by_name(action_name(a)), a) << action_name(a);
    }
    EXPECT_FALSE(action_by_name("Inp_jump_down"));
    EXPECT_FALSE(action_by_name("JUMP_DOWN"));
    EXPECT_FALSE(action_by_name(""));
}

TEST(ScriptReader, AcceptsAllLineEndingsBlankLinesAndComments) {
    const std::string text =
        "# a comment\n"
        "0 open\r\n"
        "\n"
        "   \t \n"
        "  # an indented comment: 5 jump_down\r"
        "100\tgame_a_down\r"
        "  300  game_a_up  \n"
        "300 right_down";  // no line end on the last line
    const ScriptParse p = parse_script(text);
    ASSERT_TRUE(p.ok()) << describe(*p.error);
    const std::vector<std::pair<Millis, Action>> expected = {{0, Action::open},
                                                             {100, Action::game_a_down},
                                                             {300, Action::game_a_up},
                                                             {300, Action::right_down}};
    EXPECT_EQ(timeline(p.script), expected);
    EXPECT_EQ(p.script.end_time, 300);
    // Line numbers count every line, whatever ends it: the CR-only lines are 5 and 6.
    EXPECT_EQ(p.script.events[1].line, 6);
    EXPECT_EQ(p.script.events[3].line, 8);
}

TEST(ScriptReader, EndStopsTheRunButLaterLinesAreStillChecked) {
    ScriptParse p = parse_script("0 open\n500 end\n600 jump_down\n");
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(timeline(p.script), (std::vector<std::pair<Millis, Action>>{{0, Action::open}}));
    EXPECT_EQ(p.script.end_time, 500);

    // A malformed or out-of-order line after `end` still rejects the whole script.
    EXPECT_EQ(error_line("0 open\n500 end\n600 jmp\n"), 3);
    EXPECT_EQ(error_line("0 open\n500 end\n400 open\n"), 3);

    // Events at the same time as `end` but after it are not run; those before it are.
    p = parse_script("7 open\n7 end\n7 acl_down\n");
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(timeline(p.script), (std::vector<std::pair<Millis, Action>>{{7, Action::open}}));
    EXPECT_EQ(p.script.end_time, 7);
}

TEST(ScriptReader, WithoutEndTheRunStopsAtTheLastLine) {
    ScriptParse p = parse_script("0 open\n1234 time_down\n");
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.script.end_time, 1234);

    for (const char* empty : {"", "\n\n", "# nothing\r\n", "  \t"}) {
        p = parse_script(empty);
        ASSERT_TRUE(p.ok()) << empty;
        EXPECT_TRUE(p.script.events.empty());
        EXPECT_EQ(p.script.end_time, 0);
    }
}

TEST(ScriptReader, RefusesMalformedLinesNamingTheLine) {
    struct Case {
        const char* text;
        int line;
    };
    const Case cases[] = {
        {"0 open\nopen\n", 2},      // no time
        {"0\n", 1},                 // no action
        {"0 open now\n", 1},        // extra field
        {"0 open # comment\n", 1},  // comments only on their own line
        {"-5 open\n", 1},           // sign
        {"+5 open\n", 1},
        {"5.0 open\n", 1},   // not whole milliseconds
        {"0x10 open\n", 1},  // digits only
        {"1e3 open\n", 1},
        {"10ms open\n", 1},
        {"0 Open\n", 1},             // names are case-sensitive
        {"0 Inp_game_a_down\n", 1},  // without the prefix
        {"0 open\n\n\n9 fly\n", 4},
        {"0 open\r\n1 jump_down\r\n2 jump_down x\r\n", 3},
        {"0 open\r1 \xe9t\xe9\r", 2},           // not ASCII
        {"99999999999999999999999 open\n", 1},  // does not fit
        {"0\xa0open\n", 1},                     // a non-ASCII space is no separator
    };
    for (const Case& c : cases) {
        const ScriptParse p = parse_script(c.text);
        ASSERT_FALSE(p.ok()) << c.text;
        EXPECT_EQ(p.error->line, c.line) << c.text;
        EXPECT_FALSE(p.error->message.empty());
        EXPECT_TRUE(p.script.events.empty()) << "nothing may run from a rejected script";
    }
}

TEST(ScriptReader, TimesNeverGoBackButMayRepeat) {
    EXPECT_EQ(error_line("0 open\n100 game_a_down\n99 game_a_up\n"), 3);
    EXPECT_EQ(error_line("10 open\n# 5 comment lines do not count\n5 open\n"), 3);
    EXPECT_EQ(error_line("10 open\n10 acl_down\n10 acl_up\n"), 0);
    // Leading zeros are still digits.
    const ScriptParse p = parse_script("007 open\n");
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.script.events[0].time, 7);
}

TEST(ScriptReader, TimeLimit) {
    EXPECT_EQ(error_line(std::to_string(kMaxScriptTime) + " end\n"), 0);
    EXPECT_EQ(error_line(std::to_string(kMaxScriptTime + 1) + " end\n"), 1);
}

TEST(ScriptReader, ErrorTextNamesTheLineTheColumnAndTheChoices) {
    struct Case {
        const char* text;
        const char* start;  // of the error text
    };
    const Case cases[] = {
        {"0 open\n  10\tup\n", "line 2, column 6: unknown action 'up'; the actions are "},
        {"0 open\n10\n", "line 2, column 3: expected \"TIME ACTION\", found only '10'"},
        {"0 open # now\n",
         "line 1, column 8: expected \"TIME ACTION\", found 4 fields (a comment takes a line of "
         "its own)"},
        {"5 open\n x3 open\n", "line 2, column 2: time 'x3' is not a whole number"},
        {"5 open\n\n   4 open\n", "line 3, column 4: time 4 is before the line above (5)"},
    };
    for (const Case& c : cases) {
        const ScriptParse p = parse_script(c.text);
        ASSERT_FALSE(p.ok()) << c.text;
        const std::string text = describe(*p.error);
        EXPECT_EQ(text.rfind(c.start, 0), 0u) << text;
    }
    // Every action is named among the choices.
    const std::string unknown = describe(*parse_script("0 fly\n").error);
    for (int i = 0; i < kActionCount; ++i) {
        const std::string name(action_name(static_cast<Action>(i)));
        EXPECT_NE(unknown.find(" " + name), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace gorvo::sim

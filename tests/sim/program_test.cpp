// gorvo250-sim as a user runs it: hand-derived traces, exit statuses, determinism and input
// handling.
#include <gtest/gtest.h>

#include <sstream>

#include "run_program.h"

namespace gorvo::sim::test {
namespace {

const std::string kGolden = GORVO_SIM_GOLDEN_DIR;

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

std::vector<std::string> lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

// The lines of a trace whose time is before t.
std::string before(const std::string& trace, long t) {
    std::string out;
    for (const std::string& l : lines(trace)) {
        if (std::stol(l) < t) out += l + "\n";
    }
    return out;
}

ProgramRun run_golden(const std::string& name, std::vector<std::string> extra = {}) {
    std::vector<std::string> args = words(read_file(kGolden + "/" + name + ".args"));
    args.insert(args.end(), extra.begin(), extra.end());
    if (std::find(args.begin(), args.end(), "--draws") == args.end()) {
        args.insert(args.end(), {"--draws", kGolden + "/" + name + ".draws"});
    }
    args.push_back(kGolden + "/" + name + ".script");
    return run_sim(args);
}

// Traces worked out by hand from the game's rules; each draws file holds exactly the draws the
// run needs, so a tick that draws too often or too rarely fails too.
class GoldenTrace : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenTrace, MatchesLineByLine) {
    const std::string name = GetParam();
    const ProgramRun run = run_golden(name);
    EXPECT_EQ(run.exit_status, 0) << run.err;
    const std::vector<std::string> got = lines(run.out);
    const std::vector<std::string> want = lines(read_file(kGolden + "/" + name + ".trace"));
    for (std::size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
        const std::string g = i < got.size() ? got[i] : "(nothing)";
        const std::string w = i < want.size() ? want[i] : "(nothing)";
        ASSERT_EQ(g, w) << name << ": first difference at line " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Sim, GoldenTrace,
                         ::testing::Values("game_a_start", "entry_blocking", "game_b_miss",
                                           "clock_and_reset", "jump_over_point"));

TEST(SimProgram, DrawsRunningOutStopsBeforeTheInstantInProgress) {
    // The start of Game A makes 28 draws up to 9000; with 27 the eleventh enemy tick (8495)
    // cannot finish.
    const std::string draws =
        temp_file("draws27", "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1");
    const ProgramRun run = run_golden("game_a_start", {"--draws", draws});
    EXPECT_EQ(run.exit_status, 3);
    EXPECT_EQ(run.out, before(read_file(kGolden + "/game_a_start.trace"), 8495));
    EXPECT_NE(run.err.find("8495"), std::string::npos) << run.err;

    // No draws at all: the first enemy tick is the instant in progress.
    const ProgramRun none = run_golden("game_a_start", {"--draws", temp_file("none", "")});
    EXPECT_EQ(none.exit_status, 3);
    EXPECT_EQ(none.out, before(read_file(kGolden + "/game_a_start.trace"), 2550));
    EXPECT_NE(none.err.find("2550"), std::string::npos) << none.err;
}

TEST(SimProgram, MalformedScriptPrintsNoTraceAndNamesTheLine) {
    const std::string script = "0 open\n100 game_a_down\n300 game_a_up\n\n9000 ned\n";
    const ProgramRun run = run_sim({"--seed", "1", temp_file("bad.txt", script)});
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_EQ(run.out, "") << "the whole script is checked before anything runs";
    EXPECT_NE(run.err.find("line 5"), std::string::npos) << run.err;

    const ProgramRun back = run_sim({"--seed", "1", "-"}, "0 open\n200 acl_down\n100 acl_up\n");
    EXPECT_EQ(back.exit_status, 2);
    EXPECT_EQ(back.out, "");
    EXPECT_NE(back.err.find("line 3"), std::string::npos) << back.err;

    const ProgramRun after_end = run_sim({"--seed", "1", "-"}, "0 open\n10 end\n20 opne\n");
    EXPECT_EQ(after_end.exit_status, 2);
    EXPECT_EQ(after_end.out, "");
}

TEST(SimProgram, UsageErrors) {
    const std::string script = temp_file("ok.txt", "0 open\n");
    const std::vector<std::vector<std::string>> bad = {
        {"--draws", script, "--seed", "3", script},
        {"--bogus", script},
        {},
        {"--draws", "/nonexistent/draws.txt", script},
        {"--draws", temp_file("baddraws", "1 2 three"), script},
        {"--seed", "1", "/nonexistent/script.txt"},
        {"--seed", "1", kGolden},      // a folder is no script
        {"--draws", kGolden, script},  // nor a draws file
        {"--clock", "25:00", "--seed", "1", script},
    };
    for (const auto& args : bad) {
        const ProgramRun run = run_sim(args);
        EXPECT_EQ(run.exit_status, 2) << (args.empty() ? "(no arguments)" : args[0]);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(run.err.empty());
    }
}

TEST(SimProgram, EmptyScriptEndsAtZeroWithNothingElse) {
    ProgramRun run = run_sim({"--seed", "1", "-"}, "");
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.out, "0 end mode=0 score=0 lives=0 hiscore_a=0 hiscore_b=0\n");

    run = run_sim({"--seed", "1", "--hiscore-a", "1050", "--hiscore-b", "3", "-"}, "# nothing\n");
    EXPECT_EQ(run.out, "0 end mode=0 score=0 lives=0 hiscore_a=1050 hiscore_b=3\n")
        << "a stored high score above 999 is kept in full";
}

TEST(SimProgram, SameInputSameTraceWhateverTheLineEnds) {
    std::string script =
        "# a few seconds of Game B with a busy player\n0 open\n50 game_b_down\n"
        "60 game_b_up\n2000 up_down\n2300 up_up\n";
    long t = 2400;
    const char* moves[] = {"right", "jump", "left", "up", "down"};
    for (int i = 0; i < 60; ++i, t += 170) {
        const std::string m = moves[i % 5];
        script +=
            std::to_string(t) + " " + m + "_down\n" + std::to_string(t + 90) + " " + m + "_up\n";
    }
    script += "30000 end\n";
    const ProgramRun first = run_sim({"--seed", "77", "-"}, script);
    const ProgramRun second = run_sim({"--seed", "77", temp_file("busy.txt", script)});
    ASSERT_EQ(first.exit_status, 0) << first.err;
    EXPECT_EQ(first.out, second.out);
    EXPECT_GT(lines(first.out).size(), 300u);

    std::string crlf, cr;
    for (char c : script) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    EXPECT_EQ(run_sim({"--seed", "77", "-"}, crlf).out, first.out);
    EXPECT_EQ(run_sim({"--seed", "77", "-"}, cr).out, first.out);
    EXPECT_NE(run_sim({"--seed", "78", "-"}, script).out, first.out)
        << "another seed plays another game";
}

TEST(SimProgram, ScriptEventsRunBeforeTimersDueAtTheSameTime) {
    // The second start step is due at 851. ACL pressed at 851 stops it before it runs; pressed at
    // 852 it comes after the step's Key.
    const std::string head = "0 open\n100 game_a_down\n300 game_a_up\n";
    const ProgramRun at = run_sim({"--seed", "1", "-"}, head + "851 acl_down\n900 end\n");
    EXPECT_EQ(before(at.out, 900).substr(before(at.out, 851).size()),
              "851 silence\n851 show btn_acl_down\n");
    const ProgramRun after = run_sim({"--seed", "1", "-"}, head + "852 acl_down\n900 end\n");
    EXPECT_EQ(before(after.out, 900).substr(before(after.out, 851).size()),
              "851 sound Key\n851 show im_panel_alarm_1\n851 show im_gorvo_1\n"
              "852 silence\n852 show btn_acl_down\n");
}

TEST(SimProgram, OpenOnlyWhileTheCaseIsClosed) {
    const ProgramRun once = run_sim({"--seed", "1", "-"}, "0 open\n1 end\n");
    const std::string opened = before(once.out, 1);
    ASSERT_NE(opened.find("0 show im_background_open\n"), std::string::npos) << once.out;

    // A second open finds the closed case hidden: nothing happens at 7.
    const ProgramRun twice =
        run_sim({"--seed", "1", "-"}, "0 open\n5 acl_down\n6 acl_up\n7 open\n");
    EXPECT_EQ(twice.out, opened +
                             "5 silence\n5 show btn_acl_down\n"
                             "6 hide btn_acl_down\n"
                             "7 end mode=2 score=0 lives=0 hiscore_a=0 hiscore_b=0\n");

    // ACL on the closed case opens it the same way; its pressed look is not shown on the closed
    // case.
    const ProgramRun acl = run_sim({"--seed", "1", "-"}, "0 acl_down\n1 end\n");
    EXPECT_EQ(before(acl.out, 1), opened);
}

}  // namespace
}  // namespace gorvo::sim::test

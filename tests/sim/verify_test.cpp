// gorvo250-sim --verify as a player who checks a recording runs it: a true recording is
// verified, one edited by hand is not and the message says where, and a file that is no
// recording is refused before anything runs.
#include <gtest/gtest.h>

#include "run_program.h"

namespace gorvo::sim::test {
namespace {

// Three times up into the enemies: the game-over mode begins at 17452 with the score 0.
const std::string kRecording =
    "format 1\nseed 1\n0 open\n100 game_a_down\n300 game_a_up\n2000 up_down\n2150 up_up\n"
    "11800 up_down\n11950 up_up\n14600 up_down\n14750 up_up\n17452 game_over A 0\n18000 end\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

TEST(Verify, ATrueRecordingIsVerifiedWithItsGames) {
    const ProgramRun run = run_sim({"--verify", temp_file("true.txt", kRecording)});
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(run.out,
              "17452 game A score 0 duration 0:17.152\n"
              "verified: 1 game, every game over noted in the file happens in the replay with "
              "its score at its time\n");
    EXPECT_EQ(run.err, "");
}

TEST(Verify, AnEditedRecordingNamesTheFirstDisagreement) {
    struct Edit {
        std::string from, to, message;
    };
    const std::vector<Edit> edits = {
        {"game_over A 0", "game_over A 50",
         "line 12: the file notes a game of A ending at 17452 ms with score 50; the replay has "
         "a game of A ending at 17452 ms with score 0"},
        {"17452 game_over", "17451 game_over",
         "line 12: the file notes a game of A ending at 17451 ms with score 0; the replay has "
         "a game of A ending at 17452 ms with score 0"},
        // The second step up moved: the game is not over by the end.
        {"11800 up_down", "11900 up_down",
         "line 12: the file notes a game of A ending at 17452 ms with score 0, which the replay "
         "does not have"},
        {"17452 game_over A 0\n", "",
         "the replay has a game of A ending at 17452 ms with score 0, which the file does not "
         "note"},
        {"seed 1", "seed 2", ""},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.to);
        const std::string file = temp_file("edited.txt", replaced(kRecording, e.from, e.to));
        const ProgramRun run = run_sim({"--verify", file});
        EXPECT_EQ(run.exit_status, 4);
        EXPECT_EQ(run.out.find("verified:"), std::string::npos) << run.out;
        EXPECT_EQ(run.err.rfind("gorvo250-sim: " + file + ": not verified: ", 0), 0u) << run.err;
        if (!e.message.empty()) {
            EXPECT_NE(run.err.find(e.message), std::string::npos) << run.err;
        }
    }
}

// Damaged, truncated, enormous and hostile files: a message and status 2, nothing run.
TEST(Verify, AFileThatIsNoRecordingIsRefusedClearly) {
    struct Bad {
        std::string name, text, message;
    };
    const std::vector<Bad> bad = {
        {"truncated", kRecording.substr(0, kRecording.find("game_over") + 11),
         "line 12, column 18: game_over takes A|B SCORE after it"},
        {"damaged", replaced(kRecording, "2150 up_up", std::string("2150 u\0\xff_up", 10)),
         "line 7, column 6: unknown action (not printable ASCII)"},
        {"newer", replaced(kRecording, "format 1", "format 2"),
         "line 1, column 8: this is format 2; this program reads format 1 and needs a newer "
         "version"},
        {"far", replaced(kRecording, "18000 end", "99999999999999999999 end"),
         "line 13, column 1: "},
        {"seed", replaced(kRecording, "seed 1", "seed 18446744073709551616"),
         "line 2, column 6: seed cannot be '18446744073709551616'"},
        {"long", replaced(kRecording, "open", "open" + std::string(1 << 20, 'x')),
         "line 3, column 3: unknown action 'openxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...' (1048580 "
         "characters); the actions are"},
        {"enormous", std::string(33 * 1024 * 1024, '#'), "larger than 32 MiB, not a script"},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.name);
        const std::string file = temp_file(b.name + ".txt", b.text);
        const ProgramRun run = run_sim({"--verify", file});
        EXPECT_EQ(run.exit_status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(b.message), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace gorvo::sim::test

// The script format: timed input actions after an optional header, read and checked as a whole
// before anything runs, and written back the same way. A recording of the game is a script.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/timers.h"

namespace gorvo::replay {

// The eighteen input actions in the handheld's order, then the other things a script says.
enum class Action {
    game_a_down,
    game_a_up,
    game_b_down,
    game_b_up,
    time_down,
    time_up,
    acl_down,
    acl_up,
    up_down,
    up_up,
    left_down,
    left_up,
    right_down,
    right_up,
    down_down,
    down_up,
    jump_down,
    jump_up,
    open,
    reset_hiscores,
    overlay,    // VALUE 0|1: the menu's controller-overlay switch
    clock,      // VALUE HH:MM: what the wall clock reads from now on
    game_over,  // GAME SCORE: a game that ended here, as the recording game saw it
    end,
};
constexpr int kActionCount = 24;

std::string_view action_name(Action a);
// What the action does, in a few words ("press Game A").
std::string_view action_meaning(Action a);
// What follows the action's name on its line ("0|1"); empty when nothing does.
std::string_view action_arguments(Action a);
std::optional<Action> action_by_name(std::string_view name);

// Beyond this a run could take days of real time in the clock mode; the reader refuses it.
constexpr Millis kMaxScriptTime = 2147483647;
// The format this program writes and reads; the `format` header line names it.
constexpr int kFormatVersion = 1;

struct ScriptEvent {
    Millis time = 0;
    Action action = Action::open;
    int line = 0;   // 1-based line number in the script text; 0 for an event not read
    int value = 0;  // overlay: 0 or 1; clock: minutes after midnight; game_over: the score
    char game = 0;  // game_over: 'A' or 'B'
};

// What the header lines carry: the values the simulator's options give, and who recorded.
struct Header {
    std::optional<int> format;          // format N
    std::string program;                // program VERSION (one word)
    std::string recorded;               // recorded DATE (one word)
    std::optional<std::uint64_t> seed;  // seed N
    std::optional<int> clock_minutes;   // clock HH:MM
    std::optional<int> hiscore_a;       // hiscore-a N
    std::optional<int> hiscore_b;       // hiscore-b N
    std::optional<bool> overlay;        // overlay 0|1
};

// What a run does: the actions before the first `end` (in order, times never decreasing) and
// the time at which the run stops.
struct Script {
    Header header;
    std::vector<ScriptEvent> events;
    Millis end_time = 0;
};

struct ScriptError {
    int line = 0;    // 1-based
    int column = 0;  // 1-based, in bytes: where the fault begins
    std::string message;
};

struct ScriptParse {
    Script script;
    std::optional<ScriptError> error;
    bool ok() const { return !error.has_value(); }
};

// Reads a whole script. Lines end in LF, CR LF or CR; blank lines and lines whose first
// non-blank character is '#' are skipped; header lines ("NAME VALUE") come before the first
// event; every other line must be "TIME ACTION [ARGUMENTS]".
ScriptParse parse_script(std::string_view text);

// "line 7, column 5: unknown action 'jmp'; the actions are ...".
std::string describe(const ScriptError& e);

// The text of a script: the header lines that carry a value, every event, and an `end` line at
// the end time. Reading it back gives the same script (line numbers aside).
std::string write_script(const Script& script);
// One event's line, without its line end ("1200 clock 13:46").
std::string event_line(const ScriptEvent& e);

}  // namespace gorvo::replay

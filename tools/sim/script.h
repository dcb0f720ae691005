// The simulator's script: timed input actions, read and checked as a whole before anything runs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/timers.h"

namespace gorvo::sim {

// The eighteen input actions in the handheld's order, then the simulator's own actions.
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
    end,
};
constexpr int kActionCount = 21;

std::string_view action_name(Action a);
// What the action does, in a few words ("press Game A").
std::string_view action_meaning(Action a);
std::optional<Action> action_by_name(std::string_view name);

// Beyond this a run could take days of real time in the clock mode; the reader refuses it.
constexpr Millis kMaxScriptTime = 2147483647;

struct ScriptEvent {
    Millis time = 0;
    Action action = Action::open;
    int line = 0;  // 1-based line number in the script text
};

// What a run does: the actions before the first `end` (in order, times never decreasing) and
// the time at which the run stops.
struct Script {
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
// non-blank character is '#' are skipped; every other line must be "TIME ACTION".
ScriptParse parse_script(std::string_view text);

// "line 7, column 5: unknown action 'jmp'; the actions are ...".
std::string describe(const ScriptError& e);

}  // namespace gorvo::sim

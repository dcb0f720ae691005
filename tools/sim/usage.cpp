#include "sim/usage.h"

#include <array>

#include "core/handheld.h"
#include "sim/script.h"

namespace gorvo::sim {

namespace {

// In GameMode order, 0 to 9.
constexpr std::array<std::string_view, 10> kModeNames = {
    "closed",         "ACL held",          "all segments lit", "alarm view",
    "clock",          "Game A high score", "Game A running",   "Game B high score",
    "Game B running", "game over"};
static_assert(mode_game_over == kModeNames.size() - 1);

constexpr std::string_view kHead =
    "Usage: gorvo250-sim [options] SCRIPT\n"
    "\n"
    "Runs the game's engine without window, sound or settings file, on a virtual clock, from\n"
    "SCRIPT (- reads standard input), and prints a trace of what a player would see and hear.\n"
    "The same script, options and draws print the same trace.\n"
    "\n"
    "Options:\n"
    "  --draws FILE   the random draws: whitespace-separated non-negative integers; the k-th\n"
    "                 draw asked for with a range n takes the k-th number modulo n\n"
    "  --seed N       draw from the program's own generator seeded with N (default: seeded\n"
    "                 from the clock; give --draws or --seed, not both)\n"
    "  --clock HH:MM  the wall-clock time at virtual time 0 (default 00:00)\n"
    "  --hiscore-a N  the stored Game A high score (default 0)\n"
    "  --hiscore-b N  the stored Game B high score (default 0)\n"
    "  --overlay 0|1  the stored controller-overlay setting (default 1)\n"
    "  -h, --help     print this text and stop\n"
    "\n"
    "Script:\n"
    "  One line \"TIME ACTION\" for each event, TIME in whole milliseconds since the start,\n"
    "  never smaller than the line before; blank lines and lines beginning with # are skipped.\n"
    "  The game starts with the case closed; a script without end stops at its last line.\n"
    "\n"
    "Actions:\n";

constexpr std::string_view kTrace =
    "\n"
    "Trace, the lines of each instant T at which something changed, in this order:\n"
    "  T sound NAME, T silence, T set NAME VALUE   sounds and settings writes, as they happen\n"
    "  T picture IMAGE SOURCE   a digit position or the cross pad shows another picture\n"
    "  T show IMAGE, T hide IMAGE   a skin image became visible or hidden\n"
    "  T end mode=M score=S lives=L hiscore_a=A hiscore_b=B   the last line\n"
    "\n"
    "Modes M of the last line:\n";

constexpr std::string_view kTail =
    "\n"
    "Exit status:\n"
    "  0  the run completed\n"
    "  2  usage error, or a script that cannot be read (the message names the line, the\n"
    "     column and the choices; nothing is run)\n"
    "  3  the --draws ran out (the message names the virtual time; the trace stops before\n"
    "     that instant)\n"
    "\n"
    "The script and trace formats in full: gorvo250-sim.md in the program folder.\n";

// "  NAME   TEXT" with TEXT from `column` on.
std::string listed(std::string_view name, std::string_view text, std::size_t column) {
    std::string line = "  ";
    line += name;
    line.append(column - line.size(), ' ');
    line += text;
    return line + "\n";
}

}  // namespace

std::string_view mode_name(int mode) {
    if (mode < 0 || mode >= static_cast<int>(kModeNames.size())) return "unknown";
    return kModeNames[static_cast<std::size_t>(mode)];
}

std::string usage_text() {
    std::string text(kHead);
    for (int i = 0; i < kActionCount; ++i) {
        const auto action = static_cast<Action>(i);
        text += listed(action_name(action), action_meaning(action), 18);
    }
    text += kTrace;
    for (int mode = 0; mode < static_cast<int>(kModeNames.size()); ++mode)
        text += listed(std::to_string(mode), mode_name(mode), 5);
    text += kTail;
    return text;
}

std::string usage_lines() {
    const std::string text = usage_text();
    return text.substr(0, text.find('\n') + 1);
}

}  // namespace gorvo::sim

#include <algorithm>

#include "checks/targets.h"
#include "sim/script.h"

namespace gorvo::fuzz {
namespace {

// An upper bound on the script's line count: every line break may start a line.
int most_lines(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n') +
                            std::count(text.begin(), text.end(), '\r')) +
           1;
}

std::string error_problem(const sim::ScriptError& error, std::string_view text) {
    if (error.line < 1 || error.line > most_lines(text))
        return "an error names line " + std::to_string(error.line);
    if (error.message.empty()) return "an error without a message";
    if (error.column < 1) return "an error names column " + std::to_string(error.column);
    const std::string prefix = "line " + std::to_string(error.line) + ", column " +
                               std::to_string(error.column) + ": ";
    if (!sim::describe(error).starts_with(prefix)) return "the error text does not name its line";
    return {};
}

std::string order_problem(const sim::Script& script) {
    Millis time = 0;
    int line = 0;
    for (const sim::ScriptEvent& e : script.events) {
        if (e.action == sim::Action::end) return "an end action is kept as an event";
        if (e.time < time) return "event times go back";
        if (e.line <= line) return "event lines do not increase";
        time = e.time;
        line = e.line;
    }
    if (script.end_time < time) return "the run ends before its last event";
    if (script.end_time > sim::kMaxScriptTime) return "the run ends past the longest time";
    return {};
}

// A script written back from what was read must read the same.
std::string round_trip_problem(const sim::Script& script) {
    std::string text;
    for (const sim::ScriptEvent& e : script.events)
        text += std::to_string(e.time) + " " + std::string(sim::action_name(e.action)) + "\n";
    text += std::to_string(script.end_time) + " end\n";
    const sim::ScriptParse again = sim::parse_script(text);
    if (!again.ok()) return "the script written back is refused: " + describe(*again.error);
    if (again.script.end_time != script.end_time) return "the end time changes on writing back";
    if (again.script.events.size() != script.events.size())
        return "the event count changes on writing back";
    for (std::size_t i = 0; i < script.events.size(); ++i) {
        if (again.script.events[i].time != script.events[i].time ||
            again.script.events[i].action != script.events[i].action)
            return "event " + std::to_string(i) + " changes on writing back";
    }
    return {};
}

}  // namespace

std::string check_script(Input input) {
    const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    const sim::ScriptParse parsed = sim::parse_script(text);
    if (!parsed.ok()) return error_problem(*parsed.error, text);
    if (std::string problem = order_problem(parsed.script); !problem.empty()) return problem;
    return round_trip_problem(parsed.script);
}

}  // namespace gorvo::fuzz

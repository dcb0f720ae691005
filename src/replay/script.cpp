#include "replay/script.h"

#include <algorithm>
#include <array>
#include <limits>

#include "replay/values.h"

namespace gorvo::replay {

namespace {

struct ActionText {
    std::string_view name;
    std::string_view meaning;
    std::string_view arguments;
};

// In Action order.
constexpr std::array<ActionText, kActionCount> kActions = {{
    {"game_a_down", "press Game A", ""},
    {"game_a_up", "release Game A", ""},
    {"game_b_down", "press Game B", ""},
    {"game_b_up", "release Game B", ""},
    {"time_down", "press Time", ""},
    {"time_up", "release Time", ""},
    {"acl_down", "press ACL", ""},
    {"acl_up", "release ACL", ""},
    {"up_down", "press up on the cross pad", ""},
    {"up_up", "release up", ""},
    {"left_down", "press left on the cross pad", ""},
    {"left_up", "release left", ""},
    {"right_down", "press right on the cross pad", ""},
    {"right_up", "release right", ""},
    {"down_down", "press down on the cross pad", ""},
    {"down_up", "release down", ""},
    {"jump_down", "press jump", ""},
    {"jump_up", "release jump", ""},
    {"open", "click the closed case (nothing while the case is open)", ""},
    {"reset_hiscores", "the menu command \"Reset Hiscores\"", ""},
    {"overlay", "the menu's controller-overlay switch, set to 0 or 1", "0|1"},
    {"clock", "the wall clock reads HH:MM from now on", "HH:MM"},
    {"game_over", "a game of A or B ended with SCORE (checked by --verify)", "A|B SCORE"},
    {"end", "run what is due up to TIME, print the last line and stop", ""},
}};

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// Splits the text into lines at LF, CR LF or a lone CR.
std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string_view> split_fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && is_blank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !is_blank(line[i]))
            ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

bool is_skipped(std::string_view line) {
    for (char c : line) {
        if (is_blank(c)) continue;
        return c == '#';
    }
    return true;
}

// Whole milliseconds: ASCII digits only, at most kMaxScriptTime.
std::optional<Millis> parse_time(std::string_view field) {
    if (field.empty()) return std::nullopt;
    Millis value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kMaxScriptTime) return std::nullopt;
    }
    return value;
}

bool is_printable_ascii(std::string_view s) {
    for (char c : s) {
        if (c < 0x20 || c > 0x7e) return false;
    }
    return true;
}

// A message shows at most this much of a word from the file: a hostile line may be megabytes.
constexpr std::size_t kLongestQuoted = 40;

std::string quoted(std::string_view s) {
    if (!is_printable_ascii(s)) return "(not printable ASCII)";
    if (s.size() > kLongestQuoted) {
        return "'" + std::string(s.substr(0, kLongestQuoted)) + "...' (" +
               std::to_string(s.size()) + " characters)";
    }
    std::string q;
    q.reserve(s.size() + 2);
    q += '\'';
    q += s;
    q += '\'';
    return q;
}

// "game_a_down, game_a_up, ..., end": the choices named when an action is unknown.
std::string action_list() {
    std::string list;
    for (const ActionText& a : kActions) {
        if (!list.empty()) list += ", ";
        list += a.name;
    }
    return list;
}

// The 1-based column at which `field`, a view into `line`, starts.
int column_of(std::string_view line, std::string_view field) {
    return static_cast<int>(field.data() - line.data()) + 1;
}

struct LineResult {
    std::optional<ScriptEvent> event;
    std::string error;
    int column = 0;  // of the fault; of the time when the line is read
};

LineResult fault(std::string error, int column) {
    return {std::nullopt, std::move(error), column};
}

LineResult field_count_error(std::string_view line, const std::vector<std::string_view>& fields) {
    const std::string expected = "expected \"TIME ACTION\", found ";
    if (fields.size() == 1) {
        // Where the second field should have begun.
        return fault(expected + "only " + quoted(fields[0]),
                     column_of(line, fields[0]) + static_cast<int>(fields[0].size()));
    }
    std::string error = expected + std::to_string(fields.size()) + " fields";
    if (fields[2].front() == '#') error += " (a comment takes a line of its own)";
    return fault(error, column_of(line, fields[2]));
}

// The arguments of overlay, clock and game_over, into the event.
std::string read_arguments(ScriptEvent& e, const std::vector<std::string_view>& args) {
    const std::string usage = std::string(action_name(e.action)) + " takes " +
                              std::string(action_arguments(e.action)) + ", not ";
    switch (e.action) {
        case Action::overlay:
            if (args[0] != "0" && args[0] != "1") return usage + quoted(args[0]);
            e.value = args[0] == "1" ? 1 : 0;
            return {};
        case Action::clock:
            if (auto minutes = parse_clock(args[0])) {
                e.value = *minutes;
                return {};
            }
            return usage + quoted(args[0]);
        case Action::game_over: {
            if (args[0] != "A" && args[0] != "B") return usage + quoted(args[0]);
            const auto score = parse_unsigned(args[1], std::numeric_limits<std::int32_t>::max());
            if (!score) return usage + "score " + quoted(args[1]);
            e.game = args[0][0];
            e.value = static_cast<int>(*score);
            return {};
        }
        default:
            return {};
    }
}

int argument_count(Action a) {
    const std::string_view args = action_arguments(a);
    if (args.empty()) return 0;
    return 1 + static_cast<int>(std::count(args.begin(), args.end(), ' '));
}

LineResult parse_event(std::string_view line, int number,
                       const std::vector<std::string_view>& fields) {
    if (fields.size() < 2) return field_count_error(line, fields);
    const std::optional<Millis> time = parse_time(fields[0]);
    if (!time) {
        return fault("time " + quoted(fields[0]) +
                         " is not a whole number of milliseconds from 0 to " +
                         std::to_string(kMaxScriptTime),
                     column_of(line, fields[0]));
    }
    const std::optional<Action> action = action_by_name(fields[1]);
    if (!action) {
        return fault("unknown action " + quoted(fields[1]) + "; the actions are " + action_list(),
                     column_of(line, fields[1]));
    }
    const int wanted = argument_count(*action);
    if (static_cast<int>(fields.size()) != 2 + wanted) {
        if (wanted == 0) return field_count_error(line, fields);
        const std::string_view last = fields.back();
        return fault(std::string(fields[1]) + " takes " + std::string(action_arguments(*action)) +
                         " after it",
                     column_of(line, last) + static_cast<int>(last.size()));
    }
    ScriptEvent e{*time, *action, number};
    const std::vector<std::string_view> args(fields.begin() + 2, fields.end());
    if (std::string error = read_arguments(e, args); !error.empty())
        return fault(error, column_of(line, fields[2]));
    return {e, {}, column_of(line, fields[0])};
}

constexpr std::array<std::string_view, 8> kHeaderNames = {
    "format", "program", "recorded", "seed", "clock", "hiscore-a", "hiscore-b", "overlay"};

bool is_header_name(std::string_view name) {
    return std::find(kHeaderNames.begin(), kHeaderNames.end(), name) != kHeaderNames.end();
}

bool is_word(std::string_view s) {
    return !s.empty() && s.size() <= 64 && is_printable_ascii(s);
}

// One header line into the header; the error text when it is malformed.
std::string read_header(Header& h, std::string_view name, std::string_view value) {
    constexpr auto kIntMax = static_cast<std::uint64_t>(std::numeric_limits<int>::max());
    const std::string bad = std::string(name) + " cannot be " + quoted(value);
    if (name == "format") {
        const auto n = parse_unsigned(value, kIntMax);
        if (!n) return bad;
        if (*n != static_cast<std::uint64_t>(kFormatVersion)) {
            return "this is format " + std::string(value) + "; this program reads format " +
                   std::to_string(kFormatVersion) +
                   (*n > static_cast<std::uint64_t>(kFormatVersion) ? " and needs a newer version"
                                                                    : "");
        }
        h.format = static_cast<int>(*n);
    } else if (name == "program" || name == "recorded") {
        if (!is_word(value)) return bad + " (one word of at most 64 characters)";
        (name == "program" ? h.program : h.recorded) = std::string(value);
    } else if (name == "seed") {
        const auto n = parse_unsigned(value, std::numeric_limits<std::uint64_t>::max());
        if (!n) return bad + " (a number from 0 to 18446744073709551615)";
        h.seed = *n;
    } else if (name == "clock") {
        const auto minutes = parse_clock(value);
        if (!minutes) return bad + " (a time HH:MM from 00:00 to 23:59)";
        h.clock_minutes = *minutes;
    } else if (name == "hiscore-a" || name == "hiscore-b") {
        const auto n = parse_unsigned(value, kIntMax);
        if (!n) return bad + " (a number from 0 to " + std::to_string(kIntMax) + ")";
        (name == "hiscore-a" ? h.hiscore_a : h.hiscore_b) = static_cast<int>(*n);
    } else {
        if (value != "0" && value != "1") return bad + " (0 or 1)";
        h.overlay = value == "1";
    }
    return {};
}

}  // namespace

std::string_view action_name(Action a) {
    return kActions[static_cast<int>(a)].name;
}

std::string_view action_meaning(Action a) {
    return kActions[static_cast<int>(a)].meaning;
}

std::string_view action_arguments(Action a) {
    return kActions[static_cast<int>(a)].arguments;
}

std::optional<Action> action_by_name(std::string_view name) {
    for (int i = 0; i < kActionCount; ++i) {
        if (kActions[i].name == name) return static_cast<Action>(i);
    }
    return std::nullopt;
}

namespace {

ScriptParse rejected(int line, int column, std::string message) {
    ScriptParse r;
    r.error = ScriptError{line, column, std::move(message)};
    return r;
}

}  // namespace

ScriptParse parse_script(std::string_view text) {
    ScriptParse result;
    const std::vector<std::string_view> lines = split_lines(text);
    bool ended = false;
    bool any_event = false;
    std::vector<std::string_view> headers_seen;
    Millis last_time = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (is_skipped(lines[i])) continue;
        const std::vector<std::string_view> fields = split_fields(lines[i]);
        if (is_header_name(fields[0])) {
            const int column = column_of(lines[i], fields[0]);
            if (any_event) {
                return rejected(number, column,
                                "the header line " + quoted(fields[0]) +
                                    " comes after the first event; header lines come first");
            }
            if (std::find(headers_seen.begin(), headers_seen.end(), fields[0]) !=
                headers_seen.end()) {
                return rejected(number, column, quoted(fields[0]) + " is given twice");
            }
            if (fields[0] == "format" && !headers_seen.empty())
                return rejected(number, column, "the format line comes before the other headers");
            if (fields.size() != 2) {
                return rejected(number, column,
                                "expected \"" + std::string(fields[0]) + " VALUE\", found " +
                                    std::to_string(fields.size()) + " fields");
            }
            headers_seen.push_back(fields[0]);
            const std::string error = read_header(result.script.header, fields[0], fields[1]);
            if (!error.empty()) return rejected(number, column_of(lines[i], fields[1]), error);
            continue;
        }
        any_event = true;
        LineResult line = parse_event(lines[i], number, fields);
        if (!line.event) return rejected(number, line.column, line.error);
        const ScriptEvent& e = *line.event;
        if (e.time < last_time) {
            return rejected(number, line.column,
                            "time " + std::to_string(e.time) + " is before the line above (" +
                                std::to_string(last_time) + ")");
        }
        last_time = e.time;
        if (ended) continue;  // checked, never run
        result.script.end_time = e.time;
        if (e.action == Action::end) {
            ended = true;
        } else {
            result.script.events.push_back(e);
        }
    }
    return result;
}

std::string describe(const ScriptError& e) {
    return "line " + std::to_string(e.line) + ", column " + std::to_string(e.column) + ": " +
           e.message;
}

std::string event_line(const ScriptEvent& e) {
    std::string line = std::to_string(e.time) + " " + std::string(action_name(e.action));
    switch (e.action) {
        case Action::overlay:
            line += e.value != 0 ? " 1" : " 0";
            break;
        case Action::clock:
            line += " " + clock_text(e.value);
            break;
        case Action::game_over:
            line += ' ';
            line += e.game;
            line += " " + std::to_string(e.value);
            break;
        default:
            break;
    }
    return line;
}

std::string write_script(const Script& script) {
    const Header& h = script.header;
    std::string text;
    if (h.format) text += "format " + std::to_string(*h.format) + "\n";
    if (!h.program.empty()) text += "program " + h.program + "\n";
    if (!h.recorded.empty()) text += "recorded " + h.recorded + "\n";
    if (h.seed) text += "seed " + std::to_string(*h.seed) + "\n";
    if (h.clock_minutes) text += "clock " + clock_text(*h.clock_minutes) + "\n";
    if (h.hiscore_a) text += "hiscore-a " + std::to_string(*h.hiscore_a) + "\n";
    if (h.hiscore_b) text += "hiscore-b " + std::to_string(*h.hiscore_b) + "\n";
    if (h.overlay) text += std::string("overlay ") + (*h.overlay ? "1" : "0") + "\n";
    for (const ScriptEvent& e : script.events)
        text += event_line(e) + "\n";
    text += std::to_string(script.end_time) + " end\n";
    return text;
}

}  // namespace gorvo::replay

#include "sim/script.h"

#include <array>

namespace gorvo::sim {

namespace {

struct ActionText {
    std::string_view name;
    std::string_view meaning;
};

// In Action order.
constexpr std::array<ActionText, kActionCount> kActions = {{
    {"game_a_down", "press Game A"},
    {"game_a_up", "release Game A"},
    {"game_b_down", "press Game B"},
    {"game_b_up", "release Game B"},
    {"time_down", "press Time"},
    {"time_up", "release Time"},
    {"acl_down", "press ACL"},
    {"acl_up", "release ACL"},
    {"up_down", "press up on the cross pad"},
    {"up_up", "release up"},
    {"left_down", "press left on the cross pad"},
    {"left_up", "release left"},
    {"right_down", "press right on the cross pad"},
    {"right_up", "release right"},
    {"down_down", "press down on the cross pad"},
    {"down_up", "release down"},
    {"jump_down", "press jump"},
    {"jump_up", "release jump"},
    {"open", "click the closed case (nothing while the case is open)"},
    {"reset_hiscores", "the menu command \"Reset Hiscores\""},
    {"end", "run what is due up to TIME, print the last line and stop"},
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

std::string quoted(std::string_view s) {
    if (!is_printable_ascii(s)) return "(not printable ASCII)";
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

LineResult field_count_error(std::string_view line, const std::vector<std::string_view>& fields) {
    const std::string expected = "expected \"TIME ACTION\", found ";
    if (fields.size() == 1) {
        // Where the second field should have begun.
        return {std::nullopt, expected + "only " + quoted(fields[0]),
                column_of(line, fields[0]) + static_cast<int>(fields[0].size())};
    }
    std::string error = expected + std::to_string(fields.size()) + " fields";
    if (fields[2].front() == '#') error += " (a comment takes a line of its own)";
    return {std::nullopt, error, column_of(line, fields[2])};
}

LineResult parse_line(std::string_view line, int number) {
    const std::vector<std::string_view> fields = split_fields(line);
    if (fields.size() != 2) return field_count_error(line, fields);
    const std::optional<Millis> time = parse_time(fields[0]);
    if (!time) {
        return {std::nullopt,
                "time " + quoted(fields[0]) + " is not a whole number of milliseconds from 0 to " +
                    std::to_string(kMaxScriptTime),
                column_of(line, fields[0])};
    }
    const std::optional<Action> action = action_by_name(fields[1]);
    if (!action) {
        return {std::nullopt,
                "unknown action " + quoted(fields[1]) + "; the actions are " + action_list(),
                column_of(line, fields[1])};
    }
    return {ScriptEvent{*time, *action, number}, {}, column_of(line, fields[0])};
}

}  // namespace

std::string_view action_name(Action a) {
    return kActions[static_cast<int>(a)].name;
}

std::string_view action_meaning(Action a) {
    return kActions[static_cast<int>(a)].meaning;
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
    Millis last_time = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (is_skipped(lines[i])) continue;
        LineResult line = parse_line(lines[i], number);
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

}  // namespace gorvo::sim

#include "app/command_line.h"

namespace gorvo::app {

namespace {

// The value of an option that takes one: after '=' or as the next argument.
std::optional<std::string> take_value(const std::vector<std::string>& args, std::size_t& i,
                                      const std::string& name) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') return arg.substr(name.size() + 1);
    if (arg != name || i + 1 >= args.size()) return std::nullopt;
    return args[++i];
}

bool is_option(const std::string& arg, const std::string& name) {
    return arg == name || arg.starts_with(name + "=");
}

}  // namespace

std::string command_line_usage() {
    return "Usage: gorvo250 [--replay FILE [--speed 2|4|8]]\n"
           "  --replay FILE  watch a recorded session (Esc ends, F12 switches the view)\n"
           "  --speed N      play the recording N times as fast: 2, 4 or 8\n"
           "  -h, --help     print this text and stop\n";
}

CommandLineParse parse_command_line(const std::vector<std::string>& args) {
    CommandLineParse r;
    bool speed_given = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            r.line.help = true;
        } else if (is_option(arg, "--replay")) {
            if (r.line.replay) return {r.line, "--replay given more than once"};
            const auto file = take_value(args, i, "--replay");
            if (!file || file->empty()) return {r.line, "--replay needs a file name"};
            r.line.replay = *file;
        } else if (is_option(arg, "--speed")) {
            if (speed_given) return {r.line, "--speed given more than once"};
            const auto value = take_value(args, i, "--speed");
            if (!value || (*value != "2" && *value != "4" && *value != "8"))
                return {r.line, "--speed needs 2, 4 or 8, not '" + value.value_or("") + "'"};
            r.line.speed = (*value)[0] - '0';
            speed_given = true;
        } else {
            return {r.line, "unknown option '" + arg + "'; the options are --replay FILE, " +
                                "--speed 2|4|8 and --help"};
        }
    }
    if (speed_given && !r.line.replay && !r.line.help)
        return {r.line, "--speed goes with --replay FILE"};
    return r;
}

}  // namespace gorvo::app

#include "sim/options.h"

#include <algorithm>
#include <array>
#include <limits>
#include <set>
#include <string_view>

namespace gorvo::sim {

namespace {

// ASCII digits only, no sign, within max.
std::optional<std::uint64_t> parse_unsigned(const std::string& text, std::uint64_t max) {
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (max - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// "HH:MM" (the hour may have one digit), 00:00 to 23:59.
std::optional<int> parse_clock(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 2) return std::nullopt;
    const std::string minute_text = text.substr(colon + 1);
    if (minute_text.size() != 2) return std::nullopt;
    const auto hour = parse_unsigned(text.substr(0, colon), 23);
    const auto minute = parse_unsigned(minute_text, 59);
    if (!hour || !minute) return std::nullopt;
    return static_cast<int>(*hour * 60 + *minute);
}

std::string apply(Options& o, const std::string& name, const std::string& value) {
    constexpr auto kIntMax = static_cast<std::uint64_t>(std::numeric_limits<int>::max());
    if (name == "--draws") {
        if (value.empty()) return "--draws needs a file name";
        o.draws_path = value;
    } else if (name == "--seed") {
        const auto n = parse_unsigned(value, std::numeric_limits<std::uint64_t>::max());
        if (!n) return "--seed needs a non-negative integer, not '" + value + "'";
        o.seed = *n;
    } else if (name == "--clock") {
        const auto minutes = parse_clock(value);
        if (!minutes) return "--clock needs a time HH:MM from 00:00 to 23:59, not '" + value + "'";
        o.clock_minutes = *minutes;
    } else if (name == "--hiscore-a" || name == "--hiscore-b") {
        const auto n = parse_unsigned(value, kIntMax);
        if (!n)
            return name + " needs an integer from 0 to " + std::to_string(kIntMax) + ", not '" +
                   value + "'";
        (name == "--hiscore-a" ? o.hiscore_a : o.hiscore_b) = static_cast<int>(*n);
    } else if (name == "--overlay") {
        if (value != "0" && value != "1") return "--overlay needs 0 or 1, not '" + value + "'";
        o.overlay = value == "1";
    } else {
        return "unknown option " + name;
    }
    return {};
}

// The options that take a value; --help is the only other.
constexpr std::array<std::string_view, 6> kValueOptions = {
    "--draws", "--seed", "--clock", "--hiscore-a", "--hiscore-b", "--overlay"};

bool takes_value(const std::string& name) {
    return std::find(kValueOptions.begin(), kValueOptions.end(), name) != kValueOptions.end();
}

std::string unknown_option(const std::string& name) {
    std::string text = "unknown option " + name + "; the options are";
    for (std::string_view option : kValueOptions) {
        text += ' ';
        text += option;
        text += ',';
    }
    return text + " --help";
}

}  // namespace

OptionsParse parse_options(const std::vector<std::string>& args) {
    OptionsParse r;
    std::set<std::string> seen;
    bool have_script = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            r.options.help = true;
            continue;
        }
        if (arg == "-" || arg.empty() || arg[0] != '-') {
            if (have_script) return {r.options, "more than one SCRIPT given ('" + arg + "')"};
            r.options.script_path = arg;
            have_script = true;
            continue;
        }
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        if (!takes_value(name)) return {r.options, unknown_option(name)};
        std::string value;
        if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return {r.options, name + " needs a value"};
        }
        if (!seen.insert(name).second) return {r.options, name + " given more than once"};
        if (std::string e = apply(r.options, name, value); !e.empty()) return {r.options, e};
    }
    if (r.options.help) return r;
    if (r.options.draws_path && r.options.seed)
        return {r.options, "give --draws or --seed, not both"};
    if (!have_script) return {r.options, "no SCRIPT given (use - for standard input)"};
    return r;
}

}  // namespace gorvo::sim

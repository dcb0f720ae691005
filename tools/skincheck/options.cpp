#include "options.h"

#include <charconv>

namespace gorvo::skincheck {

namespace {

std::optional<int> parse_size(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < 1 || value > 16384) return std::nullopt;
    return value;
}

ParsedOptions usage_error(std::string message) {
    ParsedOptions parsed;
    parsed.error = std::move(message);
    return parsed;
}

}  // namespace

std::optional<skin::ScreenSize> parse_screen(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return std::nullopt;
    const std::optional<int> width = parse_size(std::string_view(text).substr(0, x));
    const std::optional<int> height = parse_size(std::string_view(text).substr(x + 1));
    if (!width || !height) return std::nullopt;
    return skin::ScreenSize{*width, *height};
}

ParsedOptions parse_options(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    Options& options = parsed.options;
    bool load_options = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const std::size_t remaining = arguments.size() - i - 1;
        if (arg == "--help" || arg == "-h") {
            options.mode = Options::Mode::Help;
            return parsed;
        } else if (arg == "--fullscreen") {
            options.fullscreen = true;
            load_options = true;
        } else if (arg == "--strict") {
            options.strict = true;
            load_options = true;
        } else if (arg == "--config" && remaining >= 1) {
            options.config = arguments[++i];
            load_options = true;
        } else if (arg == "--screen" && remaining >= 1) {
            const std::optional<skin::ScreenSize> screen = parse_screen(arguments[++i]);
            if (!screen) return usage_error("--screen wants WxH, for example 1920x1080");
            options.screen = *screen;
            load_options = true;
        } else if (arg == "--decode" && remaining >= 2) {
            if (options.mode == Options::Mode::Decode) return usage_error("--decode given twice");
            options.mode = Options::Mode::Decode;
            options.picture = arguments[++i];
            options.output = arguments[++i];
        } else if (arg == "--config" || arg == "--screen" || arg == "--decode") {
            return usage_error(arg + " is missing its argument");
        } else {
            return usage_error("unexpected argument '" + arg + "'");
        }
    }
    if (options.mode == Options::Mode::Decode && load_options) {
        return usage_error("--decode takes no other option");
    }
    return parsed;
}

}  // namespace gorvo::skincheck

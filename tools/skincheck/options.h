// The checker's command line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "skin/skin_loader.h"

namespace gorvo::skincheck {

// Used when no --screen is given: the checker does not ask the display for its size.
constexpr skin::ScreenSize kDefaultScreen{1920, 1080};

struct Options {
    enum class Mode { Load, Decode, Help };
    Mode mode = Mode::Load;
    std::optional<std::filesystem::path> config;  // none: Config.ini beside the program
    bool fullscreen = false;
    bool strict = false;  // --strict: a picture named that does not exist fails the check
    skin::ScreenSize screen = kDefaultScreen;
    std::filesystem::path picture;  // --decode
    std::filesystem::path output;   // --decode
};

struct ParsedOptions {
    Options options;
    std::string error;  // a usage error when not empty
};

ParsedOptions parse_options(const std::vector<std::string>& arguments);

// "WxH" with both sizes from 1 to 16384; no value otherwise.
std::optional<skin::ScreenSize> parse_screen(const std::string& text);

}  // namespace gorvo::skincheck

// Config.ini applied to the main window: window layout, colours, backdrop, logo, and the
// rectangle and picture of the 147 skin images.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/images.h"

namespace gorvo::skin {

// The window's side of a skin load. Each load starts from the current values (a load that stops
// at an error leaves the rest as it was), as the window keeps them between loads.
struct WindowLayout {
    int client_width = 605;
    int client_height = 748;
    std::uint32_t background = 0x00FFFFFF;  // 0x00BBGGRR
    bool see_through_on = true;
    std::uint32_t see_through = 0x00FFFFFF;  // 0x00BBGGRR
    int game_offset_x = 0;
    int game_offset_y = 0;
    bool backdrop_stretch = false;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

struct SkinLoadResult {
    enum class Status {
        Ok,             // the load completed
        ConfigMissing,  // Config.ini not found: message shown, the program must end
        Error,          // a picture or colour error stopped the load: message shown
    };
    Status status = Status::Ok;
    std::string message;  // the text the game shows, for ConfigMissing and Error
};

// Gfx_Load_Skin: loads `config` for the presentation (fullscreen or windowed) on a screen of the
// given size, in the order of steps the game uses, writing `layout` and `images`.
SkinLoadResult Gfx_Load_Skin(const std::filesystem::path& config, bool fullscreen_mode,
                             ScreenSize screen, WindowLayout& layout, Images& images);

// Config.ini in the folder of the running executable.
std::filesystem::path default_config_path();

// The [Manual] keys of Config.ini, with their defaults when the file or a key is missing.
struct ManualSettings {
    std::string dir = "Graphics/Manual/";  // with a trailing separator
    int width = 560;
    int height = 365;
};
ManualSettings read_manual_settings(const std::filesystem::path& config);

}  // namespace gorvo::skin

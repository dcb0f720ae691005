// Config.ini applied to the main window: window layout, colours, backdrop, logo, and the
// rectangle and picture of the 147 skin images.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/images.h"
#include "skin/picture_cache.h"

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

// Where an [ImageN] picture came from in a load.
struct PictureSource {
    enum class Kind {
        Unchanged,    // no file named ("nil" or empty): the image keeps its picture
        File,         // decoded from `file`
        Placeholder,  // `file` does not exist: the placeholder picture
    };
    Kind kind = Kind::Unchanged;
    std::filesystem::path file;  // as the program opened (or looked for) it
};

// How far a load got, and where its pictures came from: what a skin author needs to see.
struct SkinLoadProgress {
    bool window_done = false;             // client size, colours and game offsets are set
    bool backdrop_done = false;           // the backdrop step has run
    bool logo_done = false;               // the logo step has run
    int images_done = 0;                  // [Image1]..[ImageN] applied, N = images_done
    std::filesystem::path backdrop_file;  // the file loaded into im_backdrop, if any
    std::filesystem::path logo_file;      // the file loaded into im_backdrop_logo, if any
    // A backdrop or logo file named that does not exist (the image is left as it was).
    std::filesystem::path backdrop_not_found;
    std::filesystem::path logo_not_found;
    std::array<PictureSource, kSkinImageCount> pictures{};  // [0] is [Image1]
};

// A key of the file as a load step read it.
struct SkinValue {
    std::string section;  // "Fullscreen", "Image12"
    std::string key;      // "BgColor", "Filename"
    std::string value;    // as written
};

struct SkinLoadResult {
    enum class Status {
        Ok,             // the load completed
        ConfigMissing,  // Config.ini not found: message shown, the program must end
        Error,          // a picture or colour error stopped the load: message shown
    };
    Status status = Status::Ok;
    std::string message;  // the text the game shows, for ConfigMissing and Error
    SkinLoadProgress progress;
    // For Error: the key whose value stopped the load, and the picture file it named (empty for
    // a colour).
    SkinValue error_source;
    std::filesystem::path error_file;
};

// Gfx_Load_Skin: loads `config` for the presentation (fullscreen or windowed) on a screen of the
// given size, in the order of steps the game uses, writing `layout` and `images`.
// Window and image sizes from the file are kept within 0..16384; colours keep their low 24 bits.
// Whatever the outcome, the game menu button is settled for the presentation and im_backdrop is
// given the window's client area. With a cache, pictures whose files have not changed are taken
// from it instead of being decoded, and the cache is brought up to date.
SkinLoadResult Gfx_Load_Skin(const std::filesystem::path& config, bool fullscreen_mode,
                             ScreenSize screen, WindowLayout& layout, Images& images,
                             PictureCache* cache = nullptr);

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

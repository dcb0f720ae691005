#include "skin/skin_loader.h"

#include <optional>

#include "skin/decode_ahead.h"
#include "skin/integer_text.h"
#include "skin/pictures.h"
#include "skin/profile.h"
#include "skin/size_limits.h"
#include "skin/skin_paths.h"

namespace gorvo::skin {

namespace {

constexpr const char* kConfigMissing =
    "Configuration file (Config.ini) not found. Please reinstall the game.";
constexpr std::uint32_t kColourMask = 0x00FFFFFF;
constexpr int kClosedMenuWidth = 36;
constexpr int kClosedMenuHeight = 32;

// "nil" (only in this spelling) and an empty value both name no file.
bool names_a_file(const std::string& value) {
    return !value.empty() && value != "nil";
}

// One run of the loader: the file, the window's side it writes, and how far it got.
class SkinLoad {
  public:
    SkinLoad(const Profile& ini, bool fullscreen, ScreenSize screen, WindowLayout& layout,
             Images& images, SkinLoadResult& result, PictureCache* cache)
        : ini_(ini),
          fullscreen_(fullscreen),
          screen_(screen),
          layout_(layout),
          images_(images),
          result_(result),
          cache_(cache) {}

    // False when a picture or colour error stopped the load.
    bool run() {
        skin_dir_ = folder_path(ini_.read_string("Common", "SkinDir", "Graphics\\Skin\\"));
        layout_.client_height = clamp_size(ini_.read_int("Common", "GameHeight", 748));
        layout_.client_width = clamp_size(ini_.read_int("Common", "GameWidth", 605));
        const bool window_ready = fullscreen_ ? load_fullscreen() : load_windowed();
        return window_ready && load_images();
    }

  private:
    // Stops the load with the game's message; `source` and `file` tell the skin's author where
    // it came from.
    bool fail(std::string message, SkinValue source, const std::filesystem::path& file = {}) {
        result_.status = SkinLoadResult::Status::Error;
        result_.message = std::move(message);
        result_.error_source = std::move(source);
        result_.error_file = file;
        return false;
    }

    // Decodes `file` (named by `source`) with its double-size companion, if it has one; no
    // picture (and the load's error set) when the file cannot be decoded. A companion never
    // stops the load.
    PicturePtr decode(const std::filesystem::path& file, SkinValue source) {
        DecodeResult decoded =
            cache_ ? std::move(cache_->load({file})[0]) : decode_with_companion(file);
        if (!decoded) {
            fail(decoded.error, std::move(source), file);
            return nullptr;
        }
        return decoded.picture;
    }

    std::optional<std::uint32_t> colour(std::string_view key, std::string_view section) {
        const std::string value = ini_.read_string(section, key, "$00ff00ff");
        const ColourResult converted = parse_colour(value);
        if (!converted.ok()) {
            fail(converted.error, {std::string(section), std::string(key), value});
            return std::nullopt;
        }
        return converted.colour & kColourMask;
    }

    bool load_fullscreen() {
        backdrop_dir_ =
            folder_path(ini_.read_string("Fullscreen", "BackdropDir", "Graphics\\Backdrops\\"));
        if (!load_backdrop()) return false;
        result_.progress.backdrop_done = true;

        const std::optional<std::uint32_t> background = colour("BgColor", "Fullscreen");
        if (!background) return false;
        layout_.background = *background;
        layout_.see_through_on = false;

        layout_.game_offset_x = offset(ini_.read_string("Fullscreen", "GameOffsetX", "Center"),
                                       screen_.width, layout_.client_width);
        layout_.game_offset_y = offset(ini_.read_string("Fullscreen", "GameOffsetY", "Center"),
                                       screen_.height, layout_.client_height);
        layout_.client_width = clamp_size(screen_.width);
        layout_.client_height = clamp_size(screen_.height);
        result_.progress.window_done = true;

        if (!load_logo()) return false;
        result_.progress.logo_done = true;
        return true;
    }

    // A non-zero integer is the offset; anything else centres the game on the screen.
    static int offset(const std::string& value, int screen_size, int game_size) {
        const std::optional<std::int32_t> given = parse_integer(value);
        if (given && *given != 0) return *given;
        return static_cast<int>((static_cast<double>(screen_size) - game_size) / 2.0);
    }

    // A backdrop file that is not there keeps the backdrop's picture and visibility.
    bool load_backdrop() {
        const std::string name = ini_.read_string("Fullscreen", "BackdropFile", "nil");
        if (!names_a_file(name)) return true;
        const std::filesystem::path file = file_in_folder(backdrop_dir_, name);
        if (!is_existing_file(file)) {
            result_.progress.backdrop_not_found = file;
            return true;
        }
        PicturePtr picture = decode(file, {"Fullscreen", "BackdropFile", name});
        if (!picture) return false;
        images_.set_own_picture(im_backdrop, std::move(picture));
        layout_.backdrop_stretch = ini_.read_int("Fullscreen", "BackdropStretch", 0) != 0;
        images_.set_visible(im_backdrop, true);
        result_.progress.backdrop_file = file;
        return true;
    }

    // The logo takes its picture's size and goes to the chosen corner of the screen.
    bool load_logo() {
        const std::string name = ini_.read_string("Fullscreen", "LogoFile", "nil");
        if (!names_a_file(name)) return true;
        const std::filesystem::path file = file_in_folder(backdrop_dir_, name);
        if (!is_existing_file(file)) {
            result_.progress.logo_not_found = file;
            return true;
        }
        PicturePtr picture = decode(file, {"Fullscreen", "LogoFile", name});
        if (!picture) return false;
        Rect rect = images_[im_backdrop_logo].rect;
        rect.width = picture->width;
        rect.height = picture->height;
        images_.set_own_picture(im_backdrop_logo, std::move(picture));
        images_.set_visible(im_backdrop_logo, true);
        place_logo(rect, ini_.read_int("Fullscreen", "LogoPosition", 1));
        images_.set_rect(im_backdrop_logo, rect);
        result_.progress.logo_file = file;
        return true;
    }

    void place_logo(Rect& rect, int corner) const {
        const bool known = corner >= 0 && corner <= 3;
        if (!known) return;  // any other value leaves the logo where it is
        const bool right = corner == 1 || corner == 3;
        const bool bottom = corner == 2 || corner == 3;
        rect.left = right ? layout_.client_width - rect.width : 0;
        rect.top = bottom ? layout_.client_height - rect.height : 0;
    }

    bool load_windowed() {
        layout_.game_offset_x = 0;
        layout_.game_offset_y = 0;
        const std::optional<std::uint32_t> key = colour("TranspColor", "VideoMode");
        if (!key) return false;
        layout_.background = *key;
        layout_.see_through = *key;
        layout_.see_through_on = true;
        images_.set_visible(im_backdrop, false);
        images_.set_visible(im_backdrop_logo, false);
        result_.progress.window_done = true;
        result_.progress.backdrop_done = true;
        result_.progress.logo_done = true;
        return true;
    }

    static std::string section_of(int n) { return "Image" + std::to_string(n); }

    // The files are decoded all at once, then taken in order: the first that cannot be decoded
    // still stops the load with its message, and the images before it keep their pictures.
    bool load_images() {
        // The name each image gives, the file it names (empty for none), and those that exist.
        std::vector<std::string> names(kSkinImageCount);
        std::vector<std::filesystem::path> named(kSkinImageCount);
        std::vector<std::filesystem::path> existing(kSkinImageCount);
        for (int n = 1; n <= kSkinImageCount; ++n) {
            names[n - 1] = ini_.read_string(section_of(n), "Filename", "");
            if (!names_a_file(names[n - 1])) continue;
            named[n - 1] = file_in_folder(skin_dir_, names[n - 1]);
            if (is_existing_file(named[n - 1])) existing[n - 1] = named[n - 1];
        }
        // Hidden images whose pictures the cache holds may get them after the first frame.
        std::vector<std::filesystem::path> now = existing;
        std::vector<bool> later(kSkinImageCount, false);
        for (int n = 1; n <= kSkinImageCount; ++n) {
            if (now[n - 1].empty() || !cache_ || !cache_->holding()) continue;
            if (images_.visible(kSkinImages[n - 1]) || !cache_->holds(now[n - 1])) continue;
            later[n - 1] = true;
            now[n - 1].clear();
        }
        std::vector<DecodeResult> decoded = cache_ ? cache_->load(now) : decode_all(now);
        for (int n = 1; n <= kSkinImageCount; ++n) {
            const bool exists = !existing[n - 1].empty();
            if (later[n - 1]) cache_->hold(kSkinImages[n - 1], existing[n - 1]);
            if (!load_image(n, names[n - 1], named[n - 1], exists, later[n - 1], decoded[n - 1]))
                return false;
            result_.progress.images_done = n;
        }
        return true;
    }

    // `file` is the file the image names as `name`, empty for none; `decoded` is what became of
    // it when it exists, unless the cache gives its picture `later`.
    bool load_image(int n, const std::string& name, const std::filesystem::path& file, bool exists,
                    bool later, DecodeResult& decoded) {
        const ImageId id = kSkinImages[n - 1];
        const std::string section = section_of(n);
        PictureSource& source = result_.progress.pictures[n - 1];
        if (!file.empty()) {
            source.file = file;
            if (exists) {
                if (!later && !decoded)
                    return fail(std::move(decoded.error), {section, "Filename", name}, file);
                if (!later) images_.set_own_picture(id, std::move(decoded.picture));
                source.kind = PictureSource::Kind::File;
            } else {
                images_.set_own_picture(id, placeholder_picture());
                source.kind = PictureSource::Kind::Placeholder;
            }
        }
        images_.set_rect(id,
                         Rect{add_offset(ini_.read_int(section, "Left", 0), layout_.game_offset_x),
                              add_offset(ini_.read_int(section, "Top", 0), layout_.game_offset_y),
                              clamp_size(ini_.read_int(section, "Width", 0)),
                              clamp_size(ini_.read_int(section, "Height", 0))});
        return true;
    }

    const Profile& ini_;
    const bool fullscreen_;
    const ScreenSize screen_;
    WindowLayout& layout_;
    Images& images_;
    SkinLoadResult& result_;
    PictureCache* cache_;
    std::string skin_dir_;
    std::string backdrop_dir_;
};

// Runs whatever became of the file: the game menu button belongs to the fullscreen
// presentation, and the backdrop covers the window's client area.
void settle_window_images(bool fullscreen_mode, const WindowLayout& layout, Images& images) {
    images.set_visible(btn_game_menu_top, fullscreen_mode);
    images.set_visible(btn_game_menu_background, fullscreen_mode);
    Rect menu = images[btn_game_menu_background].rect;
    menu.width = kClosedMenuWidth;
    menu.height = kClosedMenuHeight;
    images.set_rect(btn_game_menu_background, menu);
    images.set_rect(im_backdrop, Rect{0, 0, layout.client_width, layout.client_height});
}

}  // namespace

SkinLoadResult Gfx_Load_Skin(const std::filesystem::path& config, bool fullscreen_mode,
                             ScreenSize screen, WindowLayout& layout, Images& images,
                             PictureCache* cache) {
    SkinLoadResult result;
    const std::optional<Profile> ini =
        is_existing_file(config) ? Profile::load(config) : std::nullopt;
    if (!ini) {
        result.status = SkinLoadResult::Status::ConfigMissing;
        result.message = kConfigMissing;
    } else {
        SkinLoad(*ini, fullscreen_mode, screen, layout, images, result, cache).run();
    }
    if (cache) cache->load_done();
    settle_window_images(fullscreen_mode, layout, images);
    return result;
}

}  // namespace gorvo::skin

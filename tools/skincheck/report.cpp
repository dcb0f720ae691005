#include "report.h"

#include <cstdio>

#include "skin/hires_companion.h"

namespace gorvo::skincheck {

namespace {

using skin::PictureSource;

// 0x00BBGGRR as #RRGGBB.
std::string colour_text(std::uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFFu, (colour >> 8) & 0xFFu,
                  (colour >> 16) & 0xFFu);
    return text;
}

std::string size_text(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

std::string size_text(const Picture& picture) {
    return size_text(picture.width, picture.height);
}

// The images that only lend their picture to another and are never shown themselves: the digit
// glyphs of the score panel and the cross pad's four pressed looks. Their own rectangle clips
// nothing.
bool lends_its_picture(ImageId id) {
    switch (id) {
        case im_panel_number_0:
        case im_panel_number_1:
        case im_panel_number_2:
        case im_panel_number_3:
        case im_panel_number_4:
        case im_panel_number_5:
        case im_panel_number_6:
        case im_panel_number_7:
        case im_panel_number_8:
        case im_panel_number_9:
        case btn_cross_down_up:
        case btn_cross_down_down:
        case btn_cross_down_left:
        case btn_cross_down_right:
            return true;
        default:
            return false;
    }
}

bool shows_picture(const Images& images, ImageId id) {
    return images.visible(id) && images[id].picture != nullptr;
}

// Writes the lines of one load and counts what the summary tells.
class ReportWriter {
  public:
    ReportWriter(const skin::SkinLoadResult& result, const skin::WindowLayout& layout,
                 const Images& images)
        : result_(result), layout_(layout), images_(images) {}

    LoadReport write(const std::filesystem::path& config) {
        completed_lines();
        switch (result_.status) {
            case skin::SkinLoadResult::Status::Ok:
                line("summary: pictures=" + std::to_string(report_.pictures) +
                     " placeholders=" + std::to_string(report_.placeholders) +
                     " warnings=" + std::to_string(report_.warnings));
                break;
            case skin::SkinLoadResult::Status::ConfigMissing:
                line("where: looked for the configuration file at " + config.string());
                line("error: " + result_.message);
                break;
            case skin::SkinLoadResult::Status::Error:
                line("where: " + error_source());
                line("error: " + result_.message);
                break;
        }
        return report_;
    }

  private:
    void line(const std::string& text) { report_.text += text + "\n"; }

    void warning(const std::string& text) {
        line("warning: " + text);
        ++report_.warnings;
    }

    // "[Image12] Filename=broken.png (file skin/broken.png)", "[Fullscreen] BgColor=blue".
    std::string error_source() const {
        const skin::SkinValue& source = result_.error_source;
        std::string text = "[" + source.section + "] " + source.key + "=" + source.value;
        if (!result_.error_file.empty()) text += " (file " + result_.error_file.string() + ")";
        return text;
    }

    void not_found(const std::string& key, const std::filesystem::path& file) {
        if (file.empty()) return;
        warning("[Fullscreen] " + key + " names " + file.string() + ", which does not exist");
        ++report_.missing;
    }

    // A double-size companion that lies beside `file` but is left unused, so that the author
    // learns why the picture is not crisp on a dense screen.
    void companion(const std::filesystem::path& file, const Picture& picture) {
        if (file.empty() || (picture.hires && picture.hires->get())) return;
        const skin::CompanionResult found = skin::load_companion(file, picture);
        if (found.problem.empty()) return;
        warning("companion " + found.file.string() + " not used: " + found.problem);
    }

    void window() {
        line("window client=" + size_text(layout_.client_width, layout_.client_height) +
             " background=" + colour_text(layout_.background) +
             " seethrough=" + (layout_.see_through_on ? colour_text(layout_.see_through) : "off") +
             " offset=" + std::to_string(layout_.game_offset_x) + "," +
             std::to_string(layout_.game_offset_y));
    }

    void backdrop() {
        const skin::SkinLoadProgress& progress = result_.progress;
        if (!shows_picture(images_, im_backdrop)) {
            line("backdrop none");
        } else {
            const Picture& picture = *images_[im_backdrop].picture;
            line("backdrop file=" + progress.backdrop_file.string() + " " + size_text(picture) +
                 " stretch=" + (layout_.backdrop_stretch ? "1" : "0"));
            ++report_.pictures;
            companion(progress.backdrop_file, picture);
        }
        not_found("BackdropFile", progress.backdrop_not_found);
    }

    void logo() {
        const skin::SkinLoadProgress& progress = result_.progress;
        if (!shows_picture(images_, im_backdrop_logo)) {
            line("logo none");
        } else {
            const Rect& rect = images_[im_backdrop_logo].rect;
            const Picture& picture = *images_[im_backdrop_logo].picture;
            line("logo file=" + progress.logo_file.string() + " " + size_text(picture) +
                 " at=" + std::to_string(rect.left) + "," + std::to_string(rect.top));
            ++report_.pictures;
            companion(progress.logo_file, picture);
        }
        not_found("LogoFile", progress.logo_not_found);
    }

    std::string picture_text(const PictureSource& source, const ImageState& state,
                             const ImageDef& def) const {
        switch (source.kind) {
            case PictureSource::Kind::Unchanged:
                return "unchanged";
            case PictureSource::Kind::Placeholder:
                return "placeholder";
            case PictureSource::Kind::File:
                break;
        }
        const char* kind = state.picture->has_alpha ? "alpha"
                           : def.transparent        ? "keyed"
                                                    : "opaque";
        return "file=" + source.file.string() + " " + size_text(*state.picture) + " " + kind;
    }

    void image(int n) {
        const ImageId id = kSkinImages[n - 1];
        const ImageState& state = images_[id];
        const PictureSource& source = result_.progress.pictures[n - 1];
        const Rect& r = state.rect;
        const std::string name(kImageDefs[id].name);
        line("image " + std::to_string(n) + " " + name + " " + std::to_string(r.left) + " " +
             std::to_string(r.top) + " " + std::to_string(r.width) + " " +
             std::to_string(r.height) + " " + picture_text(source, state, kImageDefs[id]));
        if (source.kind == PictureSource::Kind::Placeholder) {
            line("where: [Image" + std::to_string(n) + "] Filename names " + source.file.string() +
                 ", which does not exist");
            ++report_.placeholders;
            ++report_.missing;
        }
        if (source.kind != PictureSource::Kind::File) return;
        ++report_.pictures;
        const Picture& picture = *state.picture;
        companion(source.file, picture);
        // Drawn at its own size from the rectangle's corner and cut off at its edges.
        if ((picture.width > r.width || picture.height > r.height) && !lends_its_picture(id)) {
            warning("image " + std::to_string(n) + " " + name + " picture " + size_text(picture) +
                    " is larger than its rectangle " + size_text(r.width, r.height) +
                    " and is clipped");
        }
    }

    // The lines whose content the load completed, in order, up to the first that it did not.
    void completed_lines() {
        const skin::SkinLoadProgress& progress = result_.progress;
        if (!progress.window_done) return;
        window();
        if (!progress.backdrop_done) return;
        backdrop();
        if (!progress.logo_done) return;
        logo();
        for (int n = 1; n <= progress.images_done; ++n)
            image(n);
    }

    const skin::SkinLoadResult& result_;
    const skin::WindowLayout& layout_;
    const Images& images_;
    LoadReport report_;
};

}  // namespace

LoadReport describe_load(const std::filesystem::path& config, const skin::SkinLoadResult& result,
                         const skin::WindowLayout& layout, const Images& images) {
    return ReportWriter(result, layout, images).write(config);
}

}  // namespace gorvo::skincheck

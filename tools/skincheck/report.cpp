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

std::string size_text(const Picture& picture) {
    return std::to_string(picture.width) + "x" + std::to_string(picture.height);
}

std::string window_line(const skin::WindowLayout& layout) {
    return "window client=" + std::to_string(layout.client_width) + "x" +
           std::to_string(layout.client_height) + " background=" + colour_text(layout.background) +
           " seethrough=" + (layout.see_through_on ? colour_text(layout.see_through) : "off") +
           " offset=" + std::to_string(layout.game_offset_x) + "," +
           std::to_string(layout.game_offset_y) + "\n";
}

// A line for a double-size companion that lies beside `file` but is left unused, so that the
// author learns why the picture is not crisp on a dense screen; nothing otherwise.
std::string companion_warning(const std::filesystem::path& file, const Picture& picture) {
    if (file.empty() || (picture.hires && picture.hires->get())) return {};
    const skin::CompanionResult companion = skin::load_companion(file, picture);
    if (companion.problem.empty()) return {};
    return "warning: companion " + companion.file.string() + " not used: " + companion.problem +
           "\n";
}

bool shows_picture(const Images& images, ImageId id) {
    return images.visible(id) && images[id].picture != nullptr;
}

std::string backdrop_line(const skin::SkinLoadResult& result, const skin::WindowLayout& layout,
                          const Images& images) {
    if (!shows_picture(images, im_backdrop)) return "backdrop none\n";
    const Picture& picture = *images[im_backdrop].picture;
    return "backdrop file=" + result.progress.backdrop_file.string() + " " + size_text(picture) +
           " stretch=" + (layout.backdrop_stretch ? "1" : "0") + "\n" +
           companion_warning(result.progress.backdrop_file, picture);
}

std::string logo_line(const skin::SkinLoadResult& result, const Images& images) {
    if (!shows_picture(images, im_backdrop_logo)) return "logo none\n";
    const Rect& rect = images[im_backdrop_logo].rect;
    const Picture& picture = *images[im_backdrop_logo].picture;
    return "logo file=" + result.progress.logo_file.string() + " " + size_text(picture) +
           " at=" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "\n" +
           companion_warning(result.progress.logo_file, picture);
}

std::string picture_text(const PictureSource& source, const ImageState& state,
                         const ImageDef& def) {
    switch (source.kind) {
        case PictureSource::Kind::Unchanged:
            return "unchanged";
        case PictureSource::Kind::Placeholder:
            return "placeholder";
        case PictureSource::Kind::File:
            break;
    }
    const char* kind = state.picture->has_alpha ? "alpha" : def.transparent ? "keyed" : "opaque";
    return "file=" + source.file.string() + " " + size_text(*state.picture) + " " + kind;
}

std::string image_line(int n, const skin::SkinLoadResult& result, const Images& images) {
    const ImageId id = kSkinImages[n - 1];
    const ImageState& state = images[id];
    const PictureSource& source = result.progress.pictures[n - 1];
    const Rect& r = state.rect;
    std::string line = "image " + std::to_string(n) + " " + std::string(kImageDefs[id].name) + " " +
                       std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                       std::to_string(r.width) + " " + std::to_string(r.height) + " " +
                       picture_text(source, state, kImageDefs[id]) + "\n";
    if (source.kind == PictureSource::Kind::File)
        line += companion_warning(source.file, *state.picture);
    return line;
}

// The lines whose content the load completed, in order, up to the first that it did not.
std::string completed_lines(const skin::SkinLoadResult& result, const skin::WindowLayout& layout,
                            const Images& images) {
    const skin::SkinLoadProgress& progress = result.progress;
    std::string out;
    if (!progress.window_done) return out;
    out += window_line(layout);
    if (!progress.backdrop_done) return out;
    out += backdrop_line(result, layout, images);
    if (!progress.logo_done) return out;
    out += logo_line(result, images);
    for (int n = 1; n <= progress.images_done; ++n)
        out += image_line(n, result, images);
    return out;
}

}  // namespace

std::string describe_load(const skin::SkinLoadResult& result, const skin::WindowLayout& layout,
                          const Images& images) {
    std::string out = completed_lines(result, layout, images);
    if (result.status != skin::SkinLoadResult::Status::Ok) out += "error: " + result.message + "\n";
    return out;
}

}  // namespace gorvo::skincheck

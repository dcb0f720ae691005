#include "skin/hires_companion.h"

#include "skin/pictures.h"
#include "skin/skin_paths.h"

namespace gorvo::skin {

namespace {

std::string size_text(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace

std::filesystem::path companion_path(const std::filesystem::path& file) {
    std::filesystem::path name = file.stem();
    name += "@2x";
    name += file.extension();
    return file.parent_path() / name;
}

CompanionResult load_companion(const std::filesystem::path& file, const Picture& picture) {
    CompanionResult result;
    result.file = companion_path(file);
    if (!is_existing_file(result.file)) return result;
    DecodeResult decoded = load_picture(result.file);
    if (!decoded) {
        result.problem = decoded.error;
        return result;
    }
    const Picture& companion = *decoded.picture;
    // Sizes are at most 16384 a side, so doubling them cannot overflow.
    const int width = 2 * picture.width;
    const int height = 2 * picture.height;
    if (companion.width != width || companion.height != height) {
        result.problem = "it is " + size_text(companion.width, companion.height) +
                         ", twice the picture's size is " + size_text(width, height);
        return result;
    }
    result.picture = std::move(decoded.picture);
    return result;
}

void attach_companion(const std::filesystem::path& file, Picture& picture) {
    if (!is_existing_file(companion_path(file))) return;
    Picture measure;
    measure.width = picture.width;
    measure.height = picture.height;
    picture.hires = std::make_shared<const Companion>(
        [file, measure] { return PicturePtr(load_companion(file, measure).picture); });
}

}  // namespace gorvo::skin

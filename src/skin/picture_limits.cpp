#include "skin/picture_limits.h"

#include "skin/fresh_pages.h"

namespace gorvo::skin {

std::string picture_size_problem(std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0) {
        return "it has no pixels (" + std::to_string(width) + " x " + std::to_string(height) + ")";
    }
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width > kMaxPictureSide || height > kMaxPictureSide) {
        return "it is too large (" + size + " pixels; at most " + std::to_string(kMaxPictureSide) +
               " on a side)";
    }
    if (width * height * 4 > kMaxPictureBytes) {
        return "it is too large (" + size + " pixels; at most " +
               std::to_string(kMaxPictureBytes >> 20) + " MiB decoded)";
    }
    return {};
}

std::shared_ptr<Picture> allocate_picture(int width, int height) {
    auto picture = std::make_shared<Picture>();
    picture->width = width;
    picture->height = height;
    const std::size_t bytes =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    picture->rgba.reserve(bytes);
    map_pages_for_writing(picture->rgba.data(), bytes);
    picture->rgba.assign(bytes, 0);
    for (std::size_t i = 3; i < picture->rgba.size(); i += 4)
        picture->rgba[i] = 255;
    return picture;
}

}  // namespace gorvo::skin

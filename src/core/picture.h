// A decoded picture: 8-bit RGBA, straight (not premultiplied) alpha, rows top to bottom.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace gorvo {

struct Picture {
    int width = 0;
    int height = 0;
    // False for formats without an alpha channel (JPEG, most BMPs): every alpha byte is 255,
    // and an image marked transparent then leaves out the picture's bottom-left colour.
    bool has_alpha = false;
    std::vector<std::uint8_t> rgba;  // width * height * 4 bytes
    // The same picture drawn at twice the size, for screens of high pixel density; null when
    // the skin has none. The picture itself stays the measure of every size and position.
    std::shared_ptr<const Picture> hires;

    std::uint8_t* pixel(int x, int y) {
        return &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
    }
    const std::uint8_t* pixel(int x, int y) const {
        return &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
    }
};

using PicturePtr = std::shared_ptr<const Picture>;

}  // namespace gorvo

// A decoded picture: 8-bit RGBA, straight (not premultiplied) alpha, rows top to bottom.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace gorvo {

struct Picture;
using PicturePtr = std::shared_ptr<const Picture>;

// The same picture drawn at twice the size, for screens of high pixel density. It is decoded
// when such a screen first needs it: on an ordinary screen it would cost four times the
// picture's decoding and memory for nothing. Everything runs on one thread.
class Companion {
  public:
    using Decode = std::function<PicturePtr()>;
    explicit Companion(Decode decode) : decode_(std::move(decode)) {}
    explicit Companion(PicturePtr ready) : picture_(std::move(ready)), decoded_(true) {}

    // Null when the companion turned out unusable (unreadable, or not twice the size).
    const PicturePtr& get() const {
        if (!decoded_) {
            decoded_ = true;
            if (decode_) picture_ = decode_();
            decode_ = nullptr;
        }
        return picture_;
    }

  private:
    mutable Decode decode_;
    mutable PicturePtr picture_;
    mutable bool decoded_ = false;
};

struct Picture {
    int width = 0;
    int height = 0;
    // False for formats without an alpha channel (JPEG, most BMPs): every alpha byte is 255,
    // and an image marked transparent then leaves out the picture's bottom-left colour.
    bool has_alpha = false;
    std::vector<std::uint8_t> rgba;  // width * height * 4 bytes
    // Null when the skin has no companion file for it. The picture itself stays the measure
    // of every size and position.
    std::shared_ptr<const Companion> hires;

    std::uint8_t* pixel(int x, int y) {
        return &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
    }
    const std::uint8_t* pixel(int x, int y) const {
        return &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
    }
};

}  // namespace gorvo

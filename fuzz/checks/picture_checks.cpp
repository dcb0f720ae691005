#include <cstddef>

#include "checks/targets.h"
#include "skin/decode_bmp.h"
#include "skin/decode_ico.h"
#include "skin/decode_jpeg.h"
#include "skin/decode_png.h"
#include "skin/picture_limits.h"

namespace gorvo::fuzz {
namespace {

using Decoder = skin::DecodeResult (*)(skin::Bytes);

std::string size_text(const Picture& picture) {
    return std::to_string(picture.width) + " x " + std::to_string(picture.height);
}

std::string pixel_problem(const Picture& picture) {
    const std::int64_t w = picture.width, h = picture.height;
    if (w <= 0 || h <= 0 || w > skin::kMaxPictureSide || h > skin::kMaxPictureSide ||
        w * h * 4 > skin::kMaxPictureBytes) {
        return "a picture of " + size_text(picture) + " passed the size limits";
    }
    if (picture.rgba.size() != static_cast<std::size_t>(w * h * 4)) {
        return "a picture of " + size_text(picture) + " holds " +
               std::to_string(picture.rgba.size()) + " bytes";
    }
    if (picture.has_alpha) return {};
    for (std::size_t i = 3; i < picture.rgba.size(); i += 4) {
        if (picture.rgba[i] != 255) {
            return "a picture without alpha has alpha " + std::to_string(picture.rgba[i]) +
                   " at byte " + std::to_string(i);
        }
    }
    return {};
}

bool same(const skin::DecodeResult& a, const skin::DecodeResult& b) {
    if (a.error != b.error || bool(a) != bool(b)) return false;
    if (!a) return true;
    return a.picture->width == b.picture->width && a.picture->height == b.picture->height &&
           a.picture->has_alpha == b.picture->has_alpha && a.picture->rgba == b.picture->rgba;
}

// The colour key runs on every picture of a transparent image; it must keep the size.
std::string colour_key_problem(const Picture& decoded) {
    Picture keyed = decoded;
    skin::apply_colour_key(keyed);
    if (keyed.width != decoded.width || keyed.height != decoded.height ||
        keyed.rgba.size() != decoded.rgba.size()) {
        return "the colour key changed the picture's size";
    }
    if (!keyed.has_alpha) return "a colour-keyed picture claims no alpha";
    if (keyed.pixel(0, keyed.height - 1)[3] != 0) return "the key colour's own pixel stays visible";
    return {};
}

// A second decode of the same bytes must agree with the first: a difference means the decoder
// read memory it had not written.
std::string check_decoder(Decoder decode, Input input) {
    const skin::DecodeResult first = decode(input);
    if (std::string problem = picture_result_problem(first); !problem.empty()) return problem;
    if (!same(first, decode(input))) return "two decodes of the same bytes differ";
    return first ? colour_key_problem(*first.picture) : std::string();
}

}  // namespace

std::string picture_result_problem(const skin::DecodeResult& result) {
    if (!result.picture) return result.error.empty() ? "refused without a reason" : "";
    if (!result.error.empty()) return "a decoded picture comes with an error: " + result.error;
    return pixel_problem(*result.picture);
}

std::string check_png(Input input) {
    return check_decoder(skin::decode_png, input);
}

std::string check_jpeg(Input input) {
    return check_decoder(skin::decode_jpeg, input);
}

std::string check_bmp(Input input) {
    return check_decoder(skin::decode_bmp, input);
}

std::string check_ico(Input input) {
    return check_decoder(skin::decode_ico, input);
}

}  // namespace gorvo::fuzz

// Picture files decoded into our own RGBA picture type. The format follows the file name's
// extension (compared without regard to case): PNG, JPEG (.jpg, .jpeg), BMP, ICO; WMF and EMF
// are refused with a message naming the format. Every decoder reports failure as a message and
// refuses a picture over 16384 pixels on a side or 256 MiB decoded before allocating it.
#pragma once

#include <filesystem>
#include <string>
#include <utility>

#include "core/picture.h"

namespace gorvo::skin {

struct DecodeResult {
    std::shared_ptr<Picture> picture;  // set on success
    std::string error;                 // the decoder's message on failure
    explicit operator bool() const { return picture != nullptr; }

    // A failed decode with its message.
    static DecodeResult failure(std::string message) { return {nullptr, std::move(message)}; }
};

DecodeResult load_picture(const std::filesystem::path& file);

// The stand-in for a named picture file that does not exist: 10 x 10, a one-pixel black
// outline around a red fill, opaque.
std::shared_ptr<Picture> placeholder_picture();

// The see-through rule for pictures without alpha of images marked transparent: every pixel of
// the bottom-left pixel's colour becomes fully transparent, and the picture counts as having
// alpha from then on. An empty picture is left alone.
void apply_colour_key(Picture& picture);

}  // namespace gorvo::skin

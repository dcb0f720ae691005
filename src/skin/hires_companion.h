// The double-size companion of a picture file: NAME@2x.EXT beside NAME.EXT, drawn on screens of
// high pixel density instead of scaling the picture up. A companion is optional; one that cannot
// be decoded or is not exactly twice the picture's size is left unused.
#pragma once

#include <filesystem>
#include <string>

#include "core/picture.h"

namespace gorvo::skin {

// NAME@2x.EXT for NAME.EXT, in the same folder and with the extension as written.
std::filesystem::path companion_path(const std::filesystem::path& file);

// A companion that fits has its picture; one that exists but cannot be used says why. Neither
// means there is none.
struct CompanionResult {
    std::filesystem::path file;  // the companion looked for
    PicturePtr picture;
    std::string problem;  // the decoder's message, or the size it has and the size it needs
};

// Looks for the companion of `file`, whose decoded picture is `picture`, and checks it.
CompanionResult load_companion(const std::filesystem::path& file, const Picture& picture);

// Gives `picture` (decoded from `file`) its companion when a companion file lies beside it; the
// companion is decoded and checked on first use, and is null then unless it fits.
void attach_companion(const std::filesystem::path& file, Picture& picture);

}  // namespace gorvo::skin

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

struct CompanionResult {
    enum class Status {
        None,         // no companion file
        Fits,         // decoded, exactly twice the size: `picture` is set
        Undecodable,  // `problem` holds the decoder's message
        WrongSize,    // `problem` says which size it has and which it needs
    };
    Status status = Status::None;
    std::filesystem::path file;  // the companion looked for
    PicturePtr picture;
    std::string problem;
};

// Looks for the companion of `file`, whose decoded picture is `picture`, and checks it.
CompanionResult load_companion(const std::filesystem::path& file, const Picture& picture);

// Gives `picture` (decoded from `file`) its companion when there is one that fits.
void attach_companion(const std::filesystem::path& file, Picture& picture);

}  // namespace gorvo::skin

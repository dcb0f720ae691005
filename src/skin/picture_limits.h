// The largest picture any decoder will allocate. A header can claim any size; checking it
// against these limits before allocating keeps a damaged or hostile file from taking gigabytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/picture.h"

namespace gorvo::skin {

constexpr std::int64_t kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPictureBytes = std::int64_t{256} << 20;  // decoded RGBA

// Empty when a picture of this size may be decoded, else a short reason for the user.
std::string picture_size_problem(std::int64_t width, std::int64_t height);

// A picture of a size that passed picture_size_problem, every pixel opaque black.
std::shared_ptr<Picture> allocate_picture(int width, int height);

}  // namespace gorvo::skin

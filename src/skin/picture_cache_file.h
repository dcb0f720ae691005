// The file of the picture cache: decoded pictures, each filed under the key of the picture file
// it came from. Layout (integers little-endian):
//   header  "GRVPICS\n", version u32, entry count u32, index size u64, index hash u64
//   index   per entry: path size u32, path bytes, file size u64, modified i64, file hash u64,
//           width u32, height u32, has alpha u32, pixels offset u64, pixels hash u64
//   pixels  the RGBA bytes of each entry (width * height * 4), where its offset says
// Nothing read from the file is believed before it is checked: the index against its hash and
// its sizes, a picture's pixels against theirs, both when they are read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <map>
#include <optional>
#include <string>

#include "core/picture.h"
#include "skin/file_key.h"

namespace gorvo::skin {

// One picture of the cache file.
struct CacheEntry {
    FileKey key;
    int width = 0;
    int height = 0;
    bool has_alpha = false;
    std::uint64_t pixels_offset = 0;
    std::uint64_t pixels_hash = 0;
};

// The index, by the picture file's absolute path.
using CacheIndex = std::map<std::string, CacheEntry, std::less<>>;

// The index of the cache file `in` of `file_size` bytes; nothing when the file is not a cache
// file of this version or its index is damaged.
std::optional<CacheIndex> read_cache_index(std::istream& in, std::uint64_t file_size);

// The picture of `entry`, its pixels read from `in` and checked; null when they are not there or
// not the pixels that were written.
std::shared_ptr<Picture> read_cached_picture(std::istream& in, const CacheEntry& entry);

// A picture to write, with its file's key.
struct PictureToCache {
    FileKey key;
    PicturePtr picture;
};

// Writes the cache file anew: into a new file beside it, then put in its place, so that a reader
// sees either the old file or the whole new one. False when that could not be done (the old
// file, if any, is left as it was).
bool write_cache_file(const std::filesystem::path& file,
                      const std::map<std::string, PictureToCache, std::less<>>& pictures);

}  // namespace gorvo::skin

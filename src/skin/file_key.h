// What a picture file is now: its size, modification time and a fast hash of its bytes. Two keys
// that are equal stand for the same bytes (a file rewritten within the same second with the same
// size still differs in its hash).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace gorvo::skin {

struct FileKey {
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // the file system's clock, in its own ticks
    std::uint64_t hash = 0;
    bool operator==(const FileKey&) const = default;
};

// The key of `file`, read through `buffer` (kept by the caller so that one buffer serves many
// files); nothing when the file cannot be read.
std::optional<FileKey> file_key(const std::filesystem::path& file,
                                std::vector<std::uint8_t>& buffer);

}  // namespace gorvo::skin

#include "skin/file_key.h"

#include <fstream>
#include <system_error>

#include "skin/fast_hash.h"

namespace gorvo::skin {

namespace {

// Larger files are no pictures this program shows; they are never cached.
constexpr std::uintmax_t kMostBytes = std::uintmax_t{512} << 20;

}  // namespace

std::optional<FileKey> file_key(const std::filesystem::path& file,
                                std::vector<std::uint8_t>& buffer) {
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(file, error);
    if (error) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kMostBytes) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    buffer.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(buffer.size()));
    // A file that changed size while it was read is not the file that was measured.
    if (static_cast<std::uintmax_t>(in.gcount()) != size ||
        in.peek() != std::char_traits<char>::eof())
        return std::nullopt;
    FileKey key;
    key.size = size;
    key.modified = static_cast<std::int64_t>(modified.time_since_epoch().count());
    key.hash = fast_hash(buffer);
    return key;
}

}  // namespace gorvo::skin

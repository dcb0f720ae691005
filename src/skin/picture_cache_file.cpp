#include "skin/picture_cache_file.h"

#include <fstream>
#include <random>
#include <string_view>
#include <system_error>
#include <vector>

#include "skin/decode_bytes.h"
#include "skin/fast_hash.h"
#include "skin/fresh_pages.h"
#include "skin/picture_limits.h"

namespace gorvo::skin {

namespace {

constexpr std::string_view kMagic = "GRVPICS\n";
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 32;
// Far beyond any skin: a count or size past these is damage, not a skin.
constexpr std::uint32_t kMostEntries = 4096;
constexpr std::uint64_t kMostIndexBytes = std::uint64_t{4} << 20;
constexpr std::uint32_t kMostPathBytes = 4096;
// An index entry without its path: path size, then three u64, three u32, two u64.
constexpr std::uint64_t kEntryFixedSize = 4 + 3 * 8 + 3 * 4 + 2 * 8;

void put_u32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void put_u64(std::string& out, std::uint64_t v) {
    put_u32(out, static_cast<std::uint32_t>(v & 0xFFFFFFFFU));
    put_u32(out, static_cast<std::uint32_t>(v >> 32));
}

// Reads the index field by field, each read checked against the end.
class IndexReader {
  public:
    explicit IndexReader(Bytes bytes) : reader_(bytes) {}

    bool u32(std::uint32_t& out) {
        if (!reader_.u32(at_, out)) return false;
        at_ += 4;
        return true;
    }
    bool u64(std::uint64_t& out) {
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        if (!u32(low) || !u32(high)) return false;
        out = std::uint64_t{high} << 32 | low;
        return true;
    }
    bool text(std::size_t size, std::string& out) {
        if (!reader_.has(at_, size)) return false;
        const Bytes bytes = reader_.slice(at_, size);
        out.assign(bytes.begin(), bytes.end());
        at_ += size;
        return true;
    }
    bool at_end() const { return at_ == reader_.size(); }

  private:
    ByteReader reader_;
    std::size_t at_ = 0;
};

std::uint64_t pixel_bytes(const CacheEntry& entry) {
    return static_cast<std::uint64_t>(entry.width) * static_cast<std::uint64_t>(entry.height) * 4;
}

// One entry of the index, its sizes within the limits of any picture and its pixels inside
// the file.
bool read_entry(IndexReader& in, std::uint64_t file_size, std::string& path, CacheEntry& entry) {
    std::uint32_t path_size = 0;
    std::uint64_t modified = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t alpha = 0;
    if (!in.u32(path_size) || path_size == 0 || path_size > kMostPathBytes) return false;
    if (!in.text(path_size, path) || !in.u64(entry.key.size) || !in.u64(modified) ||
        !in.u64(entry.key.hash) || !in.u32(width) || !in.u32(height) || !in.u32(alpha) ||
        !in.u64(entry.pixels_offset) || !in.u64(entry.pixels_hash)) {
        return false;
    }
    if (alpha > 1 || !picture_size_problem(width, height).empty()) return false;
    entry.key.modified = static_cast<std::int64_t>(modified);
    entry.width = static_cast<int>(width);
    entry.height = static_cast<int>(height);
    entry.has_alpha = alpha == 1;
    return entry.pixels_offset >= kHeaderSize && entry.pixels_offset <= file_size &&
           pixel_bytes(entry) <= file_size - entry.pixels_offset;
}

std::string header(std::uint32_t count, const std::string& index) {
    std::string out(kMagic);
    put_u32(out, kVersion);
    put_u32(out, count);
    put_u64(out, index.size());
    put_u64(out, fast_hash({reinterpret_cast<const std::uint8_t*>(index.data()), index.size()}));
    return out;
}

void put_entry(std::string& index, const std::string& path, const PictureToCache& p,
               std::uint64_t offset) {
    put_u32(index, static_cast<std::uint32_t>(path.size()));
    index += path;
    put_u64(index, p.key.size);
    put_u64(index, static_cast<std::uint64_t>(p.key.modified));
    put_u64(index, p.key.hash);
    put_u32(index, static_cast<std::uint32_t>(p.picture->width));
    put_u32(index, static_cast<std::uint32_t>(p.picture->height));
    put_u32(index, p.picture->has_alpha ? 1 : 0);
    put_u64(index, offset);
    put_u64(index, fast_hash(p.picture->rgba));
}

// Pictures that could never be read back are left out.
bool fits(const std::string& path, const PictureToCache& p) {
    return p.picture && !path.empty() && path.size() <= kMostPathBytes &&
           picture_size_problem(p.picture->width, p.picture->height).empty() &&
           p.picture->rgba.size() == static_cast<std::size_t>(p.picture->width) *
                                         static_cast<std::size_t>(p.picture->height) * 4;
}

std::filesystem::path new_file_beside(const std::filesystem::path& file) {
    std::filesystem::path name = file;
    name += ".new" + std::to_string(std::random_device{}());
    return name;
}

}  // namespace

std::optional<CacheIndex> read_cache_index(std::istream& in, std::uint64_t file_size) {
    std::vector<std::uint8_t> head(kHeaderSize);
    if (file_size < kHeaderSize ||
        !in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(kHeaderSize)))
        return std::nullopt;
    if (!std::equal(kMagic.begin(), kMagic.end(), head.begin())) return std::nullopt;
    IndexReader fields(Bytes(head).subspan(kMagic.size()));
    std::uint32_t version = 0;
    std::uint32_t count = 0;
    std::uint64_t index_size = 0;
    std::uint64_t index_hash = 0;
    if (!fields.u32(version) || !fields.u32(count) || !fields.u64(index_size) ||
        !fields.u64(index_hash) || version != kVersion || count > kMostEntries ||
        index_size > kMostIndexBytes || index_size > file_size - kHeaderSize) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(index_size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(index_size)) ||
        fast_hash(bytes) != index_hash) {
        return std::nullopt;
    }
    IndexReader index(bytes);
    CacheIndex entries;
    // The pixels follow the index one picture after the other, to the end of the file.
    std::uint64_t next_pixels = kHeaderSize + index_size;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string path;
        CacheEntry entry;
        if (!read_entry(index, file_size, path, entry) || entry.pixels_offset != next_pixels)
            return std::nullopt;
        next_pixels += pixel_bytes(entry);
        entries.insert_or_assign(std::move(path), entry);
    }
    if (!index.at_end() || next_pixels != file_size) return std::nullopt;
    return entries;
}

std::shared_ptr<Picture> read_cached_picture(std::istream& in, const CacheEntry& entry) {
    const std::uint64_t bytes = pixel_bytes(entry);
    auto picture = std::make_shared<Picture>();
    picture->width = entry.width;
    picture->height = entry.height;
    picture->has_alpha = entry.has_alpha;
    picture->rgba.reserve(static_cast<std::size_t>(bytes));
    map_pages_for_writing(picture->rgba.data(), static_cast<std::size_t>(bytes));
    picture->rgba.resize(static_cast<std::size_t>(bytes));
    in.clear();
    if (!in.seekg(static_cast<std::streamoff>(entry.pixels_offset)) ||
        !in.read(reinterpret_cast<char*>(picture->rgba.data()),
                 static_cast<std::streamsize>(bytes)) ||
        fast_hash(picture->rgba) != entry.pixels_hash) {
        return nullptr;
    }
    return picture;
}

bool write_cache_file(const std::filesystem::path& file,
                      const std::map<std::string, PictureToCache, std::less<>>& pictures) {
    std::vector<std::pair<const std::string*, const PictureToCache*>> chosen;
    std::uint64_t index_size = 0;
    for (const auto& [path, p] : pictures) {
        if (!fits(path, p) || chosen.size() == kMostEntries) continue;
        chosen.emplace_back(&path, &p);
        index_size += kEntryFixedSize + path.size();
    }
    std::string index;
    std::uint64_t offset = kHeaderSize + index_size;
    for (const auto& [path, p] : chosen) {
        put_entry(index, *path, *p, offset);
        offset += p->picture->rgba.size();
    }
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    const std::filesystem::path fresh = new_file_beside(file);
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        out << header(static_cast<std::uint32_t>(chosen.size()), index) << index;
        for (const auto& [path, p] : chosen) {
            out.write(reinterpret_cast<const char*>(p->picture->rgba.data()),
                      static_cast<std::streamsize>(p->picture->rgba.size()));
        }
        out.close();
        if (!out) {
            std::filesystem::remove(fresh, error);
            return false;
        }
    }
    std::filesystem::rename(fresh, file, error);
    if (!error) return true;
    std::filesystem::remove(fresh, error);
    return false;
}

}  // namespace gorvo::skin

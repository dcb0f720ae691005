// Icon files for the icon reader's fuzzer, made from PNG and BMP files: no icon files come with
// the picture corpus. Each BMP becomes an icon bitmap (no file header, doubled height, an empty
// transparency mask after the colours); each PNG is stored as it is. One more icon holds the
// first two inputs together, so that choosing between entries is exercised too.
//
//   make_ico_seeds OUT_DIR FILE...
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes read_file(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t get32(const Bytes& b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

void set32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The picture as an icon entry stores it; empty when it is neither a usable BMP nor a PNG.
Bytes entry_of(const Bytes& file) {
    if (file.size() >= 8 && file[0] == 0x89 && file[1] == 'P') return file;
    if (file.size() < 14 + 40 || file[0] != 'B' || file[1] != 'M') return {};
    Bytes entry(file.begin() + 14, file.end());
    if (get32(entry, 0) < 40) return {};  // OS/2 headers hold 16-bit sizes
    const auto width = static_cast<std::int32_t>(get32(entry, 4));
    const auto height = static_cast<std::int32_t>(get32(entry, 8));
    if (width <= 0 || height <= 0 || width > 1024 || height > 1024) return {};
    set32(entry, 8, static_cast<std::uint32_t>(height) * 2);
    const std::size_t mask_row = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    entry.resize(entry.size() + mask_row * static_cast<std::size_t>(height), 0);
    return entry;
}

Bytes icon_of(const std::vector<Bytes>& entries) {
    Bytes out;
    put16(out, 0);
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const Bytes& e : entries) {
        out.insert(out.end(), {0, 0, 0, 0});  // size 256 x 256: the entry's own header tells
        put16(out, 1);
        put16(out, 32);
        put32(out, static_cast<std::uint32_t>(e.size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(e.size());
    }
    for (const Bytes& e : entries)
        out.insert(out.end(), e.begin(), e.end());
    return out;
}

bool write_file(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_ico_seeds OUT_DIR FILE...\n");
        return 2;
    }
    const std::filesystem::path out_dir = argv[1];
    std::filesystem::create_directories(out_dir);
    std::vector<Bytes> entries;
    for (int i = 2; i < argc; ++i) {
        Bytes entry = entry_of(read_file(argv[i]));
        if (entry.empty()) continue;
        const std::string name = std::filesystem::path(argv[i]).stem().string() + ".ico";
        if (!write_file(out_dir / name, icon_of({entry}))) return 1;
        entries.push_back(std::move(entry));
    }
    if (entries.size() >= 2 &&
        !write_file(out_dir / "two_entries.ico", icon_of({entries[0], entries[1]})))
        return 1;
    std::printf("%zu icon seeds in %s\n", entries.size() + (entries.size() >= 2 ? 1 : 0),
                out_dir.c_str());
    return 0;
}

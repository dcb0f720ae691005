#include "skin/decode_ico.h"

#include "skin/decode_bmp.h"
#include "skin/decode_png.h"

namespace gorvo::skin {
namespace {

constexpr std::size_t kDirectoryHeader = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct Entry {
    Bytes data;
    std::uint64_t area = 0;  // a PNG entry may claim 2^32 - 1 on each side
    std::uint32_t bits = 0;
};

bool is_png(Bytes data) {
    if (data.size() < sizeof kPngSignature) return false;
    for (std::size_t i = 0; i < sizeof kPngSignature; ++i) {
        if (data[i] != kPngSignature[i]) return false;
    }
    return true;
}

// The entry's size as its own data states it (the directory holds one byte per side, 0 for
// 256 and anything larger); the directory's values when the data cannot tell.
void measure(Entry& entry, std::uint32_t listed_width, std::uint32_t listed_height) {
    const ByteReader data(entry.data);
    std::uint32_t width = listed_width == 0 ? 256 : listed_width;
    std::uint32_t height = listed_height == 0 ? 256 : listed_height;
    std::uint32_t w = 0, h = 0, bits = 0;
    if (is_png(entry.data)) {
        // IHDR: big-endian width and height at bytes 16 and 20.
        if (data.has(16, 8)) {
            width = std::uint32_t{entry.data[16]} << 24 | std::uint32_t{entry.data[17]} << 16 |
                    std::uint32_t{entry.data[18]} << 8 | std::uint32_t{entry.data[19]};
            height = std::uint32_t{entry.data[20]} << 24 | std::uint32_t{entry.data[21]} << 16 |
                     std::uint32_t{entry.data[22]} << 8 | std::uint32_t{entry.data[23]};
        }
        if (data.u8(25, bits)) entry.bits = bits == 6 || bits == 2 ? 32 : 24;
    } else if (data.u32(4, w) && data.u32(8, h) && data.u16(14, bits)) {
        width = w;
        height = h / 2;
        entry.bits = bits;
    }
    entry.area = std::uint64_t{width} * std::uint64_t{height};
}

bool larger(const Entry& a, const Entry& b) {
    return a.area != b.area ? a.area > b.area : a.bits > b.bits;
}

}  // namespace

DecodeResult decode_ico(Bytes bytes) {
    if (bytes.empty()) return DecodeResult{nullptr, "the file is empty"};
    const ByteReader reader(bytes);
    std::uint32_t reserved = 1, type = 0, count = 0;
    reader.u16(0, reserved);
    reader.u16(2, type);
    reader.u16(4, count);
    if (reserved != 0 || (type != 1 && type != 2)) return DecodeResult{nullptr, "not an ICO file"};
    if (count == 0) return DecodeResult{nullptr, "the icon holds no picture"};
    if (!reader.has(kDirectoryHeader, count * kEntrySize)) {
        return DecodeResult{nullptr, "the file ends inside its directory"};
    }

    Entry best;
    bool found = false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kDirectoryHeader + i * kEntrySize;
        std::uint32_t width = 0, height = 0, size = 0, offset = 0;
        reader.u8(at, width);
        reader.u8(at + 1, height);
        reader.u32(at + 8, size);
        reader.u32(at + 12, offset);
        if (!reader.has(offset, size) || size == 0) continue;
        Entry entry;
        entry.data = reader.slice(offset, size);
        measure(entry, width, height);
        if (!found || larger(entry, best)) best = entry;
        found = true;
    }
    if (!found) return DecodeResult{nullptr, "the icon's pictures lie outside the file"};
    return is_png(best.data) ? decode_png(best.data) : decode_icon_bitmap(best.data);
}

}  // namespace gorvo::skin

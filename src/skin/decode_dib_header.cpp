#include <algorithm>
#include <bit>

#include "skin/decode_dib.h"
#include "skin/picture_limits.h"

namespace gorvo::skin::dib {
namespace {

constexpr std::uint32_t kCoreHeader = 12;  // OS/2 1.x: 16-bit sizes, 3-byte palette entries
constexpr std::uint32_t kOs2ShortHeader = 16;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kOs2Header = 64;

bool known_header_size(std::uint32_t size) {
    switch (size) {
        case kCoreHeader:
        case kOs2ShortHeader:
        case kInfoHeader:
        case 52:  // with colour masks
        case 56:  // with colour and alpha masks
        case kOs2Header:
        case 108:  // V4
        case 124:  // V5
            return true;
        default:
            return false;
    }
}

struct RawHeader {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t colours_used = 0;
};

void read_raw(const ByteReader& bytes, std::size_t at, std::uint32_t size, RawHeader& raw) {
    if (size == kCoreHeader) {
        std::uint32_t width = 0, height = 0;
        bytes.u16(at + 4, width);
        bytes.u16(at + 6, height);
        bytes.u16(at + 10, raw.bits);
        raw.width = static_cast<std::int32_t>(width);
        raw.height = static_cast<std::int32_t>(height);
        return;
    }
    bytes.i32(at + 4, raw.width);
    bytes.i32(at + 8, raw.height);
    bytes.u16(at + 14, raw.bits);
    if (size >= 20) bytes.u32(at + 16, raw.compression);
    if (size >= 36) bytes.u32(at + 32, raw.colours_used);
}

std::string compression_of(const RawHeader& raw, std::uint32_t header_size, Compression& out) {
    const bool os2 = header_size == kOs2ShortHeader || header_size == kOs2Header;
    switch (raw.compression) {
        case 0:
            out = Compression::None;
            return {};
        case 1:
            out = Compression::Rle8;
            return raw.bits == 8 ? "" : "RLE8 data needs 8 bits per pixel";
        case 2:
            out = Compression::Rle4;
            return raw.bits == 4 ? "" : "RLE4 data needs 4 bits per pixel";
        case 3:
            if (os2) return "Huffman-compressed bitmaps are not supported";
            [[fallthrough]];
        case 6:
            out = Compression::BitFields;
            return raw.bits == 16 || raw.bits == 32 ? ""
                                                    : "bit fields need 16 or 32 bits per pixel";
        case 4:
            return os2 ? "RLE24-compressed bitmaps are not supported"
                       : "JPEG data inside a bitmap is not supported";
        case 5:
            return "PNG data inside a bitmap is not supported";
        default:
            return "unknown compression (" + std::to_string(raw.compression) + ")";
    }
}

bool supported_depth(unsigned bits) {
    switch (bits) {
        case 1:
        case 2:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            return true;
        default:
            return false;
    }
}

// Colour masks: inside the header from 52 bytes on; after a 40-byte header when the
// compression says bit fields (three masks, or four with the alpha variant).
std::string read_masks(const ByteReader& bytes, std::size_t at, std::uint32_t header_size,
                       std::uint32_t compression, Header& out, std::size_t& after) {
    std::uint32_t r = 0, g = 0, b = 0, a = 0;
    std::size_t masks_at = at + 40;
    if (header_size == kInfoHeader && (compression == 3 || compression == 6)) {
        after += compression == 6 ? 16 : 12;
        if (!bytes.has(masks_at, after - masks_at)) return "the file ends inside its colour masks";
    } else if (header_size < 52) {
        return "bit fields without colour masks";
    }
    bytes.u32(masks_at, r);
    bytes.u32(masks_at + 4, g);
    bytes.u32(masks_at + 8, b);
    const bool has_alpha_mask = header_size >= 56 || compression == 6;
    if (has_alpha_mask) bytes.u32(masks_at + 12, a);
    const std::uint64_t limit = out.bits == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    if (r > limit || g > limit || b > limit || a > limit) return "colour masks wider than a pixel";
    if ((r | g | b) == 0) return "no colour masks";
    if (!make_channel(r, out.red) || !make_channel(g, out.green) || !make_channel(b, out.blue) ||
        !make_channel(a, out.alpha)) {
        return "colour masks with gaps";
    }
    return {};
}

void default_masks(Header& out) {
    if (out.bits == 16) {
        make_channel(0x7C00, out.red);
        make_channel(0x03E0, out.green);
        make_channel(0x001F, out.blue);
    } else if (out.bits == 32) {
        make_channel(0xFF0000, out.red);
        make_channel(0x00FF00, out.green);
        make_channel(0x0000FF, out.blue);
    }
}

// The palette runs from the end of the header (and masks) to the pixel data. Its declared
// length may be 0 (meaning the full 2^bits), shorter than the space, or longer than the file.
std::string read_palette(const ByteReader& bytes, const Layout& layout, std::uint32_t header_size,
                         const RawHeader& raw, std::size_t start, Header& out) {
    const std::size_t entry = header_size == kCoreHeader ? 3 : 4;
    const std::size_t full = out.bits <= 8 ? std::size_t{1} << out.bits : 0;
    std::size_t declared = raw.colours_used != 0 ? raw.colours_used : full;
    if (out.bits > 8) declared = raw.colours_used;  // an unused palette, skipped
    const std::size_t in_file = (bytes.size() - std::min(bytes.size(), start)) / entry;
    // Only a declared length is a claim the file can fail; older headers have none, and their
    // palette simply ends where the pixel data begins.
    if (declared > in_file && (raw.colours_used != 0 || layout.icon)) {
        return "the palette is larger than the file";
    }
    std::size_t count = std::min(declared, in_file);
    if (layout.pixel_offset && *layout.pixel_offset > start) {
        count = std::min(count, (*layout.pixel_offset - start) / entry);
    }
    out.pixels = layout.pixel_offset && *layout.pixel_offset >= start ? *layout.pixel_offset
                                                                      : start + count * entry;
    const std::size_t used = std::min(count, full);
    for (std::size_t i = 0; i < used; ++i) {
        std::uint32_t b = 0, g = 0, r = 0;
        bytes.u8(start + i * entry, b);
        bytes.u8(start + i * entry + 1, g);
        bytes.u8(start + i * entry + 2, r);
        out.palette[i] = Colour{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                static_cast<std::uint8_t>(b)};
    }
    return {};
}

std::string read_geometry(const RawHeader& raw, const Layout& layout, Header& out) {
    if (raw.width <= 0) return "invalid width (" + std::to_string(raw.width) + ")";
    if (raw.height == 0) return "invalid height (0)";
    out.width = raw.width;
    out.height = raw.height < 0 ? -std::int64_t{raw.height} : std::int64_t{raw.height};
    out.top_down = raw.height < 0;
    if (layout.icon) {
        if (out.top_down || out.height % 2 != 0) return "invalid icon height";
        out.height /= 2;
    }
    if (out.top_down && out.compression != Compression::None &&
        out.compression != Compression::BitFields) {
        return "a compressed bitmap cannot be stored top-down";
    }
    return picture_size_problem(out.width, out.height);
}

}  // namespace

bool make_channel(std::uint32_t mask, Channel& out) {
    out = Channel{};
    if (mask == 0) return true;
    const int shift = std::countr_zero(mask);
    const std::uint32_t bits = mask >> shift;
    if ((bits & (bits + 1)) != 0) return false;  // not one run of ones
    out = Channel{mask, shift, std::popcount(bits)};
    return true;
}

std::uint8_t Channel::read(std::uint32_t pixel) const {
    if (mask == 0) return 0;
    const std::uint64_t value = (pixel & mask) >> shift;
    const std::uint64_t max = (std::uint64_t{1} << bits) - 1;
    return static_cast<std::uint8_t>((value * 255 + max / 2) / max);
}

std::int64_t row_stride(std::int64_t width, unsigned bits) {
    return (width * bits + 31) / 32 * 4;
}

std::string read_header(const ByteReader& bytes, const Layout& layout, Header& out) {
    const std::size_t at = layout.header_offset;
    if (!bytes.u32(at, out.size)) return "the file ends inside its header";
    if (!known_header_size(out.size)) {
        return "unsupported bitmap header (" + std::to_string(out.size) + " bytes)";
    }
    if (!bytes.has(at, out.size)) return "the file ends inside its header";
    RawHeader raw;
    read_raw(bytes, at, out.size, raw);
    out.bits = raw.bits;
    if (std::string problem = compression_of(raw, out.size, out.compression); !problem.empty()) {
        return problem;
    }
    if (!supported_depth(raw.bits)) {
        return "unsupported colour depth (" + std::to_string(raw.bits) + " bits per pixel)";
    }
    if (std::string problem = read_geometry(raw, layout, out); !problem.empty()) return problem;

    std::size_t after = at + out.size;
    if (out.compression == Compression::BitFields) {
        std::string problem = read_masks(bytes, at, out.size, raw.compression, out, after);
        if (!problem.empty()) return problem;
    } else {
        default_masks(out);
    }
    if (std::string problem = read_palette(bytes, layout, out.size, raw, after, out);
        !problem.empty()) {
        return problem;
    }
    if (out.pixels > bytes.size()) return "the file ends before its pixel data";
    return {};
}

}  // namespace gorvo::skin::dib

// The parts of the BMP reader shared by .bmp files and icon entries: the bitmap header with
// its masks and palette, and the two ways of reading pixel data.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/picture.h"
#include "skin/decode_bytes.h"

namespace gorvo::skin::dib {

enum class Compression { None, Rle8, Rle4, BitFields };

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
};

// One channel of a bit-field pixel: its bits within the pixel value.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    bool present() const { return mask != 0; }
    // The channel's value scaled to 0..255.
    std::uint8_t read(std::uint32_t pixel) const;
};
// Checks a mask read from a file; false for a mask whose bits are not contiguous.
bool make_channel(std::uint32_t mask, Channel& out);

struct Header {
    std::uint32_t size = 0;  // bytes of the header itself
    std::int64_t width = 0;
    std::int64_t height = 0;  // rows of the colour bitmap, always positive
    bool top_down = false;
    unsigned bits = 0;
    Compression compression = Compression::None;
    Channel red, green, blue, alpha;    // BitFields (and default 16/32-bit layouts)
    std::array<Colour, 256> palette{};  // entries past the file's palette stay black
    std::size_t pixels = 0;             // offset of the pixel data in the buffer
};

// Where the pixel data lies: a .bmp file says so in its file header; an icon's follows the
// palette directly.
struct Layout {
    std::size_t header_offset = 0;
    std::optional<std::size_t> pixel_offset;
    bool icon = false;  // height counts the colour bitmap and the mask
};

// Reads and checks the header, the masks and the palette; the size limits are checked here,
// before any pixel memory is allocated. Returns the reason on failure, else empty.
std::string read_header(const ByteReader& bytes, const Layout& layout, Header& out);

// Bytes of uncompressed pixel data the header calls for (the last row may lack its padding).
std::int64_t plain_data_size(const Header& header);

// Uncompressed and bit-field pixel data into picture (already sized); empty or a reason.
std::string read_plain_pixels(const ByteReader& bytes, const Header& header, Picture& picture);

// RLE8 or RLE4 pixel data into picture (already sized); empty or a reason.
std::string read_rle_pixels(const ByteReader& bytes, const Header& header, Picture& picture);

// Bytes of one stored row of the given width and depth (rows are padded to 4 bytes).
std::int64_t row_stride(std::int64_t width, unsigned bits);

}  // namespace gorvo::skin::dib

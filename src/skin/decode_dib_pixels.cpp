#include "skin/decode_dib.h"

namespace gorvo::skin::dib {
namespace {

void put(std::uint8_t* out, const Colour& colour) {
    out[0] = colour.r;
    out[1] = colour.g;
    out[2] = colour.b;
    out[3] = 255;
}

std::uint32_t little_endian(const std::uint8_t* in, unsigned count) {
    std::uint32_t value = 0;
    for (unsigned i = 0; i < count; ++i)
        value |= std::uint32_t{in[i]} << (8 * i);
    return value;
}

void read_indexed_row(const std::uint8_t* in, const Header& header, std::uint8_t* out) {
    const unsigned bits = header.bits;
    const unsigned per_byte = 8 / bits;
    const unsigned top = 8 - bits;
    const unsigned index_mask = (1u << bits) - 1;
    for (std::int64_t x = 0; x < header.width; ++x, out += 4) {
        const std::uint8_t byte = in[x / per_byte];
        const unsigned slot = static_cast<unsigned>(x % per_byte);
        put(out, header.palette[(byte >> (top - slot * bits)) & index_mask]);
    }
}

void read_masked_row(const std::uint8_t* in, const Header& header, std::uint8_t* out) {
    const unsigned bytes_per_pixel = header.bits / 8;
    for (std::int64_t x = 0; x < header.width; ++x, out += 4, in += bytes_per_pixel) {
        const std::uint32_t pixel = little_endian(in, bytes_per_pixel);
        out[0] = header.red.read(pixel);
        out[1] = header.green.read(pixel);
        out[2] = header.blue.read(pixel);
        out[3] = header.alpha.present() ? header.alpha.read(pixel) : 255;
    }
}

void read_bgr_row(const std::uint8_t* in, const Header& header, std::uint8_t* out) {
    for (std::int64_t x = 0; x < header.width; ++x, out += 4, in += 3) {
        put(out, Colour{in[2], in[1], in[0]});
    }
}

}  // namespace

std::int64_t plain_data_size(const Header& header) {
    // Some writers leave out the last row's padding.
    const std::int64_t last_row = (header.width * header.bits + 7) / 8;
    return row_stride(header.width, header.bits) * (header.height - 1) + last_row;
}

std::string read_plain_pixels(const ByteReader& bytes, const Header& header, Picture& picture) {
    const std::int64_t stride = row_stride(header.width, header.bits);
    const std::int64_t needed = plain_data_size(header);
    if (!bytes.has(header.pixels, static_cast<std::size_t>(needed))) {
        return "the file ends inside its pixel data";
    }
    const Bytes all = bytes.slice(header.pixels, static_cast<std::size_t>(needed));
    for (std::int64_t row = 0; row < header.height; ++row) {
        const std::uint8_t* in = all.data() + row * stride;
        const std::int64_t y = header.top_down ? row : header.height - 1 - row;
        std::uint8_t* out = picture.pixel(0, static_cast<int>(y));
        if (header.bits <= 8) {
            read_indexed_row(in, header, out);
        } else if (header.bits == 24) {
            read_bgr_row(in, header, out);
        } else {
            read_masked_row(in, header, out);
        }
    }
    return {};
}

}  // namespace gorvo::skin::dib

#include "skin/decode_dib.h"

namespace gorvo::skin::dib {
namespace {

// Walks RLE8/RLE4 codes, writing through a clipped cursor: runs and deltas that point outside
// the picture are dropped, never written. Pixels the codes skip keep palette entry 0.
class RleWriter {
  public:
    RleWriter(const Header& header, Picture& picture) : header_(header), picture_(picture) {}

    void put(unsigned index) {
        if (x_ < header_.width && y_ < header_.height) {
            std::uint8_t* out =
                picture_.pixel(static_cast<int>(x_), static_cast<int>(header_.height - 1 - y_));
            const Colour& colour = header_.palette[index & 0xFF];
            out[0] = colour.r;
            out[1] = colour.g;
            out[2] = colour.b;
        }
        ++x_;
    }
    void end_of_line() {
        x_ = 0;
        ++y_;
    }
    void move(unsigned dx, unsigned dy) {
        x_ += dx;
        y_ += dy;
    }
    bool finished() const { return y_ >= header_.height; }
    // Every row written up to its end, even if the end-of-bitmap code never came.
    bool complete() const {
        return y_ >= header_.height || (y_ == header_.height - 1 && x_ >= header_.width);
    }

  private:
    const Header& header_;
    Picture& picture_;
    std::int64_t x_ = 0;
    std::int64_t y_ = 0;  // counted from the bottom row
};

// A run of count pixels repeating one byte: RLE8 repeats the index, RLE4 alternates the
// byte's two nibbles.
void write_run(RleWriter& writer, bool rle4, unsigned count, unsigned value) {
    for (unsigned i = 0; i < count; ++i) {
        writer.put(rle4 ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
    }
}

// Literal pixels, padded to an even number of bytes. Returns the bytes used, or 0 when the
// data ends first.
std::size_t write_literal(RleWriter& writer, bool rle4, unsigned count, Bytes data) {
    const std::size_t used = rle4 ? (count + 1) / 2 : count;
    const std::size_t padded = used + used % 2;
    if (data.size() < padded) return 0;
    for (unsigned i = 0; i < count; ++i) {
        writer.put(rle4 ? (i % 2 == 0 ? data[i / 2] >> 4 : data[i / 2] & 0x0F) : data[i]);
    }
    return padded;
}

}  // namespace

std::string read_rle_pixels(const ByteReader& bytes, const Header& header, Picture& picture) {
    // Undefined pixels show palette entry 0, the colour a zeroed index buffer would give.
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            std::uint8_t* out = picture.pixel(x, y);
            out[0] = header.palette[0].r;
            out[1] = header.palette[0].g;
            out[2] = header.palette[0].b;
        }
    }
    const bool rle4 = header.compression == Compression::Rle4;
    const Bytes data = bytes.slice(header.pixels, bytes.size());
    RleWriter writer(header, picture);
    std::size_t at = 0;
    while (!writer.finished()) {
        if (data.size() - at < 2) {
            // Some writers leave out the end code after the last pixel.
            return writer.complete() ? "" : "the file ends inside its pixel data";
        }
        const unsigned first = data[at];
        const unsigned second = data[at + 1];
        at += 2;
        if (first > 0) {
            write_run(writer, rle4, first, second);
        } else if (second == 0) {
            writer.end_of_line();
        } else if (second == 1) {
            return {};
        } else if (second == 2) {
            if (data.size() - at < 2) return "the file ends inside its pixel data";
            writer.move(data[at], data[at + 1]);
            at += 2;
        } else {
            const std::size_t used = write_literal(writer, rle4, second, data.subspan(at));
            if (used == 0) return "the file ends inside its pixel data";
            at += used;
        }
    }
    return {};
}

}  // namespace gorvo::skin::dib

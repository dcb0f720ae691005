#include "skin/decode_bmp.h"

#include "skin/decode_dib.h"
#include "skin/picture_limits.h"

namespace gorvo::skin {
namespace {

constexpr std::size_t kFileHeader = 14;

bool all_alpha_zero(const Picture& picture) {
    for (std::size_t i = 3; i < picture.rgba.size(); i += 4) {
        if (picture.rgba[i] != 0) return false;
    }
    return true;
}

bool any_alpha_below_full(const Picture& picture) {
    for (std::size_t i = 3; i < picture.rgba.size(); i += 4) {
        if (picture.rgba[i] != 255) return true;
    }
    return false;
}

void make_opaque(Picture& picture) {
    for (std::size_t i = 3; i < picture.rgba.size(); i += 4)
        picture.rgba[i] = 255;
}

// An alpha mask counts only when it is used: writers that declare one but store 0 everywhere
// mean an opaque picture, not an invisible one.
void settle_alpha(Picture& picture) {
    if (all_alpha_zero(picture)) make_opaque(picture);
    picture.has_alpha = any_alpha_below_full(picture);
}

// The 1-bit mask after an icon's colour bitmap: a set bit makes the pixel transparent. A mask
// cut short by the end of the file is left out.
void apply_icon_mask(const ByteReader& bytes, const dib::Header& header, Picture& picture) {
    const std::int64_t stride = dib::row_stride(header.width, 1);
    const std::size_t at =
        header.pixels +
        static_cast<std::size_t>(dib::row_stride(header.width, header.bits) * header.height);
    if (!bytes.has(at, static_cast<std::size_t>(stride * header.height))) return;
    const Bytes mask = bytes.slice(at, static_cast<std::size_t>(stride * header.height));
    for (std::int64_t row = 0; row < header.height; ++row) {
        const std::uint8_t* bits = mask.data() + row * stride;
        const int y = static_cast<int>(header.height - 1 - row);
        for (std::int64_t x = 0; x < header.width; ++x) {
            if ((bits[x / 8] >> (7 - x % 8)) & 1) picture.pixel(static_cast<int>(x), y)[3] = 0;
        }
    }
}

DecodeResult decode(const ByteReader& bytes, const dib::Layout& layout) {
    dib::Header header;
    if (std::string problem = dib::read_header(bytes, layout, header); !problem.empty()) {
        return DecodeResult::failure(problem);
    }
    // An icon's 32-bit colour bitmap carries alpha in its fourth byte.
    const bool icon_alpha =
        layout.icon && header.bits == 32 && header.compression == dib::Compression::None;
    if (icon_alpha) dib::make_channel(0xFF000000u, header.alpha);

    const bool rle = header.compression == dib::Compression::Rle8 ||
                     header.compression == dib::Compression::Rle4;
    // Checked before allocating, so that a short file cannot claim a large picture.
    if (!rle && !bytes.has(header.pixels, static_cast<std::size_t>(dib::plain_data_size(header)))) {
        return DecodeResult::failure("the file ends inside its pixel data");
    }
    auto picture =
        allocate_picture(static_cast<int>(header.width), static_cast<int>(header.height));
    std::string problem = rle ? dib::read_rle_pixels(bytes, header, *picture)
                              : dib::read_plain_pixels(bytes, header, *picture);
    if (!problem.empty()) return DecodeResult::failure(problem);

    if (header.alpha.present()) settle_alpha(*picture);
    if (layout.icon && !picture->has_alpha) {
        apply_icon_mask(bytes, header, *picture);
        picture->has_alpha = any_alpha_below_full(*picture);
    }
    return DecodeResult{picture, {}};
}

}  // namespace

DecodeResult decode_bmp(Bytes bytes) {
    if (bytes.empty()) return DecodeResult::failure("the file is empty");
    const ByteReader reader(bytes);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'A') {
        return DecodeResult::failure("bitmap arrays are not supported");
    }
    if (bytes.size() < kFileHeader || bytes[0] != 'B' || bytes[1] != 'M')
        return DecodeResult::failure("not a BMP file");
    std::uint32_t pixel_offset = 0;
    reader.u32(10, pixel_offset);
    return decode(reader, dib::Layout{kFileHeader, pixel_offset, false});
}

DecodeResult decode_icon_bitmap(Bytes bytes) {
    return decode(ByteReader(bytes), dib::Layout{0, std::nullopt, true});
}

}  // namespace gorvo::skin

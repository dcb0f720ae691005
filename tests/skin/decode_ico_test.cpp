// The ICO reader: choice of the largest entry, transparency from the mask or the alpha byte of
// bitmap entries, embedded PNG entries, and damaged directories.
#include <gtest/gtest.h>

#include "decode_test_support.h"
#include "skin/decode_ico.h"
#include "skin/decode_png.h"

namespace gorvo::test {
namespace {

using skin::decode_ico;

// A square bitmap entry of one red shade (24 bits, or 32 with the given alpha byte), with a
// mask whose first stored row (the picture's bottom row) hides the leftmost pixel.
std::vector<std::uint8_t> bitmap_entry(int side, std::uint8_t red, int bits = 24,
                                       std::uint8_t alpha = 0) {
    BmpFields bmp;
    bmp.width = side;
    bmp.height = 2 * side;
    bmp.bits = static_cast<std::uint16_t>(bits);
    const std::size_t pixel_bytes = static_cast<std::size_t>(bits / 8);
    const std::size_t stride = (side * pixel_bytes + 3) / 4 * 4;
    const std::size_t mask_stride = (static_cast<std::size_t>(side) + 31) / 32 * 4;
    for (int y = 0; y < side; ++y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (std::size_t x = 0; x < static_cast<std::size_t>(side); ++x) {
            row[x * pixel_bytes + 2] = red;
            if (bits == 32) row[x * 4 + 3] = alpha;
        }
        bmp.pixels.insert(bmp.pixels.end(), row.begin(), row.end());
    }
    bmp.pixels.push_back(0x80);
    bmp.pixels.resize(bmp.pixels.size() + mask_stride * side - 1, 0);
    const std::vector<std::uint8_t> file = make_bmp(bmp);
    return {file.begin() + 14, file.end()};
}

TEST(IcoEntries, TheLargestEntryIsDecoded) {
    const auto result =
        decode_ico(make_ico({bitmap_entry(16, 10), bitmap_entry(48, 30), bitmap_entry(32, 20)}));
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(result.picture->width, 48);
    EXPECT_EQ(result.picture->height, 48);
    EXPECT_EQ(pixel_text(*result.picture, 5, 5), "(30,0,0,255)");
}

TEST(IcoEntries, TransparencyComesFromTheAlphaByteElseFromTheMask) {
    struct Case {
        int bits;
        std::uint8_t alpha;
        const char* masked_pixel;
    };
    for (const Case& c :
         {Case{24, 0, "(200,0,0,0)"}, Case{32, 90, "(200,0,0,90)"}, Case{32, 0, "(200,0,0,0)"}}) {
        SCOPED_TRACE(c.bits);
        const auto result = decode_ico(make_ico({bitmap_entry(8, 200, c.bits, c.alpha)}));
        ASSERT_TRUE(result) << result.error;
        EXPECT_TRUE(result.picture->has_alpha);
        EXPECT_EQ(pixel_text(*result.picture, 0, 7), c.masked_pixel);
        EXPECT_EQ(pixel_text(*result.picture, 1, 7),
                  c.alpha == 0 ? "(200,0,0,255)" : c.masked_pixel);
    }
}

TEST(IcoEntries, PngEntryDecodesLikeThePngFile) {
    const std::vector<std::uint8_t> png = corpus_file("png/basn6a08.png");
    const auto from_icon = decode_ico(make_ico({bitmap_entry(16, 1), png}));
    const auto direct = skin::decode_png(png);
    ASSERT_TRUE(from_icon) << from_icon.error;
    ASSERT_TRUE(direct);
    EXPECT_TRUE(from_icon.picture->rgba == direct.picture->rgba);
    EXPECT_TRUE(from_icon.picture->has_alpha);
}

TEST(IcoDamage, BrokenDirectoriesAreRefused) {
    EXPECT_EQ(decode_ico({}).error, "the file is empty");
    const std::vector<std::uint8_t> file = make_ico({bitmap_entry(8, 1)});
    const auto changed = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> copy = file;
        copy[at] = value;
        return decode_ico(copy);
    };
    EXPECT_EQ(changed(2, 7).error, "not an ICO file");
    EXPECT_FALSE(changed(4, 0)) << "no entries";
    EXPECT_FALSE(changed(4, 255)) << "more entries listed than present";
    EXPECT_FALSE(changed(6 + 15, 0x70)) << "data offset past the end";
}

TEST(IcoDamage, EveryTruncationIsHandledSafely) {
    const std::vector<std::uint8_t> file =
        make_ico({bitmap_entry(8, 1), corpus_file("png/basn3p04.png")});
    ASSERT_TRUE(decode_ico(file));
    for (std::size_t size = 0; size < file.size(); ++size) {
        const auto result = decode_ico(std::vector(file.begin(), file.begin() + long(size)));
        // Once the PNG is cut, the bitmap entry is all that is left.
        EXPECT_TRUE(!result || result.picture->width == 8) << size;
    }
}

}  // namespace
}  // namespace gorvo::test

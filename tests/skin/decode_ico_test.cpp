// The ICO reader: choice of the largest entry, the transparency mask and alpha of bitmap
// entries, embedded PNG entries, and damaged directories.
#include <gtest/gtest.h>

#include "decode_test_support.h"
#include "skin/decode_ico.h"
#include "skin/decode_png.h"

namespace gorvo::test {
namespace {

using skin::decode_ico;

// A square bitmap entry of one colour (24 bits, or 32 with the given alpha), followed by a
// transparency mask whose first row (the picture's bottom row) hides its leftmost pixel.
std::vector<std::uint8_t> bitmap_entry(int side, std::uint8_t red, int bits = 24,
                                       std::uint8_t alpha = 0) {
    BmpSpec spec;
    spec.width = side;
    spec.height = 2 * side;
    spec.bits = static_cast<std::uint16_t>(bits);
    const int bytes_per_pixel = bits / 8;
    const int stride = (side * bytes_per_pixel + 3) / 4 * 4;
    const int mask_stride = (side + 31) / 32 * 4;
    for (int y = 0; y < side; ++y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < side; ++x) {
            row[static_cast<std::size_t>(x * bytes_per_pixel + 2)] = red;
            if (bits == 32) row[static_cast<std::size_t>(x * 4 + 3)] = alpha;
        }
        spec.pixels.insert(spec.pixels.end(), row.begin(), row.end());
    }
    for (int y = 0; y < side; ++y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(mask_stride), 0);
        if (y == 0) row[0] = 0x80;
        spec.pixels.insert(spec.pixels.end(), row.begin(), row.end());
    }
    std::vector<std::uint8_t> file = make_bmp(spec);
    return {file.begin() + 14, file.end()};
}

TEST(IcoEntries, TheLargestEntryIsDecoded) {
    const auto result =
        decode_ico(make_ico({bitmap_entry(16, 10), bitmap_entry(48, 30), bitmap_entry(32, 20)}));
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(result.picture->width, 48);
    EXPECT_EQ(result.picture->height, 48);
    EXPECT_EQ(result.picture->pixel(5, 5)[0], 30);
}

TEST(IcoEntries, MaskMakesPixelsTransparent) {
    const auto result = decode_ico(make_ico({bitmap_entry(8, 200)}));
    ASSERT_TRUE(result) << result.error;
    EXPECT_TRUE(result.picture->has_alpha);
    EXPECT_EQ(pixel_text(*result.picture, 0, 7), "(200,0,0,0)");
    EXPECT_EQ(pixel_text(*result.picture, 1, 7), "(200,0,0,255)");
    EXPECT_EQ(pixel_text(*result.picture, 0, 0), "(200,0,0,255)");
}

TEST(IcoEntries, AlphaChannelTakesPrecedenceOverTheMask) {
    const auto result = decode_ico(make_ico({bitmap_entry(8, 200, 32, 90)}));
    ASSERT_TRUE(result) << result.error;
    EXPECT_TRUE(result.picture->has_alpha);
    EXPECT_EQ(pixel_text(*result.picture, 0, 7), "(200,0,0,90)");
}

TEST(IcoEntries, ZeroAlphaChannelFallsBackToTheMask) {
    const auto result = decode_ico(make_ico({bitmap_entry(8, 200, 32, 0)}));
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(pixel_text(*result.picture, 0, 7), "(200,0,0,0)");
    EXPECT_EQ(pixel_text(*result.picture, 3, 3), "(200,0,0,255)");
}

TEST(IcoEntries, PngEntryDecodesLikeThePngFile) {
    const std::vector<std::uint8_t> png = corpus_file("png/basn6a08.png");
    const auto from_icon = decode_ico(make_ico({bitmap_entry(16, 1), png}));
    const auto direct = skin::decode_png(png);
    ASSERT_TRUE(from_icon) << from_icon.error;
    ASSERT_TRUE(direct);
    EXPECT_EQ(from_icon.picture->width, 32);
    EXPECT_EQ(from_icon.picture->rgba, direct.picture->rgba);
    EXPECT_TRUE(from_icon.picture->has_alpha);
}

TEST(IcoDamage, BrokenDirectoriesAreRefused) {
    EXPECT_EQ(decode_ico({}).error, "the file is empty");
    std::vector<std::uint8_t> file = make_ico({bitmap_entry(8, 1)});
    std::vector<std::uint8_t> not_icon = file;
    not_icon[2] = 7;
    EXPECT_EQ(decode_ico(not_icon).error, "not an ICO file");
    std::vector<std::uint8_t> empty_directory = file;
    empty_directory[4] = 0;
    EXPECT_FALSE(decode_ico(empty_directory));
    std::vector<std::uint8_t> outside = file;
    outside[6 + 12] = 0xF0;  // data offset far past the end
    EXPECT_FALSE(decode_ico(outside));
    std::vector<std::uint8_t> many = file;
    many[4] = 0xFF;  // 255 entries listed, one present
    EXPECT_FALSE(decode_ico(many));
}

TEST(IcoDamage, EveryTruncationIsHandledSafely) {
    const std::vector<std::uint8_t> file =
        make_ico({bitmap_entry(8, 1), corpus_file("png/basn3p04.png")});
    ASSERT_TRUE(decode_ico(file));
    for (std::size_t size = 0; size < file.size(); ++size) {
        const std::vector<std::uint8_t> cut(file.begin(), file.begin() + static_cast<long>(size));
        const auto result = decode_ico(cut);
        if (result) {
            // With the PNG cut away, the bitmap entry is all that is left.
            EXPECT_EQ(result.picture->width, 8) << size;
        } else {
            EXPECT_FALSE(result.error.empty());
        }
    }
}

}  // namespace
}  // namespace gorvo::test

// The BMP reader on files built by hand: row order, bit fields and alpha, RLE edge cases, and
// damaged files, where it must refuse or stay inside its buffers.
#include <gtest/gtest.h>

#include "decode_test_support.h"
#include "skin/decode_bmp.h"

namespace gorvo::test {
namespace {

using skin::decode_bmp;

std::vector<std::uint8_t> rgb(std::initializer_list<int> values) {
    std::vector<std::uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

// 2 x 2, 24 bits: stored bottom row first unless the height is negative.
BmpSpec two_by_two(bool top_down) {
    BmpSpec spec;
    spec.width = 2;
    spec.height = top_down ? -2 : 2;
    // Row A: blue, green; row B: red, white. Each row padded to 8 bytes.
    const auto a = rgb({255, 0, 0, 0, 255, 0, 0, 0});
    const auto b = rgb({0, 0, 255, 255, 255, 255, 0, 0});
    spec.pixels = top_down ? a : b;
    const auto& second = top_down ? b : a;
    spec.pixels.insert(spec.pixels.end(), second.begin(), second.end());
    return spec;
}

TEST(BmpRows, BottomUpAndTopDownGiveTheSamePicture) {
    for (bool top_down : {false, true}) {
        SCOPED_TRACE(top_down ? "top-down" : "bottom-up");
        const auto result = decode_bmp(make_bmp(two_by_two(top_down)));
        ASSERT_TRUE(result) << result.error;
        const Picture& p = *result.picture;
        EXPECT_EQ(pixel_text(p, 0, 0), "(0,0,255,255)");
        EXPECT_EQ(pixel_text(p, 1, 0), "(0,255,0,255)");
        EXPECT_EQ(pixel_text(p, 0, 1), "(255,0,0,255)");
        EXPECT_EQ(pixel_text(p, 1, 1), "(255,255,255,255)");
        EXPECT_FALSE(p.has_alpha);
    }
}

TEST(BmpRows, LastRowMayLackItsPadding) {
    BmpSpec spec = two_by_two(false);
    spec.pixels.resize(spec.pixels.size() - 2);
    EXPECT_TRUE(decode_bmp(make_bmp(spec)));
    spec.pixels.resize(spec.pixels.size() - 1);  // now a pixel byte is missing
    const auto result = decode_bmp(make_bmp(spec));
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("ends inside its pixel data"), std::string::npos) << result.error;
}

TEST(BmpPalette, IndicesPastThePaletteShowBlack) {
    BmpSpec spec;
    spec.width = 3;
    spec.bits = 8;
    spec.palette = {0x00FF0000, 0x0000FF00};
    spec.pixels = rgb({1, 0, 200, 0});
    const auto result = decode_bmp(make_bmp(spec));
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(pixel_text(*result.picture, 0, 0), "(0,255,0,255)");
    EXPECT_EQ(pixel_text(*result.picture, 1, 0), "(255,0,0,255)");
    EXPECT_EQ(pixel_text(*result.picture, 2, 0), "(0,0,0,255)");
}

TEST(BmpPalette, DeclaredPaletteLargerThanTheFileIsRefused) {
    BmpSpec spec;
    spec.bits = 8;
    spec.palette = {0x00FF0000};
    spec.pixels = rgb({0, 0, 0, 0});
    std::vector<std::uint8_t> file = make_bmp(spec);
    file[46] = 0xFF;  // colours used: 65535
    file[47] = 0xFF;
    const auto result = decode_bmp(file);
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("palette"), std::string::npos) << result.error;
}

// A 32-bit V5 bitmap with an alpha mask: alpha kept straight; an alpha channel that is 0
// everywhere means the writer did not use it, and the picture is opaque.
TEST(BmpAlpha, AlphaMaskIsUsedOnlyWhenItHoldsValues) {
    BmpSpec spec;
    spec.width = 2;
    spec.bits = 32;
    spec.compression = 3;
    spec.header_size = 124;
    spec.masks[0] = 0x00FF0000;
    spec.masks[1] = 0x0000FF00;
    spec.masks[2] = 0x000000FF;
    spec.masks[3] = 0xFF000000;
    spec.pixels = rgb({10, 20, 30, 128, 40, 50, 60, 0});
    auto result = decode_bmp(make_bmp(spec));
    ASSERT_TRUE(result) << result.error;
    EXPECT_TRUE(result.picture->has_alpha);
    EXPECT_EQ(pixel_text(*result.picture, 0, 0), "(30,20,10,128)");
    EXPECT_EQ(pixel_text(*result.picture, 1, 0), "(60,50,40,0)");

    spec.pixels = rgb({10, 20, 30, 0, 40, 50, 60, 0});
    result = decode_bmp(make_bmp(spec));
    ASSERT_TRUE(result) << result.error;
    EXPECT_FALSE(result.picture->has_alpha);
    EXPECT_EQ(pixel_text(*result.picture, 1, 0), "(60,50,40,255)");
}

// The fourth byte of a plain 32-bit bitmap is padding, whatever it holds.
TEST(BmpAlpha, PlainThirtyTwoBitIsOpaque) {
    BmpSpec spec;
    spec.bits = 32;
    spec.header_size = 124;
    spec.masks[3] = 0xFF000000;  // ignored without bit-field compression
    spec.pixels = rgb({1, 2, 3, 77});
    const auto result = decode_bmp(make_bmp(spec));
    ASSERT_TRUE(result) << result.error;
    EXPECT_FALSE(result.picture->has_alpha);
    EXPECT_EQ(pixel_text(*result.picture, 0, 0), "(3,2,1,255)");
}

TEST(BmpBitFields, ChannelsScaleToTheFullRange) {
    BmpSpec spec;
    spec.width = 2;
    spec.bits = 16;
    spec.compression = 3;
    spec.masks[0] = 0xF800;
    spec.masks[1] = 0x07E0;
    spec.masks[2] = 0x001F;
    spec.pixels = rgb({0xFF, 0xFF, 0x1F, 0x00});  // white; full blue
    const auto result = decode_bmp(make_bmp(spec));
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(pixel_text(*result.picture, 0, 0), "(255,255,255,255)");
    EXPECT_EQ(pixel_text(*result.picture, 1, 0), "(0,0,255,255)");
}

TEST(BmpBitFields, BadMasksAreRefused) {
    BmpSpec spec;
    spec.bits = 16;
    spec.compression = 3;
    spec.pixels = rgb({0, 0, 0, 0});
    spec.masks[0] = 0xF00F;  // a gap
    spec.masks[1] = 0x0FF0;
    EXPECT_FALSE(decode_bmp(make_bmp(spec)));
    spec.masks[0] = 0x1F0000;  // beyond 16 bits
    EXPECT_FALSE(decode_bmp(make_bmp(spec)));
    spec.masks[0] = spec.masks[1] = 0;  // no colour at all
    EXPECT_FALSE(decode_bmp(make_bmp(spec)));
}

BmpSpec rle8(std::vector<std::uint8_t> codes, int width = 4, int height = 2) {
    BmpSpec spec;
    spec.width = width;
    spec.height = height;
    spec.bits = 8;
    spec.compression = 1;
    spec.palette = {0x00000000, 0x00FF0000, 0x0000FF00};
    spec.pixels = std::move(codes);
    return spec;
}

TEST(BmpRle, RunsLiteralsAndDeltasLandWhereTheCodesSay) {
    // Bottom row: a run of 1 x index 2, then a literal (1, 2, 1) with its padding byte. End of
    // line; top row: a delta (1, 0) skips a pixel, then one pixel of index 2; end of bitmap.
    const auto result =
        decode_bmp(make_bmp(rle8({1, 2, 0, 3, 1, 2, 1, 0, 0, 0, 0, 2, 1, 0, 1, 2, 0, 1})));
    ASSERT_TRUE(result) << result.error;
    const Picture& p = *result.picture;
    EXPECT_EQ(pixel_text(p, 0, 1), "(0,255,0,255)");
    EXPECT_EQ(pixel_text(p, 1, 1), "(255,0,0,255)");
    EXPECT_EQ(pixel_text(p, 2, 1), "(0,255,0,255)");
    EXPECT_EQ(pixel_text(p, 3, 1), "(255,0,0,255)");
    EXPECT_EQ(pixel_text(p, 0, 0), "(0,0,0,255)") << "skipped pixels show palette entry 0";
    EXPECT_EQ(pixel_text(p, 1, 0), "(0,255,0,255)");
    EXPECT_EQ(pixel_text(p, 2, 0), "(0,0,0,255)");
}

TEST(BmpRle, CodesPointingOutsideThePictureAreDropped) {
    // A run of 255 in a 4-pixel row, a delta far past the top, then more runs.
    const auto result = decode_bmp(make_bmp(rle8({255, 1, 0, 2, 200, 200, 255, 2, 0, 1})));
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(pixel_text(*result.picture, 3, 1), "(255,0,0,255)");
    EXPECT_EQ(pixel_text(*result.picture, 0, 0), "(0,0,0,255)");
}

TEST(BmpRle, RleFourAlternatesNibbles) {
    // A run of 3 alternating 1 and 2, then a literal of 3 nibbles (2, 2, 1) in 2 bytes.
    BmpSpec spec = rle8({3, 0x12, 0, 3, 0x22, 0x10, 0, 1}, 6, 1);
    spec.bits = 4;
    spec.compression = 2;
    const auto result = decode_bmp(make_bmp(spec));
    ASSERT_TRUE(result) << result.error;
    std::string row;
    for (int x = 0; x < 6; ++x)
        row += pixel_text(*result.picture, x, 0);
    EXPECT_EQ(row,
              "(255,0,0,255)(0,255,0,255)(255,0,0,255)(0,255,0,255)(0,255,0,255)(255,0,0,255)");
}

TEST(BmpRle, DataEndingBeforeTheLastPixelIsRefused) {
    EXPECT_FALSE(decode_bmp(make_bmp(rle8({2, 1}, 2, 2))));              // first of 2 rows
    EXPECT_FALSE(decode_bmp(make_bmp(rle8({2, 1, 0, 0, 1, 1}, 2, 2))));  // last row half done
    EXPECT_FALSE(decode_bmp(make_bmp(rle8({0, 5, 1, 1}))));              // literal cut short
    // Complete without the end-of-bitmap code: accepted.
    EXPECT_TRUE(decode_bmp(make_bmp(rle8({2, 1, 0, 0, 2, 1}, 2, 2))));
}

TEST(BmpRle, TopDownCompressedBitmapIsRefused) {
    BmpSpec spec = rle8({0, 1});
    spec.height = -2;
    EXPECT_FALSE(decode_bmp(make_bmp(spec)));
}

TEST(BmpHeader, ImpossibleHeadersAreRefusedWithAReason) {
    struct Case {
        const char* what;
        BmpSpec spec;
        const char* reason;
    };
    BmpSpec zero_width = two_by_two(false);
    zero_width.width = 0;
    BmpSpec wide = two_by_two(false);
    wide.width = 16385;
    BmpSpec huge_area = two_by_two(false);
    huge_area.width = 16384;
    huge_area.height = 16384;  // 1 GiB decoded
    BmpSpec depth = two_by_two(false);
    depth.bits = 7;
    BmpSpec header = two_by_two(false);
    header.header_size = 41;
    BmpSpec jpeg = two_by_two(false);
    jpeg.compression = 4;
    const Case cases[] = {
        {"zero width", zero_width, "width"},  {"too wide", wide, "too large"},
        {"too many bytes", huge_area, "MiB"}, {"7 bits", depth, "colour depth"},
        {"41-byte header", header, "header"}, {"JPEG inside", jpeg, "JPEG"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto result = decode_bmp(make_bmp(c.spec));
        EXPECT_FALSE(result);
        EXPECT_NE(result.error.find(c.reason), std::string::npos) << result.error;
    }
}

TEST(BmpHeader, OtherSignaturesAreNotBitmaps) {
    EXPECT_EQ(decode_bmp({}).error, "the file is empty");
    std::vector<std::uint8_t> file = make_bmp(two_by_two(false));
    file[1] = 'X';
    EXPECT_EQ(decode_bmp(file).error, "not a BMP file");
}

// Every prefix of a valid file, each in a buffer of exactly that size, so that the sanitizer
// build catches any read past the end. Only the complete file may decode.
TEST(BmpDamage, EveryTruncationIsRefusedSafely) {
    for (const char* name : {"bmp/g/pal8.bmp", "bmp/g/pal4rle.bmp", "bmp/g/rgb16-565.bmp",
                             "bmp/g/pal8os2.bmp", "bmp/q/rgba32-1.bmp"}) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> file = corpus_file(name);
        ASSERT_FALSE(file.empty());
        ASSERT_TRUE(decode_bmp(file));
        int accepted = 0;
        for (std::size_t size = 0; size < file.size(); ++size) {
            const std::vector<std::uint8_t> cut(file.begin(),
                                                file.begin() + static_cast<long>(size));
            accepted += decode_bmp(cut) ? 1 : 0;
        }
        // Only the end code of an RLE file or the last row's padding may be missing.
        EXPECT_LE(accepted, 3);
    }
}

}  // namespace
}  // namespace gorvo::test

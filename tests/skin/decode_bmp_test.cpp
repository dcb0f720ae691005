// The BMP reader on files built by hand, for what the corpus leaves open: alpha masks that are
// declared but unused, RLE codes that skip pixels or stop early, and header refusals.
#include <gtest/gtest.h>

#include "decode_test_support.h"
#include "skin/decode_bmp.h"

namespace gorvo::test {
namespace {

using skin::decode_bmp;

// A V5 bitmap of two 32-bit pixels with an alpha mask in the top byte.
BmpFields two_pixels_with_alpha(std::uint8_t first_alpha, std::uint8_t second_alpha) {
    BmpFields bmp;
    bmp.width = 2;
    bmp.bits = 32;
    bmp.compression = 3;
    bmp.header_size = 124;
    bmp.masks[0] = 0x00FF0000;
    bmp.masks[1] = 0x0000FF00;
    bmp.masks[2] = 0x000000FF;
    bmp.masks[3] = 0xFF000000;
    bmp.pixels = {10, 20, 30, first_alpha, 40, 50, 60, second_alpha};
    return bmp;
}

// Alpha is straight; a mask that holds 0 everywhere was declared but not used, and without
// bit-field compression the mask does not apply at all. Both mean an opaque picture.
TEST(BmpAlpha, AlphaMaskCountsOnlyWhenUsed) {
    BmpFields plain = two_pixels_with_alpha(128, 0);
    plain.compression = 0;
    const std::pair<BmpFields, const char*> cases[] = {
        {two_pixels_with_alpha(128, 0), "(30,20,10,128)(60,50,40,0)"},
        {two_pixels_with_alpha(0, 0), "(30,20,10,255)(60,50,40,255)"},
        {plain, "(30,20,10,255)(60,50,40,255)"},
    };
    for (const auto& [bmp, pixels] : cases) {
        SCOPED_TRACE(pixels);
        const auto result = decode_bmp(make_bmp(bmp));
        ASSERT_TRUE(result) << result.error;
        EXPECT_EQ(pixel_text(*result.picture, 0, 0) + pixel_text(*result.picture, 1, 0), pixels);
        EXPECT_EQ(result.picture->has_alpha, std::string(pixels).find(",0)") != std::string::npos);
    }
}

BmpFields rle8(std::vector<std::uint8_t> codes, int width = 4, int height = 2) {
    BmpFields bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.bits = 8;
    bmp.compression = 1;
    bmp.palette = {0x00000000, 0x00FF0000, 0x0000FF00};
    bmp.pixels = std::move(codes);
    return bmp;
}

TEST(BmpRle, RunsLiteralsAndDeltasLandWhereTheCodesSay) {
    // Bottom row: a run of 1 x index 2, then a literal (1, 2, 1) with its padding byte. End of
    // line; top row: a delta (1, 0) skips a pixel, then one pixel of index 2; end of bitmap.
    const auto result =
        decode_bmp(make_bmp(rle8({1, 2, 0, 3, 1, 2, 1, 0, 0, 0, 0, 2, 1, 0, 1, 2, 0, 1})));
    ASSERT_TRUE(result) << result.error;
    std::string rows;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x)
            rows += pixel_text(*result.picture, x, y);
    }
    // Skipped pixels show palette entry 0 (black here).
    EXPECT_EQ(rows,
              "(0,0,0,255)(0,255,0,255)(0,0,0,255)(0,0,0,255)"
              "(0,255,0,255)(255,0,0,255)(0,255,0,255)(255,0,0,255)");
}

TEST(BmpRle, DataEndingBeforeTheLastPixelIsRefused) {
    EXPECT_FALSE(decode_bmp(make_bmp(rle8({2, 1}, 2, 2))));              // first of 2 rows
    EXPECT_FALSE(decode_bmp(make_bmp(rle8({2, 1, 0, 0, 1, 1}, 2, 2))));  // last row half done
    EXPECT_FALSE(decode_bmp(make_bmp(rle8({0, 5, 1, 1}))));              // literal cut short
    // Complete but without the end-of-bitmap code: accepted.
    EXPECT_TRUE(decode_bmp(make_bmp(rle8({2, 1, 0, 0, 2, 1}, 2, 2))));
}

TEST(BmpHeader, ImpossibleHeadersAreRefusedWithAReason) {
    const auto with = [](auto change) {
        BmpFields bmp;
        bmp.pixels = {0, 0, 255, 0};
        change(bmp);
        return bmp;
    };
    // The corpus covers the other refusals; these are the ones it lacks.
    const std::pair<BmpFields, const char*> cases[] = {
        {with([](BmpFields& s) { s.width = s.height = 16384; }), "MiB decoded"},
        {with([](BmpFields& s) { s.bits = 16, s.compression = 3, s.masks[0] = 0xF00F; }), "gaps"},
        {with([](BmpFields& s) { s.bits = 16, s.compression = 3, s.masks[0] = 0x10000; }),
         "wider than a pixel"},
        {with([](BmpFields& s) { s.height = 3; }), "ends inside its pixel data"},
    };
    for (const auto& [bmp, reason] : cases) {
        SCOPED_TRACE(reason);
        const auto result = decode_bmp(make_bmp(bmp));
        EXPECT_FALSE(result);
        EXPECT_NE(result.error.find(reason), std::string::npos) << result.error;
    }
    BmpFields bare_last_row = with([](BmpFields& s) { s.pixels.pop_back(); });
    EXPECT_TRUE(decode_bmp(make_bmp(bare_last_row))) << "the last row's padding may be missing";
}

// Every prefix of a valid file, each in a buffer of exactly that size, so that the sanitizer
// build catches any read past the end. Only the end code of an RLE file or the last row's
// padding may be missing.
TEST(BmpDamage, EveryTruncationIsRefusedSafely) {
    for (const char* name : {"bmp/g/pal8.bmp", "bmp/g/pal4rle.bmp", "bmp/g/rgb16-565.bmp",
                             "bmp/g/pal8os2.bmp", "bmp/q/rgba32-1.bmp"}) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> file = corpus_file(name);
        ASSERT_TRUE(decode_bmp(file));
        int accepted = 0;
        for (std::size_t size = 0; size < file.size(); ++size) {
            accepted += decode_bmp(std::vector(file.begin(), file.begin() + long(size))) ? 1 : 0;
        }
        EXPECT_LE(accepted, 3);
    }
}

}  // namespace
}  // namespace gorvo::test

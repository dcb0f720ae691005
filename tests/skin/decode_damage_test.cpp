// PNG and JPEG files cut short or with bytes changed: the decoders must refuse damage they can
// see and never crash or read outside the file. The sanitizer build makes these checks sharp.
#include <gtest/gtest.h>

#include <random>

#include "decode_test_support.h"
#include "skin/decode_jpeg.h"
#include "skin/decode_png.h"

namespace gorvo::test {
namespace {

using Decoder = skin::DecodeResult (*)(std::span<const std::uint8_t>);

// Decodes every prefix of the file (each in a buffer of exactly that size); returns how many
// were accepted, failing the test for an accepted prefix that is not the full picture's size.
int accepted_prefixes(const std::vector<std::uint8_t>& file, Decoder decode, std::size_t step) {
    const auto full = decode(file);
    EXPECT_TRUE(full) << full.error;
    if (!full) return 0;
    int accepted = 0;
    for (std::size_t size = 0; size < file.size(); size += step) {
        const std::vector<std::uint8_t> cut(file.begin(), file.begin() + static_cast<long>(size));
        const auto result = decode(cut);
        if (!result) {
            EXPECT_FALSE(result.error.empty());
            continue;
        }
        ++accepted;
        EXPECT_EQ(result.picture->width, full.picture->width) << size;
        EXPECT_TRUE(result.picture->rgba == full.picture->rgba) << "prefix " << size << " of "
                                                                << file.size();
    }
    return accepted;
}

// Only the trailing IEND chunk (12 bytes) may be missing from a PNG file.
TEST(PngDamage, TruncatedFilesAreRefused) {
    for (const char* name :
         {"png/basn6a08.png", "png/basi3p04.png", "png/basn0g16.png", "png/tbrn2c08.png"}) {
        SCOPED_TRACE(name);
        EXPECT_LE(accepted_prefixes(corpus_file(name), skin::decode_png, 1), 12);
    }
}

// The end-of-image marker may be missing; cutting into the pixel data is refused.
TEST(JpegDamage, TruncatedFilesAreRefused) {
    for (const char* name : {"jpeg/testorig.jpg", "jpeg/testimgp.jpg", "jpeg/testimggray.jpg"}) {
        SCOPED_TRACE(name);
        EXPECT_LE(accepted_prefixes(corpus_file(name), skin::decode_jpeg, 7), 1);
    }
}

// Random byte changes: any outcome is allowed except a crash, a hang, or an accepted picture
// of another size than its header claims within the limits.
void survive_mutations(const std::vector<std::uint8_t>& file, Decoder decode, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> position(0, file.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> changed = file;
        const int changes = 1 + round % 4;
        for (int i = 0; i < changes; ++i) {
            changed[position(random)] = static_cast<std::uint8_t>(byte(random));
        }
        const auto result = decode(changed);
        if (result) {
            EXPECT_EQ(result.picture->rgba.size(),
                      static_cast<std::size_t>(result.picture->width) * result.picture->height * 4);
        } else {
            EXPECT_FALSE(result.error.empty());
        }
    }
}

TEST(PngDamage, ChangedBytesNeverCrash) {
    survive_mutations(corpus_file("png/basi6a08.png"), skin::decode_png, 1);
    survive_mutations(corpus_file("png/tbbn3p08.png"), skin::decode_png, 2);
}

TEST(JpegDamage, ChangedBytesNeverCrash) {
    survive_mutations(corpus_file("jpeg/testorig.jpg"), skin::decode_jpeg, 3);
    survive_mutations(corpus_file("jpeg/testimgp.jpg"), skin::decode_jpeg, 4);
}

}  // namespace
}  // namespace gorvo::test

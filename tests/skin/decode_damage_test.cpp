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

// Decodes prefixes of the file, each in a buffer of exactly that size. An accepted prefix must
// give the full picture; returns how many were accepted.
int accepted_prefixes(const std::vector<std::uint8_t>& file, Decoder decode, std::size_t step) {
    const auto full = decode(file);
    EXPECT_TRUE(full) << full.error;
    int accepted = 0;
    for (std::size_t size = 0; full && size < file.size(); size += step) {
        const auto result = decode(std::vector(file.begin(), file.begin() + long(size)));
        if (!result) continue;
        ++accepted;
        EXPECT_TRUE(result.picture->rgba == full.picture->rgba) << size << " of " << file.size();
    }
    return accepted;
}

TEST(PictureDamage, PngFilesLackingMoreThanTheirEndChunkAreRefused) {
    for (const char* name : {"png/basn6a08.png", "png/basi3p04.png", "png/basn0g16.png"}) {
        SCOPED_TRACE(name);
        EXPECT_LE(accepted_prefixes(corpus_file(name), skin::decode_png, 1), 12);
    }
}

// Only the end marker may be missing, and only after a single scan: a progressive file cut
// between scans would show a blurred picture.
TEST(PictureDamage, JpegFilesLackingMoreThanTheirEndMarkerAreRefused) {
    for (const char* name : {"jpeg/testorig.jpg", "jpeg/testimgp.jpg", "jpeg/testimggray.jpg"}) {
        SCOPED_TRACE(name);
        EXPECT_LE(accepted_prefixes(corpus_file(name), skin::decode_jpeg, 7), 1);
    }
}

// Random byte changes: refusal or a picture are both fine; a crash, a read outside the buffer
// or an inconsistent picture are not.
TEST(PictureDamage, ChangedBytesNeverCrash) {
    const std::pair<const char*, Decoder> files[] = {{"png/basi6a08.png", skin::decode_png},
                                                     {"png/tbbn3p08.png", skin::decode_png},
                                                     {"jpeg/testorig.jpg", skin::decode_jpeg},
                                                     {"jpeg/testimgp.jpg", skin::decode_jpeg}};
    std::mt19937 random(250);
    for (const auto& [name, decode] : files) {
        const std::vector<std::uint8_t> file = corpus_file(name);
        ASSERT_FALSE(file.empty()) << name;
        for (int round = 0; round < 300; ++round) {
            std::vector<std::uint8_t> changed = file;
            for (int i = 0; i <= round % 4; ++i) {
                changed[random() % changed.size()] = static_cast<std::uint8_t>(random());
            }
            const auto result = decode(changed);
            EXPECT_TRUE(result ? result.picture->rgba.size() ==
                                     std::size_t(result.picture->width) * result.picture->height * 4
                               : !result.error.empty())
                << name << " round " << round;
        }
    }
}

}  // namespace
}  // namespace gorvo::test

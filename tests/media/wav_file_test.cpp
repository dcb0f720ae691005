#include "wav_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "wav_reader.h"

namespace gorvo::media {
namespace {

TEST(WavFile, HeaderDescribes16BitMonoPcm) {
    const std::vector<std::int16_t> samples{0, 1, -1, 32766, -32766, 258};
    const auto bytes = wav_bytes(samples, 22050);
    ASSERT_EQ(bytes.size(), 44u + 12u);
    const auto w = test::read_wav(bytes);
    EXPECT_EQ(w.error, "");
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, 22050);
    EXPECT_EQ(w.bits, 16);
    EXPECT_EQ(w.samples, samples);
    // Byte rate and block align, which players use to compute the duration.
    EXPECT_EQ(bytes[28] | bytes[29] << 8 | bytes[30] << 16, 44100);
    EXPECT_EQ(bytes[32], 2);
    // Little-endian samples: 258 = 0x0102.
    EXPECT_EQ(bytes[54], 0x02);
    EXPECT_EQ(bytes[55], 0x01);
}

TEST(WavFile, WritesTheFileAndReportsWhereItCannot) {
    const auto dir = std::filesystem::temp_directory_path() / "gorvo_media_wav_test";
    std::filesystem::create_directories(dir);
    const auto path = (dir / "t.wav").string();
    EXPECT_EQ(write_wav(path, {1, 2, 3}, 22050), "");
    EXPECT_EQ(test::read_wav_file(path).samples, (std::vector<std::int16_t>{1, 2, 3}));

    const auto bad = (dir / "no such folder" / "t.wav").string();
    const auto error = write_wav(bad, {1}, 22050);
    EXPECT_NE(error.find("cannot create " + bad), std::string::npos) << error;
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace gorvo::media

// Every file of the picture corpus, judged by its manifest: accepted files must decode to the
// expected pixels, rejected ones must fail with a message, and the rest must at least decode
// safely (the sanitizer build checks that no byte outside a buffer is touched).
#include <gtest/gtest.h>

#include <cmath>

#include "decode_test_support.h"
#include "skin/pictures.h"

namespace gorvo::test {
namespace {

const std::filesystem::path kCorpus = GORVO_CORPUS_DIR;

std::vector<ManifestEntry> entries_with_verdict(const std::string& verdict) {
    std::vector<ManifestEntry> out;
    for (ManifestEntry& entry : read_manifest(kCorpus / "manifest.json")) {
        if (entry["verdict"] == verdict) out.push_back(entry);
    }
    return out;
}

// JPEG entries carry no tolerance: files that libjpeg's default decode reproduces must match
// exactly, the others (CMYK, converted approximately) by mean error and PSNR. Colour counts
// only where the expected pixel is visible.
void expect_matches(ManifestEntry& entry, const Picture& actual) {
    if (entry["expected"].empty()) return;
    const std::optional<Picture> expected = read_pam(kCorpus / entry["expected"]);
    ASSERT_TRUE(expected) << "cannot read " << entry["expected"];
    ASSERT_EQ(actual.width, expected->width);
    ASSERT_EQ(actual.height, expected->height);
    const bool statistical = entry["tolerance"].empty() && entry["same_as_djpeg_default"] != "true";
    const int allowed =
        entry["tolerance"].empty() ? (statistical ? 255 : 0) : std::stoi(entry["tolerance"]);
    double sum = 0, squares = 0;
    std::size_t compared = 0, worst_at = 0;
    int worst = 0;
    for (std::size_t i = 0; i < actual.rgba.size(); ++i) {
        if (i % 4 != 3 && expected->rgba[i - i % 4 + 3] == 0) continue;
        const int diff = std::abs(actual.rgba[i] - expected->rgba[i]);
        if (diff > worst) worst = diff, worst_at = i / 4;
        sum += diff;
        squares += double(diff) * diff;
        ++compared;
    }
    const int x = static_cast<int>(worst_at % static_cast<std::size_t>(actual.width));
    const int y = static_cast<int>(worst_at / static_cast<std::size_t>(actual.width));
    EXPECT_LE(worst, allowed) << "at " << x << "," << y << ": " << pixel_text(actual, x, y)
                              << ", expected " << pixel_text(*expected, x, y);
    if (statistical && compared > 0) {
        EXPECT_LE(sum / double(compared), 3.0);
        EXPECT_GE(10 * std::log10(255.0 * 255.0 * double(compared) / std::max(squares, 1.0)), 35.0);
    }
}

void expect_alpha_flag(ManifestEntry& entry, const Picture& picture) {
    if (entry["format"] == "png") {
        EXPECT_EQ(picture.has_alpha, entry["alpha_source"] != "none");
    } else if (!entry["transparency"].empty()) {
        EXPECT_EQ(picture.has_alpha, entry["transparency"] == "true");
    }
}

TEST(PictureCorpus, AcceptedFilesDecodeToTheExpectedPixels) {
    const std::vector<ManifestEntry> entries = entries_with_verdict("accept");
    EXPECT_GT(entries.size(), 200u) << "manifest not read";
    for (ManifestEntry entry : entries) {
        SCOPED_TRACE(entry["file"]);
        const skin::DecodeResult result = skin::load_picture(kCorpus / entry["file"]);
        ASSERT_TRUE(result) << result.error;
        EXPECT_EQ(std::to_string(result.picture->width), entry["width"]);
        EXPECT_EQ(std::to_string(result.picture->height), entry["height"]);
        expect_alpha_flag(entry, *result.picture);
        expect_matches(entry, *result.picture);
    }
}

TEST(PictureCorpus, RejectedFilesFailWithAMessageNamingTheFile) {
    const std::vector<ManifestEntry> entries = entries_with_verdict("reject");
    EXPECT_GT(entries.size(), 20u) << "manifest not read";
    for (ManifestEntry entry : entries) {
        SCOPED_TRACE(entry["file"]);
        const skin::DecodeResult result = skin::load_picture(kCorpus / entry["file"]);
        EXPECT_FALSE(result);
        const std::string name = std::filesystem::path(entry["file"]).filename().string();
        EXPECT_NE(result.error.find(name), std::string::npos) << result.error;
    }
}

// Both outcomes are allowed; an accepted picture must have the stated size and, where an
// expected file exists, its pixels.
TEST(PictureCorpus, FilesOfEitherVerdictDecodeSafely) {
    const std::vector<ManifestEntry> entries = entries_with_verdict("either");
    EXPECT_GT(entries.size(), 50u) << "manifest not read";
    for (ManifestEntry entry : entries) {
        SCOPED_TRACE(entry["file"]);
        const skin::DecodeResult result = skin::load_picture(kCorpus / entry["file"]);
        if (!result) {
            EXPECT_FALSE(result.error.empty());
            continue;
        }
        const std::string width = entry["width"].empty() ? entry["header.width"] : entry["width"];
        const std::string height =
            entry["height"].empty() ? entry["header.height"] : entry["height"];
        EXPECT_EQ(std::to_string(result.picture->width), width);
        EXPECT_EQ(std::to_string(result.picture->height), height);
        expect_matches(entry, *result.picture);
    }
}

// Where the corpus notes prefer one outcome for a file of either verdict, we take it: a skin
// author is better served by a picture that shows what the file holds, and by a refusal where
// the file is visibly damaged.
TEST(PictureCorpus, PreferredOutcomesOfDebatableFiles) {
    const std::pair<const char*, bool> preferred[] = {
        {"png/m_no_iend.png", true},      {"png/m_bad_crc_ancillary.png", true},
        {"jpeg/m_no_eoi.jpg", true},      {"jpeg/m_truncated_half.jpg", false},
        {"bmp/q/pal8offs.bmp", true},     {"bmp/q/pal8os2sp.bmp", true},
        {"bmp/q/pal8os2v2-16.bmp", true}, {"bmp/q/rgb32fakealpha.bmp", true},
        {"bmp/q/rgb24lprof.bmp", true},   {"bmp/q/pal1p1.bmp", true},
        {"bmp/b/rletopdown.bmp", false},  {"bmp/x/ba-bm.bmp", false},
        {"bmp/q/rgb24jpeg.bmp", false},   {"bmp/q/pal1huffmsb.bmp", false},
    };
    for (const auto& [file, accept] : preferred) {
        SCOPED_TRACE(file);
        const skin::DecodeResult result = skin::load_picture(kCorpus / file);
        EXPECT_EQ(static_cast<bool>(result), accept) << result.error;
    }
}

}  // namespace
}  // namespace gorvo::test

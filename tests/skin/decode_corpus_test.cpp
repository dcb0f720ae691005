// Every file of the picture corpus, judged by its manifest: accepted files must decode to the
// expected pixels, rejected ones must fail with a message, and the rest must at least decode
// safely (the sanitizer build checks that no byte outside a buffer is touched).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "decode_test_support.h"
#include "skin/pictures.h"

namespace gorvo::test {
namespace {

const std::filesystem::path kCorpus = GORVO_CORPUS_DIR;

std::vector<Json> manifest_entries() {
    std::ifstream in(kCorpus / "manifest.json");
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    std::optional<Json> doc = parse_json(text.str(), error);
    if (!doc) {
        ADD_FAILURE() << "manifest.json: " << error;
        return {};
    }
    const Json* entries = doc->find("entries");
    if (entries == nullptr || entries->kind != Json::Kind::Array) {
        ADD_FAILURE() << "manifest.json has no entries";
        return {};
    }
    return entries->items;
}

std::vector<Json> entries_with_verdict(const std::string& verdict) {
    std::vector<Json> out;
    for (const Json& entry : manifest_entries()) {
        if (entry.string_or("verdict", "") == verdict) out.push_back(entry);
    }
    return out;
}

// Compares a decode with the expected picture. JPEG entries carry no per-channel tolerance:
// files that libjpeg's default decode reproduces must match exactly, the others (CMYK, whose
// conversion is approximate) by mean error and PSNR. RGB is compared only where the expected
// pixel is visible, since a fully transparent pixel's colour is not seen.
void expect_matches(const Json& entry, const Picture& actual) {
    const std::string expected_name = entry.string_or("expected", "");
    if (expected_name.empty()) return;
    const std::optional<Picture> expected = read_pam(kCorpus / expected_name);
    ASSERT_TRUE(expected) << "cannot read " << expected_name;
    ASSERT_EQ(actual.width, expected->width);
    ASSERT_EQ(actual.height, expected->height);
    ASSERT_EQ(actual.rgba.size(), expected->rgba.size());

    const std::optional<double> tolerance = entry.number_at("tolerance");
    const Json* exact_flag = entry.find("same_as_djpeg_default");
    const bool exact_jpeg = exact_flag != nullptr && exact_flag->boolean;
    const int allowed = tolerance ? static_cast<int>(*tolerance) : (exact_jpeg ? 0 : 255);

    double sum = 0, squares = 0;
    std::size_t compared = 0, worst_at = 0;
    int worst = 0;
    for (std::size_t i = 0; i < actual.rgba.size(); ++i) {
        const bool colour = i % 4 != 3;
        if (colour && expected->rgba[i - i % 4 + 3] == 0) continue;
        const int diff = std::abs(actual.rgba[i] - expected->rgba[i]);
        if (diff > worst) worst = diff, worst_at = i;
        sum += diff;
        squares += double(diff) * diff;
        ++compared;
    }
    const int x = static_cast<int>(worst_at / 4 % static_cast<std::size_t>(actual.width));
    const int y = static_cast<int>(worst_at / 4 / static_cast<std::size_t>(actual.width));
    EXPECT_LE(worst, allowed) << "worst pixel " << x << "," << y << ": got "
                              << pixel_text(actual, x, y) << ", expected "
                              << pixel_text(*expected, x, y);
    if (!tolerance && !exact_jpeg && compared > 0) {
        const double mean = sum / double(compared);
        const double mse = squares / double(compared);
        EXPECT_LE(mean, 3.0);
        if (mse > 0) {
            EXPECT_GE(10 * std::log10(255.0 * 255.0 / mse), 35.0);
        }
    }
}

void expect_alpha_flag(const Json& entry, const Picture& picture) {
    const std::string format = entry.string_or("format", "");
    if (format == "jpeg") {
        EXPECT_FALSE(picture.has_alpha);
    } else if (format == "png") {
        EXPECT_EQ(picture.has_alpha, entry.string_or("alpha_source", "none") != "none");
    } else if (const Json* transparency = entry.find("transparency"); transparency != nullptr) {
        EXPECT_EQ(picture.has_alpha, transparency->boolean);
    }
}

TEST(PictureCorpus, ManifestListsEveryFormatAndVerdict) {
    const std::vector<Json> entries = manifest_entries();
    EXPECT_GT(entries.size(), 300u);
    EXPECT_FALSE(entries_with_verdict("accept").empty());
    EXPECT_FALSE(entries_with_verdict("reject").empty());
    EXPECT_FALSE(entries_with_verdict("either").empty());
}

TEST(PictureCorpus, AcceptedFilesDecodeToTheExpectedPixels) {
    for (const Json& entry : entries_with_verdict("accept")) {
        const std::string file = entry.string_or("file", "");
        SCOPED_TRACE(file);
        const skin::DecodeResult result = skin::load_picture(kCorpus / file);
        ASSERT_TRUE(result) << result.error;
        EXPECT_EQ(result.picture->width, entry.number_at("width").value_or(-1));
        EXPECT_EQ(result.picture->height, entry.number_at("height").value_or(-1));
        expect_alpha_flag(entry, *result.picture);
        expect_matches(entry, *result.picture);
    }
}

TEST(PictureCorpus, RejectedFilesFailWithAMessageNamingTheFile) {
    for (const Json& entry : entries_with_verdict("reject")) {
        const std::string file = entry.string_or("file", "");
        SCOPED_TRACE(file);
        const skin::DecodeResult result = skin::load_picture(kCorpus / file);
        EXPECT_FALSE(result);
        EXPECT_NE(result.error.find(std::filesystem::path(file).filename().string()),
                  std::string::npos)
            << result.error;
    }
}

// Both outcomes are allowed; an accepted picture must have the stated size and, where an
// expected file exists, its pixels.
TEST(PictureCorpus, FilesOfEitherVerdictDecodeSafely) {
    for (const Json& entry : entries_with_verdict("either")) {
        const std::string file = entry.string_or("file", "");
        SCOPED_TRACE(file);
        const skin::DecodeResult result = skin::load_picture(kCorpus / file);
        if (!result) {
            EXPECT_FALSE(result.error.empty());
            continue;
        }
        const Json* header = entry.find("header");
        const Json* sizes = entry.number_at("width") ? &entry : header;
        if (sizes != nullptr && sizes->number_at("width") && sizes->number_at("height")) {
            EXPECT_EQ(result.picture->width, sizes->number_at("width").value());
            EXPECT_EQ(result.picture->height, std::abs(sizes->number_at("height").value()));
        }
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

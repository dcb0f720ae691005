// Loading a picture file: the format follows the extension, messages name the file, the
// placeholder stands in for a missing picture, and the colour key makes a see-through colour.
#include <gtest/gtest.h>

#include <fstream>

#include "decode_test_support.h"
#include "skin/pictures.h"

namespace gorvo::test {
namespace {

namespace fs = std::filesystem;
using skin::load_picture;

class PictureFiles : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const fs::path file = folder_ / name;
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
        return file;
    }

    const fs::path folder_ =
        fs::temp_directory_path() /
        ("gorvo-pictures-" +
         std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    const std::vector<std::uint8_t> png_ = corpus_file("png/basn6a08.png");
};

TEST_F(PictureFiles, UnknownExtensionIsQuotedAsWritten) {
    EXPECT_EQ(load_picture(write("logo.gif", png_)).error, "Unknown picture file extension (.gif)");
    EXPECT_EQ(load_picture(write("logo.Tiff", png_)).error,
              "Unknown picture file extension (.Tiff)");
    EXPECT_EQ(load_picture(write("logo", png_)).error, "Unknown picture file extension (.)");
    EXPECT_EQ(load_picture(write("skin.v2/logo", png_)).error,
              "Unknown picture file extension (.)");
    // Decided by the name alone, before the file is looked at.
    EXPECT_EQ(load_picture(folder_ / "gone.xcf").error, "Unknown picture file extension (.xcf)");
}

TEST_F(PictureFiles, ExtensionsAreComparedWithoutCase) {
    const std::vector<std::uint8_t> jpeg = corpus_file("jpeg/m_1x1.jpg");
    const std::vector<std::uint8_t> bmp = corpus_file("bmp/g/pal8.bmp");
    const std::vector<std::uint8_t> ico = make_ico({png_});
    for (const auto& [name, bytes] : {std::pair{"A.PNG", &png_},
                                      {"c.JPG", &jpeg},
                                      {"d.jpeg", &jpeg},
                                      {"e.JpEg", &jpeg},
                                      {"f.Bmp", &bmp},
                                      {"g.ICO", &ico}}) {
        SCOPED_TRACE(name);
        const auto result = load_picture(write(name, *bytes));
        EXPECT_TRUE(result) << result.error;
    }
}

TEST_F(PictureFiles, FailuresNameTheFileAndTheFormat) {
    fs::create_directories(folder_ / "folder.png");
    const std::pair<fs::path, const char*> cases[] = {
        {write("case.bmp", png_), "BMP"},  // content of another format
        {folder_ / "missing.png", "missing.png"}, {folder_ / "folder.png", "folder.png"},
        {write("case.wmf", {1, 2, 3}), "WMF"},    {write("case.EMF", {1, 2, 3}), "EMF"},
    };
    for (const auto& [file, word] : cases) {
        SCOPED_TRACE(file.filename().string());
        const auto result = load_picture(file);
        EXPECT_FALSE(result);
        EXPECT_NE(result.error.find(file.filename().string()), std::string::npos) << result.error;
        EXPECT_NE(result.error.find(word), std::string::npos) << result.error;
    }
}

TEST(Placeholder, IsARedSquareWithABlackOutline) {
    const auto picture = skin::placeholder_picture();
    ASSERT_EQ(picture->width, 10);
    ASSERT_EQ(picture->height, 10);
    ASSERT_EQ(picture->rgba.size(), 400u);
    EXPECT_FALSE(picture->has_alpha);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool edge = x == 0 || y == 0 || x == 9 || y == 9;
            EXPECT_EQ(pixel_text(*picture, x, y), edge ? "(0,0,0,255)" : "(255,0,0,255)")
                << x << "," << y;
        }
    }
}

TEST(ColourKey, BottomLeftColourBecomesTransparent) {
    Picture picture;
    picture.width = 3;
    picture.height = 2;
    // Top row: key, other, key with another alpha; bottom row: key, near-key, other.
    picture.rgba = {9, 8, 7, 255, 1, 2, 3, 255, 9, 8, 7, 200,
                    9, 8, 7, 255, 9, 8, 6, 255, 0, 0, 0, 255};
    skin::apply_colour_key(picture);
    EXPECT_TRUE(picture.has_alpha);
    std::string alpha;
    for (std::size_t i = 3; i < picture.rgba.size(); i += 4)
        alpha += std::to_string(picture.rgba[i]) + " ";
    EXPECT_EQ(alpha, "0 255 0 0 255 255 ");
    EXPECT_EQ(pixel_text(picture, 0, 0), "(9,8,7,0)") << "the colour itself is kept";

    Picture empty;
    skin::apply_colour_key(empty);
    EXPECT_TRUE(empty.rgba.empty());
}

}  // namespace
}  // namespace gorvo::test

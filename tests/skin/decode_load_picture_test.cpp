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
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("gorvo-pictures-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const fs::path file = folder_ / name;
        fs::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
        return file;
    }

    fs::path folder_;
};

TEST_F(PictureFiles, UnknownExtensionIsQuotedAsWritten) {
    const std::vector<std::uint8_t> png = corpus_file("png/basn6a08.png");
    EXPECT_EQ(load_picture(write("logo.gif", png)).error, "Unknown picture file extension (.gif)");
    EXPECT_EQ(load_picture(write("logo.Tiff", png)).error,
              "Unknown picture file extension (.Tiff)");
    EXPECT_EQ(load_picture(write("logo", png)).error, "Unknown picture file extension (.)");
    // A dot in a folder name is no extension.
    EXPECT_EQ(load_picture(write("skin.v2/logo", png)).error, "Unknown picture file extension (.)");
    // Decided by the name alone: a missing file with an unknown extension says the same.
    EXPECT_EQ(load_picture(folder_ / "gone.xcf").error, "Unknown picture file extension (.xcf)");
}

TEST_F(PictureFiles, ExtensionsAreComparedWithoutCase) {
    const std::vector<std::uint8_t> png = corpus_file("png/basn6a08.png");
    const std::vector<std::uint8_t> jpeg = corpus_file("jpeg/m_1x1.jpg");
    const std::vector<std::uint8_t> bmp = corpus_file("bmp/g/pal8.bmp");
    for (const auto& [name, bytes] :
         std::vector<std::pair<std::string, std::vector<std::uint8_t>>>{{"A.PNG", png},
                                                                        {"b.Png", png},
                                                                        {"c.JPG", jpeg},
                                                                        {"d.jpeg", jpeg},
                                                                        {"e.JpEg", jpeg},
                                                                        {"f.BMP", bmp}}) {
        SCOPED_TRACE(name);
        const auto result = load_picture(write(name, bytes));
        EXPECT_TRUE(result) << result.error;
    }
}

TEST_F(PictureFiles, ContentOfAnotherFormatFailsInTheNamedFormatsDecoder) {
    const auto result = load_picture(write("case.bmp", corpus_file("png/basn6a08.png")));
    ASSERT_FALSE(result);
    EXPECT_NE(result.error.find("BMP"), std::string::npos) << result.error;
    EXPECT_NE(result.error.find("case.bmp"), std::string::npos) << result.error;
}

TEST_F(PictureFiles, UnreadableFilesAreNamedInTheMessage) {
    const auto missing = load_picture(folder_ / "missing.png");
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error.find("missing.png"), std::string::npos) << missing.error;
    fs::create_directories(folder_ / "folder.png");
    const auto folder = load_picture(folder_ / "folder.png");
    EXPECT_FALSE(folder);
    EXPECT_NE(folder.error.find("folder.png"), std::string::npos) << folder.error;
}

TEST_F(PictureFiles, MetafilesAreRefusedNamingTheFormat) {
    for (const char* name : {"case.wmf", "case.EMF"}) {
        SCOPED_TRACE(name);
        const auto result = load_picture(write(name, {1, 2, 3, 4}));
        EXPECT_FALSE(result);
        EXPECT_NE(result.error.find(name), std::string::npos) << result.error;
        const std::string format = std::string(name).substr(5);
        EXPECT_NE(result.error.find(format == "wmf" ? "WMF" : "EMF"), std::string::npos)
            << result.error;
    }
}

TEST_F(PictureFiles, IconFilesAreDecoded) {
    const auto result =
        load_picture(write("icon.ico", make_ico({corpus_file("png/basn6a08.png")})));
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(result.picture->width, 32);
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
    // Top row: key, other, key with a different alpha byte; bottom row: key, other, other.
    picture.rgba = {9, 8, 7, 255, 1, 2, 3, 255, 9, 8, 7, 200,
                    9, 8, 7, 255, 9, 8, 6, 255, 0, 0, 0, 255};
    skin::apply_colour_key(picture);
    EXPECT_TRUE(picture.has_alpha);
    const std::vector<int> alpha = {picture.rgba[3],  picture.rgba[7],  picture.rgba[11],
                                    picture.rgba[15], picture.rgba[19], picture.rgba[23]};
    EXPECT_EQ(alpha, (std::vector<int>{0, 255, 0, 0, 255, 255}));
    EXPECT_EQ(pixel_text(picture, 0, 0), "(9,8,7,0)") << "colour itself is kept";
}

TEST(ColourKey, EmptyPictureIsLeftAlone) {
    Picture picture;
    skin::apply_colour_key(picture);
    EXPECT_TRUE(picture.rgba.empty());
    EXPECT_FALSE(picture.has_alpha);
}

}  // namespace
}  // namespace gorvo::test

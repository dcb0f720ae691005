// Double-size companions of skin pictures: where the loader looks for them, which it takes, and
// that one which does not fit never changes what the load does otherwise.
#include <gtest/gtest.h>

#include "loader_fixture.h"
#include "skin/hires_companion.h"

namespace gorvo::skin::test {
namespace {

using Status = SkinLoadResult::Status;

constexpr const char* kSmall = "png/s04n3p01.png";   // 4 x 4
constexpr const char* kDouble = "png/s08n3p02.png";  // 8 x 8: twice kSmall
constexpr const char* kAlmost = "png/s09n3p02.png";  // 9 x 9
constexpr const char* kHalf = "png/s02n3p01.png";    // 2 x 2
constexpr const char* kBroken = "png/m_truncated_idat.png";

TEST(HiresCompanion, LiesBesideThePictureWithItsExtension) {
    EXPECT_EQ(companion_path("Graphics/Skin/im_tobo_01_03.png"),
              fs::path("Graphics/Skin/im_tobo_01_03@2x.png"));
    // Only the file name's last dot starts the extension, as written; a dot in a folder is no
    // extension at all.
    EXPECT_EQ(companion_path("my.skin/case.front.PNG"), fs::path("my.skin/case.front@2x.PNG"));
    EXPECT_EQ(companion_path("my.skin/case"), fs::path("my.skin/case@2x"));
}

TEST(HiresCompanion, AFittingCompanionTravelsWithThePicture) {
    SkinFolder folder;
    folder.add_picture(kSmall, "skin/zero.png");
    folder.add_picture(kDouble, "skin/zero@2x.png");
    folder.add_picture(kSmall, "skin/case.png");  // no companion
    folder.write_config("[Common]\nSkinDir=" + folder.dir("skin") +
                        "\n[Image1]\nFilename=case.png\n"
                        "[Image37]\nFilename=zero.png\nLeft=5\nTop=6\nWidth=4\nHeight=4\n");
    Loaded run;
    run.load(folder, false);
    ASSERT_EQ(run.result.status, Status::Ok) << run.result.message;

    const PicturePtr& zero = run.images[im_panel_number_0].picture;
    ASSERT_NE(zero->hires, nullptr);
    EXPECT_EQ(zero->width, 4);  // sizes stay those of the picture itself
    EXPECT_EQ(run.images[im_panel_number_0].rect, (Rect{5, 6, 4, 4}));
    ASSERT_NE(zero->hires->get(), nullptr);
    EXPECT_EQ(zero->hires->get()->width, 8);
    EXPECT_EQ(zero->hires->get()->height, 8);
    EXPECT_EQ(run.image(1).picture->hires, nullptr);

    // A digit position showing the digit shows its companion too.
    run.images.set_picture_from(im_panel_digit_pos_1, im_panel_number_0);
    ASSERT_NE(run.images[im_panel_digit_pos_1].picture, nullptr);
    EXPECT_EQ(run.images[im_panel_digit_pos_1].picture->hires, zero->hires);
}

TEST(HiresCompanion, OneThatDoesNotFitIsLeftOutAndTheLoadGoesOn) {
    SkinFolder folder;
    folder.add_picture(kSmall, "skin/wrong.png");
    folder.add_picture(kAlmost, "skin/wrong@2x.png");
    folder.add_picture(kSmall, "skin/same.png");
    folder.add_picture(kSmall, "skin/same@2x.png");  // the same size, not twice it
    folder.add_picture(kSmall, "skin/broken.png");
    folder.add_picture(kBroken, "skin/broken@2x.png");
    folder.add_picture(kSmall, "skin/folder.png");
    fs::create_directories(folder.root() / "skin/folder@2x.png");
    folder.add_picture(kDouble, "skin/gone@2x.png");  // beside a picture that is not there
    folder.add_picture(kDouble, "skin/case@2X.png");  // not the name looked for
    folder.add_picture(kSmall, "skin/case.png");
    folder.write_config("[Common]\nSkinDir=" + folder.dir("skin") +
                        "\n[Image1]\nFilename=wrong.png\n[Image2]\nFilename=same.png\n"
                        "[Image3]\nFilename=broken.png\n[Image4]\nFilename=folder.png\n"
                        "[Image5]\nFilename=gone.png\n[Image6]\nFilename=case.png\n");
    Loaded run;
    run.load(folder, false);
    ASSERT_EQ(run.result.status, Status::Ok);
    EXPECT_TRUE(run.result.message.empty()) << run.result.message;
    EXPECT_EQ(run.result.progress.images_done, kSkinImageCount);
    for (int n = 1; n <= 6; ++n) {
        ASSERT_NE(run.image(n).picture, nullptr) << n;
        const auto& hires = run.image(n).picture->hires;
        EXPECT_TRUE(hires == nullptr || hires->get() == nullptr) << n;
    }
    EXPECT_EQ(run.kind(5), PictureSource::Kind::Placeholder);
    EXPECT_EQ(run.image(1).picture->width, 4);
}

TEST(HiresCompanion, BackdropAndLogoHaveThemTooAndKeepTheirSizes) {
    SkinFolder folder;
    folder.add_picture(kSmall, "back/backdrop.png");
    folder.add_picture(kDouble, "back/backdrop@2x.png");
    folder.add_picture(kHalf, "back/logo.png");
    folder.add_picture(kSmall, "back/logo@2x.png");
    folder.write_config("[Fullscreen]\nBackdropDir=" + folder.dir("back") +
                        "\nBackdropFile=backdrop.png\nLogoFile=logo.png\nLogoPosition=3\n");
    Loaded run;
    run.load(folder, true, {1024, 768});
    ASSERT_EQ(run.result.status, Status::Ok) << run.result.message;
    ASSERT_NE(run.images[im_backdrop].picture->hires, nullptr);
    ASSERT_NE(run.images[im_backdrop].picture->hires->get(), nullptr);
    EXPECT_EQ(run.images[im_backdrop].picture->hires->get()->width, 8);
    ASSERT_NE(run.images[im_backdrop_logo].picture->hires, nullptr);
    EXPECT_NE(run.images[im_backdrop_logo].picture->hires->get(), nullptr);
    // The logo takes the size of its picture, never of the companion.
    EXPECT_EQ(run.images[im_backdrop_logo].rect, (Rect{1022, 766, 2, 2}));
}

}  // namespace
}  // namespace gorvo::skin::test

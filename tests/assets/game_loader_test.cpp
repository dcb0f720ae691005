// The shipped skin as the game itself loads it, in both presentations: every picture decodes
// with the game's own decoders, has an alpha channel and the size it is drawn at, and every
// image lands on its design rectangle (shifted by the centring offsets in fullscreen).
#include <gtest/gtest.h>

#include <filesystem>

#include "skin/skin_loader.h"
#include "skin_folder.h"

namespace gorvo::test {
namespace {

// Relative folders in Config.ini resolve against the working directory, as in the game.
class InProgramFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(program_dir());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    static skin::SkinLoadResult load(bool fullscreen, skin::WindowLayout& layout, Images& images) {
        return skin::Gfx_Load_Skin(program_dir() + "/Config.ini", fullscreen, {1920, 1080}, layout,
                                   images);
    }

  private:
    std::filesystem::path previous_;
};

void expect_pictures_in_place(const skin::SkinLoadResult& result, const Images& images, int dx,
                              int dy) {
    ASSERT_EQ(result.status, skin::SkinLoadResult::Status::Ok) << result.message;
    EXPECT_EQ(result.progress.images_done, kSkinImageCount);
    for (int n = 1; n <= kSkinImageCount; ++n) {
        const ImageId id = kSkinImages[n - 1];
        SCOPED_TRACE(name_of(id));
        const Rect& design = kImageDefs[id].design;
        EXPECT_EQ(images[id].rect,
                  (Rect{design.left + dx, design.top + dy, design.width, design.height}));
        const skin::PictureSource& source = result.progress.pictures[n - 1];
        if (source.kind == skin::PictureSource::Kind::Unchanged) continue;  // digit positions
        ASSERT_EQ(source.kind, skin::PictureSource::Kind::File) << source.file;
        ASSERT_TRUE(images[id].picture);
        const Picture& picture = *images[id].picture;
        EXPECT_TRUE(picture.has_alpha);
        EXPECT_EQ(picture.width, drawn_rect(id).width());
        EXPECT_EQ(picture.height, drawn_rect(id).height());
    }
}

TEST_F(InProgramFolder, WindowedLoadKeepsTheDesignLayoutOverTheSeeThroughColour) {
    skin::WindowLayout layout;
    Images images;
    const skin::SkinLoadResult result = load(false, layout, images);
    expect_pictures_in_place(result, images, 0, 0);
    EXPECT_EQ(layout.client_width, 605);
    EXPECT_EQ(layout.client_height, 748);
    EXPECT_TRUE(layout.see_through_on);
    EXPECT_EQ(layout.see_through, 0x00ff00ffu);
}

TEST_F(InProgramFolder, FullscreenLoadCentresTheGameOnTheBackdropWithTheLogo) {
    skin::WindowLayout layout;
    Images images;
    const skin::SkinLoadResult result = load(true, layout, images);
    expect_pictures_in_place(result, images, (1920 - 605) / 2, (1080 - 748) / 2);
    EXPECT_FALSE(layout.see_through_on);
    EXPECT_FALSE(result.progress.backdrop_file.empty());
    EXPECT_FALSE(result.progress.logo_file.empty());
    EXPECT_TRUE(images.visible(im_backdrop));
    EXPECT_TRUE(images.visible(im_backdrop_logo));
    // Logo in the top-right corner, clear of the game menu button at the top left.
    EXPECT_EQ(images[im_backdrop_logo].rect.top, 0);
    EXPECT_EQ(images[im_backdrop_logo].rect.left + images[im_backdrop_logo].rect.width, 1920);
}

}  // namespace
}  // namespace gorvo::test

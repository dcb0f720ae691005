// The pictures of a skin load: skin images, backdrop and logo, the placeholder, folders and
// the picture errors that stop a load.
#include <gtest/gtest.h>

#include <algorithm>

#include "loader_fixture.h"
#include "skin/pictures.h"

namespace gorvo::skin::test {
namespace {

using Kind = PictureSource::Kind;
using Status = SkinLoadResult::Status;

bool is_placeholder(const PicturePtr& picture) {
    if (!picture || picture->width != 10 || picture->height != 10) return false;
    const std::uint8_t* corner = picture->pixel(0, 0);
    const std::uint8_t* inside = picture->pixel(5, 5);
    return corner[0] == 0 && corner[1] == 0 && corner[2] == 0 && inside[0] == 255 &&
           inside[1] == 0 && inside[2] == 0;
}

TEST(LoaderImages, NamedFilesAreLoadedMissingOnesGetThePlaceholder) {
    SkinFolder folder;
    folder.add_picture(kAlphaPng, "skin/case.png");
    folder.add_picture(kOpaqueJpeg, "skin/sub/button.jpg");
    folder.write_config("[Common]\nSkinDir=" + folder.dir("skin") +
                        "\n[Image1]\nFilename=case.png\nLeft=1\nTop=2\nWidth=3\nHeight=4\n"
                        "[Image6]\nFilename=sub\\button.jpg\n"
                        "[Image7]\nFilename=gone.png\nLeft=9\n"
                        "[Image8]\nFilename=sub\n");
    Loaded run;
    run.load(folder, false);
    ASSERT_EQ(run.result.status, Status::Ok) << run.result.message;

    ASSERT_NE(run.image(1).picture, nullptr);
    EXPECT_EQ(run.image(1).picture->width, 32);
    EXPECT_TRUE(run.image(1).picture->has_alpha);
    EXPECT_EQ(run.image(1).rect, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(run.source(1).kind, Kind::File);
    EXPECT_EQ(run.source(1).file, folder.root() / "skin/case.png");

    ASSERT_NE(run.image(6).picture, nullptr);
    EXPECT_EQ(run.image(6).picture->width, 17);
    EXPECT_EQ(run.source(6).file, folder.root() / "skin/sub/button.jpg");

    EXPECT_TRUE(is_placeholder(run.image(7).picture));
    EXPECT_EQ(run.source(7).kind, Kind::Placeholder);
    EXPECT_EQ(run.image(7).rect, (Rect{9, 0, 0, 0}));
    EXPECT_TRUE(is_placeholder(run.image(8).picture));  // a folder is no picture file
}

TEST(LoaderImages, NilOrEmptyLeavesThePictureOnlyLowerCaseNil) {
    SkinFolder folder;
    folder.write_config("[Common]\nSkinDir=" + folder.dir("skin") +
                        "\n[Image1]\nFilename=nil\n[Image2]\nFilename=\n"
                        "[Image3]\nFilename=NIL\n[Image4]\nFilename=Nil\n");
    Loaded run;
    const PicturePtr earlier = placeholder_picture();
    for (int n = 1; n <= 4; ++n)
        run.images.set_own_picture(kSkinImages[n - 1], earlier);
    run.load(folder, false);
    EXPECT_EQ(run.image(1).picture, earlier);
    EXPECT_EQ(run.image(2).picture, earlier);
    EXPECT_EQ(run.source(1).kind, Kind::Unchanged);
    EXPECT_EQ(run.source(2).kind, Kind::Unchanged);
    EXPECT_NE(run.image(3).picture, earlier);  // a file name, and no such file
    EXPECT_EQ(run.source(3).kind, Kind::Placeholder);
    EXPECT_EQ(run.source(4).kind, Kind::Placeholder);
}

TEST(LoaderImages, SectionWithOnlyAFilenameGivesAnEmptyRectAtTheGameOrigin) {
    SkinFolder folder;
    folder.add_picture(kAlphaPng, "skin/acl.png");
    folder.write_config("[Common]\nSkinDir=" + folder.dir("skin") +
                        "\n[Image12]\nFilename=acl.png\n");
    Loaded run;
    run.load(folder, true, {1024, 768});
    EXPECT_EQ(kSkinImages[11], btn_acl_top);
    EXPECT_EQ(run.source(12).kind, Kind::File);
    EXPECT_EQ(run.image(12).rect, (Rect{209, 10, 0, 0}));
}

TEST(LoaderImages, PictureErrorStopsTheLoadAtThatImage) {
    SkinFolder folder;
    folder.add_picture(kBrokenPng, "skin/broken.png");
    folder.write_config("[Common]\nSkinDir=" + folder.dir("skin") +
                        "\n[Image11]\nLeft=11\n[Image12]\nFilename=broken.png\nLeft=12\n"
                        "[Image13]\nLeft=13\n");
    Loaded run;
    run.load(folder, false);
    EXPECT_EQ(run.result.status, Status::Error);
    EXPECT_FALSE(run.result.message.empty());
    EXPECT_EQ(run.result.message, load_picture(folder.root() / "skin/broken.png").error);
    EXPECT_EQ(run.result.progress.images_done, 11);
    EXPECT_EQ(run.image(11).rect.left, 11);
    EXPECT_EQ(run.image(12).rect, kImageDefs[btn_acl_top].design);
    EXPECT_EQ(run.image(12).picture, nullptr);
    EXPECT_EQ(run.image(13).rect, kImageDefs[kSkinImages[12]].design);
}

TEST(LoaderImages, UnknownExtensionStopsTheLoadWithItsMessage) {
    SkinFolder folder;
    SkinFolder::write(folder.root() / "skin/notes.TXT", "hello");
    folder.write_config("[Common]\nSkinDir=" + folder.dir("skin") +
                        "\n[Image1]\nFilename=notes.TXT\n");
    Loaded run;
    run.load(folder, false);
    EXPECT_EQ(run.result.status, Status::Error);
    EXPECT_EQ(run.result.message, "Unknown picture file extension (.TXT)");
    EXPECT_EQ(run.result.progress.images_done, 0);
}

TEST(LoaderImages, LoadingTwiceGivesTheSameResult) {
    SkinFolder folder;
    folder.add_picture(kAlphaPng, "skin/a.png");
    folder.add_picture(kAlphaPng, "b/back.png");
    folder.write_config("[Common]\nSkinDir=" + folder.dir("skin") +
                        "\n[Fullscreen]\nBackdropDir=" + folder.dir("b") +
                        "\nBackdropFile=back.png\nLogoFile=back.png\nLogoPosition=3\n"
                        "[Image1]\nFilename=a.png\nLeft=5\nTop=6\nWidth=7\nHeight=8\n"
                        "[Image2]\nFilename=missing.png\n[Image3]\nLeft=1\n");
    Loaded run;
    run.load(folder, true, {800, 600});
    const Loaded first = run;
    run.load(folder, true, {800, 600});
    EXPECT_EQ(run.result.status, Status::Ok);
    EXPECT_EQ(run.layout.client_width, first.layout.client_width);
    EXPECT_EQ(run.layout.game_offset_x, first.layout.game_offset_x);
    EXPECT_EQ(run.layout.backdrop_stretch, first.layout.backdrop_stretch);
    for (int id = 0; id < kImageCount; ++id) {
        const ImageState& now = run.images[static_cast<ImageId>(id)];
        const ImageState& before = first.images[static_cast<ImageId>(id)];
        EXPECT_EQ(now.rect, before.rect) << kImageDefs[id].name;
        EXPECT_EQ(now.visible, before.visible) << kImageDefs[id].name;
        EXPECT_EQ(now.picture == nullptr, before.picture == nullptr) << kImageDefs[id].name;
    }
}

TEST(LoaderFolders, BackslashesAndAMissingSeparatorAreAccepted) {
    SkinFolder folder;
    folder.add_picture(kAlphaPng, "my skin/x.png");
    std::string dir = (folder.root() / "my skin").string();  // no trailing separator
    std::replace(dir.begin(), dir.end(), '/', '\\');
    folder.write_config("[Common]\nSkinDir=" + dir + "\n[Image1]\nFilename=x.png\n");
    Loaded run;
    run.load(folder, false);
    EXPECT_EQ(run.source(1).kind, Kind::File);
    EXPECT_EQ(run.source(1).file, folder.root() / "my skin/x.png");
}

TEST(LoaderFolders, RelativeAndEmptyFoldersResolveAgainstTheWorkingDirectory) {
    SkinFolder folder;
    folder.add_picture(kAlphaPng, "Graphics/Skin/default.png");
    folder.add_picture(kAlphaPng, "rel/r.png");
    folder.add_picture(kAlphaPng, "here.png");
    folder.write_config("[Image1]\nFilename=default.png\n");
    const WorkingDirectory cwd(folder.root());
    Loaded run;
    run.load(folder, false);
    EXPECT_EQ(run.source(1).kind, Kind::File);
    EXPECT_EQ(run.source(1).file, "Graphics/Skin/default.png");

    folder.write_config("[Common]\nSkinDir=rel\n[Image1]\nFilename=r.png\n");
    run.load(folder, false);
    EXPECT_EQ(run.source(1).file, "rel/r.png");
    EXPECT_EQ(run.source(1).kind, Kind::File);

    folder.write_config("[Common]\nSkinDir=\n[Image1]\nFilename=here.png\n");
    run.load(folder, false);
    EXPECT_EQ(run.source(1).kind, Kind::File);
    EXPECT_EQ(run.source(1).file, "./here.png");
}

class LoaderBackdrop : public ::testing::Test {
  protected:
    void write(const std::string& fullscreen_keys) {
        folder.add_picture(kAlphaPng, "b/logo.png");
        folder.add_picture(kOpaqueJpeg, "b/back.jpg");
        folder.write_config("[Fullscreen]\nBackdropDir=" + folder.dir("b") + "\n" +
                            fullscreen_keys);
    }
    SkinFolder folder;
    Loaded run;
};

TEST_F(LoaderBackdrop, BackdropIsShownWithItsStretching) {
    write("BackdropFile=back.jpg\nBackdropStretch=2\n");
    run.load(folder, true, {1024, 768});
    ASSERT_EQ(run.result.status, Status::Ok) << run.result.message;
    EXPECT_TRUE(run.images.visible(im_backdrop));
    ASSERT_NE(run.images[im_backdrop].picture, nullptr);
    EXPECT_EQ(run.images[im_backdrop].picture->width, 17);
    EXPECT_EQ(run.images[im_backdrop].rect, (Rect{0, 0, 1024, 768}));
    EXPECT_TRUE(run.layout.backdrop_stretch);
    EXPECT_EQ(run.result.progress.backdrop_file, folder.root() / "b/back.jpg");

    write("BackdropFile=back.jpg\nBackdropStretch=0\n");
    run.load(folder, true, {1024, 768});
    EXPECT_FALSE(run.layout.backdrop_stretch);
}

TEST_F(LoaderBackdrop, MissingOrNilBackdropKeepsItsState) {
    for (const char* name : {"nil", "", "NIL", "none.png"}) {
        write(std::string("BackdropFile=") + name + "\nBackdropStretch=1\n");
        Loaded windowed_first;
        windowed_first.load(folder, false);
        windowed_first.load(folder, true);
        EXPECT_FALSE(windowed_first.images.visible(im_backdrop)) << name;
        EXPECT_FALSE(windowed_first.layout.backdrop_stretch) << name;
        EXPECT_TRUE(windowed_first.result.progress.backdrop_file.empty()) << name;
    }
}

TEST_F(LoaderBackdrop, SwitchingToWindowedHidesBackdropAndLogo) {
    write("BackdropFile=back.jpg\nLogoFile=logo.png\n");
    run.load(folder, true);
    EXPECT_TRUE(run.images.visible(im_backdrop));
    EXPECT_TRUE(run.images.visible(im_backdrop_logo));
    run.load(folder, false);
    EXPECT_FALSE(run.images.visible(im_backdrop));
    EXPECT_FALSE(run.images.visible(im_backdrop_logo));
    EXPECT_FALSE(run.images.visible(btn_game_menu_top));
}

TEST_F(LoaderBackdrop, LogoTakesItsPictureSizeAndGoesToItsCorner) {
    struct Case {
        const char* position;
        Rect rect;
    };
    for (const Case& c :
         {Case{"0", {0, 0, 32, 32}}, Case{"", {992, 0, 32, 32}}, Case{"1", {992, 0, 32, 32}},
          Case{"2", {0, 736, 32, 32}}, Case{"3", {992, 736, 32, 32}}, Case{"4", {5, 6, 32, 32}},
          Case{"-1", {5, 6, 32, 32}}}) {
        write(std::string("LogoFile=logo.png\nLogoPosition=") + c.position + "\n");
        Loaded fresh;
        fresh.images.set_rect(im_backdrop_logo, Rect{5, 6, 64, 64});
        fresh.load(folder, true, {1024, 768});
        EXPECT_EQ(fresh.images[im_backdrop_logo].rect, c.rect) << c.position;
        EXPECT_TRUE(fresh.images.visible(im_backdrop_logo));
        EXPECT_TRUE(fresh.result.progress.logo_done);
    }
}

TEST_F(LoaderBackdrop, BackdropDecodeErrorStopsBeforeTheWindowIsSet) {
    folder.add_picture(kBrokenPng, "b/broken.png");
    write("BackdropFile=broken.png\nBgColor=1\n");
    run.load(folder, true);
    EXPECT_EQ(run.result.status, Status::Error);
    EXPECT_FALSE(run.result.progress.backdrop_done);
    EXPECT_FALSE(run.result.progress.window_done);
    EXPECT_NE(run.layout.background, 1u);
}

TEST_F(LoaderBackdrop, LogoDecodeErrorStopsAfterTheWindowIsSet) {
    folder.add_picture(kBrokenPng, "b/broken.png");
    write("LogoFile=broken.png\n[Image1]\nLeft=3\n");
    run.load(folder, true, {1024, 768});
    EXPECT_EQ(run.result.status, Status::Error);
    EXPECT_TRUE(run.result.progress.window_done);
    EXPECT_FALSE(run.result.progress.logo_done);
    EXPECT_EQ(run.layout.client_width, 1024);
    EXPECT_EQ(run.result.progress.images_done, 0);
    EXPECT_EQ(run.image(1).rect, kImageDefs[im_background_closed].design);
}

}  // namespace
}  // namespace gorvo::skin::test

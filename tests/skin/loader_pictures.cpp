// The pictures of a skin load: skin images, backdrop and logo, the placeholder, folders, and
// the picture errors that stop a load.
#include <gtest/gtest.h>

#include <algorithm>

#include "loader_fixture.h"
#include "skin/pictures.h"

namespace gorvo::skin::test {
namespace {

using Kind = PictureSource::Kind;
using Status = SkinLoadResult::Status;

bool is_placeholder(const PicturePtr& p) {
    return p && p->width == 10 && p->height == 10 && p->pixel(0, 0)[0] == 0 &&
           p->pixel(5, 5)[0] == 255 && p->pixel(5, 5)[1] == 0;
}

TEST(LoaderImages, FilesPlaceholdersAndUnchangedPictures) {
    SkinFolder folder;
    folder.add_picture(kAlphaPng, "my skin/case.png");
    folder.add_picture(kOpaqueJpeg, "my skin/sub/button.jpg");
    std::string dir = (folder.root() / "my skin").string();  // Windows separators, none at the end
    std::replace(dir.begin(), dir.end(), '/', '\\');
    folder.write_config("[Common]\nSkinDir=" + dir +
                        "\n[Image1]\nFilename=case.png\nLeft=1\nTop=2\nWidth=3\nHeight=4\n"
                        "[Image2]\nFilename=sub\\button.jpg\n[Image3]\nFilename=gone.png\n"
                        "[Image4]\nFilename=sub\n[Image5]\nFilename=nil\n[Image6]\nFilename=\n"
                        "[Image7]\nFilename=NIL\n[Image12]\nFilename=case.png\n");
    Loaded run;
    const PicturePtr earlier = placeholder_picture();
    for (int n = 1; n <= 7; ++n)
        run.images.set_own_picture(kSkinImages[n - 1], earlier);
    run.load(folder, true, {1024, 768});
    ASSERT_EQ(run.result.status, Status::Ok) << run.result.message;

    EXPECT_EQ(run.result.progress.pictures[0].file, folder.root() / "my skin/case.png");
    EXPECT_EQ(run.image(1).picture->width, 32);
    EXPECT_EQ(run.image(1).rect, (Rect{210, 12, 3, 4}));
    EXPECT_EQ(run.result.progress.pictures[1].file, folder.root() / "my skin/sub/button.jpg");
    EXPECT_EQ(run.image(2).picture->width, 17);
    for (int n : {3, 4, 7}) {  // no such file (a folder is none; "NIL" is a name)
        EXPECT_EQ(run.kind(n), Kind::Placeholder) << n;
        EXPECT_TRUE(is_placeholder(run.image(n).picture)) << n;
        EXPECT_NE(run.image(n).picture, earlier) << n;
    }
    for (int n : {5, 6}) {
        EXPECT_EQ(run.kind(n), Kind::Unchanged) << n;
        EXPECT_EQ(run.image(n).picture, earlier) << n;
    }
    // A section with only a file name: btn_acl_top gets its picture and an empty rectangle.
    EXPECT_EQ(kSkinImages[11], btn_acl_top);
    EXPECT_EQ(run.kind(12), Kind::File);
    EXPECT_EQ(run.image(12).rect, (Rect{209, 10, 0, 0}));
    EXPECT_FALSE(run.images.visible(btn_acl_top));  // a load leaves visibility alone
}

TEST(LoaderImages, PictureErrorStopsTheLoadAtThatImage) {
    SkinFolder folder;
    folder.add_picture(kBrokenPng, "skin/broken.png");
    SkinFolder::write(folder.root() / "skin/notes.TXT", "hello");
    const std::string common = "[Common]\nSkinDir=" + folder.dir("skin") + "\n";
    folder.write_config(common +
                        "[Image11]\nLeft=11\n[Image12]\nFilename=broken.png\nLeft=12\n"
                        "[Image13]\nLeft=13\n");
    Loaded run;
    run.load(folder, false);
    EXPECT_EQ(run.result.status, Status::Error);
    EXPECT_EQ(run.result.message, load_picture(folder.root() / "skin/broken.png").error);
    EXPECT_FALSE(run.result.message.empty());
    EXPECT_EQ(run.result.progress.images_done, 11);
    EXPECT_EQ(run.image(11).rect.left, 11);
    EXPECT_EQ(run.image(12).rect, kImageDefs[btn_acl_top].design);
    EXPECT_EQ(run.image(13).rect, kImageDefs[kSkinImages[12]].design);

    folder.write_config(common + "[Image1]\nFilename=notes.TXT\n");
    run.load(folder, false);
    EXPECT_EQ(run.result.message, "Unknown picture file extension (.TXT)");
    EXPECT_EQ(run.result.progress.images_done, 0);
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

TEST_F(LoaderBackdrop, ShownInFullscreenHiddenInWindowed) {
    write("BackdropFile=back.jpg\nBackdropStretch=2\nLogoFile=logo.png\n");
    run.load(folder, true);
    EXPECT_TRUE(run.images.visible(im_backdrop));
    EXPECT_EQ(run.images[im_backdrop].picture->width, 17);
    EXPECT_TRUE(run.layout.backdrop_stretch);
    EXPECT_TRUE(run.images.visible(im_backdrop_logo));
    run.load(folder, false);
    EXPECT_FALSE(run.images.visible(im_backdrop));
    EXPECT_FALSE(run.images.visible(im_backdrop_logo));

    for (const char* name : {"nil", "", "NIL", "none.png"}) {  // stays hidden
        write(std::string("BackdropFile=") + name + "\nLogoFile=" + name + "\n");
        run.load(folder, true);
        EXPECT_FALSE(run.images.visible(im_backdrop)) << name;
        EXPECT_FALSE(run.images.visible(im_backdrop_logo)) << name;
    }
}

TEST_F(LoaderBackdrop, LogoTakesItsPictureSizeAndGoesToItsCorner) {
    const std::pair<const char*, Rect> cases[] = {
        {"0", {0, 0, 32, 32}},     {"", {992, 0, 32, 32}}, {"2", {0, 736, 32, 32}},
        {"3", {992, 736, 32, 32}}, {"4", {5, 6, 32, 32}},  {"-1", {5, 6, 32, 32}}};
    for (const auto& [position, rect] : cases) {
        write(std::string("LogoFile=logo.png\nLogoPosition=") + position + "\n");
        Loaded fresh;
        fresh.images.set_rect(im_backdrop_logo, Rect{5, 6, 64, 64});
        fresh.load(folder, true, {1024, 768});
        EXPECT_EQ(fresh.images[im_backdrop_logo].rect, rect) << position;
    }
}

TEST_F(LoaderBackdrop, LoadingTwiceGivesTheSameResult) {
    folder.add_picture(kAlphaPng, "b/a.png");
    write("BackdropFile=back.jpg\nLogoFile=logo.png\nLogoPosition=3\n[Common]\nSkinDir=" +
          folder.dir("b") + "\n[Image1]\nFilename=a.png\nLeft=5\n[Image2]\nFilename=x.png\n");
    run.load(folder, true, {800, 600});
    const Loaded first = run;
    run.load(folder, true, {800, 600});
    EXPECT_EQ(run.result.status, Status::Ok);
    EXPECT_EQ(run.layout.game_offset_x, first.layout.game_offset_x);
    for (int id = 0; id < kImageCount; ++id) {
        const ImageState& now = run.images[static_cast<ImageId>(id)];
        const ImageState& before = first.images[static_cast<ImageId>(id)];
        EXPECT_EQ(now.rect, before.rect) << kImageDefs[id].name;
        EXPECT_EQ(now.visible, before.visible) << kImageDefs[id].name;
        EXPECT_EQ(now.picture == nullptr, before.picture == nullptr) << kImageDefs[id].name;
    }
}

}  // namespace
}  // namespace gorvo::skin::test

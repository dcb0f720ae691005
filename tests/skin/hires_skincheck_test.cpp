// The checker's warnings about double-size companions it cannot use, in its exact lines.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <vector>

#include "loader_fixture.h"

#ifndef GORVO_SKINCHECK
#define GORVO_SKINCHECK ""
#endif

namespace gorvo::skin::test {
namespace {

using Lines = std::vector<std::string>;

// Runs the checker on `config` with `options`; standard output as lines, and the exit status.
std::pair<int, Lines> run_check(const fs::path& config, const std::string& options = "") {
    const std::string command = "'" + std::string(GORVO_SKINCHECK) + "' --config '" +
                                config.string() + "' " + options + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, {}};
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pclose(pipe);
    Lines lines;
    std::istringstream text(out);
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, lines};
}

class HiresCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(GORVO_SKINCHECK)) << GORVO_SKINCHECK;
        // Folder names without quotes or blanks: the command line above quotes them simply.
        ASSERT_EQ(folder.root().string().find_first_of("' "), std::string::npos);
    }
    SkinFolder folder;
};

TEST_F(HiresCheck, CompanionsThatCannotBeUsedAreWarnedOfAfterTheirPicture) {
    folder.add_picture("png/s04n3p01.png", "skin/fits.png");  // 4 x 4
    folder.add_picture("png/s08n3p02.png", "skin/fits@2x.png");
    folder.add_picture("png/s04n3p01.png", "skin/wrong.png");
    folder.add_picture("png/s09n3p02.png", "skin/wrong@2x.png");
    folder.add_picture("png/s04n3p01.png", "skin/broken.png");
    folder.add_picture(kBrokenPng, "skin/broken@2x.png");
    const std::string skin = folder.dir("skin");
    const std::string rect = "Width=4\nHeight=4\n";  // the pictures' own size: none is clipped
    folder.write_config("[Common]\nSkinDir=" + skin + "\n[Image1]\nFilename=fits.png\n" + rect +
                        "[Image2]\nFilename=wrong.png\n" + rect +
                        "[Image3]\nFilename=broken.png\n" + rect + "[Image4]\nFilename=gone.png\n");
    const auto [status, lines] = run_check(folder.config());
    EXPECT_EQ(status, 0);                                   // a companion never makes the load fail
    ASSERT_EQ(lines.size(), 3u + kSkinImageCount + 2 + 2);  // and the placeholder's, the summary
    const Lines images(lines.begin() + 3, lines.begin() + 11);
    // The decoder's own message ends the line; its start is checked below.
    EXPECT_EQ(
        images,
        (Lines{
            "image 1 im_background_closed 0 0 4 4 file=" + skin + "fits.png 4x4 keyed",
            "image 2 im_background_open 0 0 4 4 file=" + skin + "wrong.png 4x4 keyed",
            "warning: companion " + skin +
                "wrong@2x.png not used: it is 9x9, twice the picture's size is 8x8",
            "image 3 im_background_screen_1_top 0 0 4 4 file=" + skin + "broken.png 4x4 opaque",
            images[4],
            "image 4 im_background_screen_2_top 0 0 0 0 placeholder",
            "where: [Image4] Filename names " + skin + "gone.png, which does not exist",
            "image 5 btn_game_a_down 0 0 0 0 unchanged",
        }));
    EXPECT_EQ(lines.back(), "summary: pictures=3 placeholders=1 warnings=2");
    const std::string broken_start = "warning: companion " + skin +
                                     "broken@2x.png not used: " + "Cannot decode PNG picture '" +
                                     skin + "broken@2x.png': ";
    EXPECT_EQ(images[4].substr(0, broken_start.size()), broken_start);
}

TEST_F(HiresCheck, TheLogoAndBackdropAreCheckedToo) {
    folder.add_picture("png/s04n3p01.png", "b/back.png");
    folder.add_picture("png/s04n3p01.png", "b/back@2x.png");
    folder.add_picture("png/s02n3p01.png", "b/logo.png");
    folder.add_picture("png/s08n3p02.png", "b/logo@2x.png");
    const std::string dir = folder.dir("b");
    folder.write_config("[Fullscreen]\nBackdropDir=" + dir +
                        "\nBackdropFile=back.png\nLogoFile=logo.png\nLogoPosition=0\n");
    const auto [status, lines] = run_check(folder.config(), "--fullscreen --screen 1024x768");
    EXPECT_EQ(status, 0);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(Lines(lines.begin() + 1, lines.begin() + 6),
              (Lines{"backdrop file=" + dir + "back.png 4x4 stretch=0",
                     "warning: companion " + dir +
                         "back@2x.png not used: it is 4x4, twice the picture's size is 8x8",
                     "logo file=" + dir + "logo.png 2x2 at=0,0",
                     "warning: companion " + dir +
                         "logo@2x.png not used: it is 8x8, twice the picture's size is 4x4",
                     "image 1 im_background_closed 209 10 0 0 unchanged"}));
}

}  // namespace
}  // namespace gorvo::skin::test

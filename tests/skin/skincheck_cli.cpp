// gorvo250-skincheck run as a skin author runs it: options, exit status and the exact lines.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "loader_fixture.h"

#ifndef GORVO_SKINCHECK
#define GORVO_SKINCHECK ""
#endif

namespace gorvo::skin::test {
namespace {

struct CheckRun {
    int status = -1;
    std::vector<std::string> lines;  // standard output
};

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs the checker in `cwd` with `arguments`; standard error is dropped.
CheckRun skincheck(const std::vector<std::string>& arguments, const fs::path& cwd = ".") {
    std::string command = "cd " + quoted(cwd.string()) + " && " + quoted(GORVO_SKINCHECK);
    for (const std::string& a : arguments)
        command += " " + quoted(a);
    command += " 2>/dev/null";
    CheckRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(line);
    return run;
}

std::string read_bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SkincheckCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(GORVO_SKINCHECK))
            << "gorvo250-skincheck not built: " << GORVO_SKINCHECK;
    }
    CheckRun check(const std::string& config_text, std::vector<std::string> options = {}) {
        folder.write_config(config_text);
        options.insert(options.begin(), {"--config", folder.config().string()});
        return skincheck(options);
    }
    std::string skin_keys() const { return "[Common]\nSkinDir=" + folder.dir("skin") + "\n"; }
    SkinFolder folder;
};

TEST_F(SkincheckCli, UsageErrorsExitWithTwo) {
    EXPECT_EQ(skincheck({"--bogus"}).status, 2);
    EXPECT_EQ(skincheck({"--config"}).status, 2);
    EXPECT_EQ(skincheck({"--screen", "1024"}).status, 2);
    EXPECT_EQ(skincheck({"--screen", "0x768"}).status, 2);
    EXPECT_EQ(skincheck({"--screen", "1024x768px"}).status, 2);
    EXPECT_EQ(skincheck({"--decode", "only-one"}).status, 2);
    EXPECT_EQ(skincheck({"--decode", "a.png", "b.pam", "--fullscreen"}).status, 2);
    const CheckRun help = skincheck({"--help"});
    EXPECT_EQ(help.status, 0);
    ASSERT_FALSE(help.lines.empty());
    EXPECT_EQ(help.lines[0].rfind("usage: gorvo250-skincheck", 0), 0u);
}

TEST_F(SkincheckCli, MissingConfigurationFile) {
    const CheckRun run = skincheck({"--config", (folder.root() / "none.ini").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.lines,
              std::vector<std::string>{"error: Configuration file (Config.ini) not found. Please "
                                       "reinstall the game."});
}

TEST_F(SkincheckCli, WindowedLoadPrintsEveryItem) {
    folder.add_picture(kAlphaPng, "skin/closed.png");
    folder.add_picture(kOpaqueJpeg, "skin/open.jpg");
    const CheckRun run = check(skin_keys() +
                               "[VideoMode]\nTranspColor=$00302010\n"
                               "[Fullscreen]\nBackdropFile=closed.png\n"
                               "[Image1]\nFilename=closed.png\nLeft=1\nTop=2\nWidth=3\nHeight=4\n"
                               "[Image2]\nFilename=open.jpg\n"
                               "[Image6]\nFilename=open.jpg\nLeft=-5\n"
                               "[Image7]\nFilename=gone.png\n");
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 3u + kSkinImageCount);
    const std::string skin = folder.dir("skin");
    EXPECT_EQ(run.lines[0],
              "window client=605x748 background=#102030 seethrough=#102030 "
              "offset=0,0");
    EXPECT_EQ(run.lines[1], "backdrop none");
    EXPECT_EQ(run.lines[2], "logo none");
    EXPECT_EQ(run.lines[3],
              "image 1 im_background_closed 1 2 3 4 file=" + skin + "closed.png 32x32 alpha");
    EXPECT_EQ(run.lines[4],
              "image 2 im_background_open 0 0 0 0 file=" + skin + "open.jpg 17x9 keyed");
    EXPECT_EQ(run.lines[5], "image 3 im_background_screen_1_top 0 0 0 0 unchanged");
    EXPECT_EQ(run.lines[8],
              "image 6 btn_game_a_top -5 0 0 0 file=" + skin + "open.jpg 17x9 opaque");
    EXPECT_EQ(run.lines[9], "image 7 btn_game_b_down 0 0 0 0 placeholder");
    EXPECT_EQ(run.lines[149], "image 147 btn_cross_down_right 0 0 0 0 unchanged");
}

TEST_F(SkincheckCli, FullscreenLoadWithBackdropAndLogo) {
    folder.add_picture(kOpaqueJpeg, "b/back.jpg");
    folder.add_picture(kAlphaPng, "b/logo.png");
    const std::string dir = folder.dir("b");
    const CheckRun run =
        check("[Fullscreen]\nBackdropDir=" + dir +
                  "\nBackdropFile=back.jpg\nBackdropStretch=1\nBgColor=255\n"
                  "LogoFile=logo.png\nLogoPosition=3\n[Image4]\nLeft=10\nTop=-10\n",
              {"--fullscreen", "--screen", "1024x768"});
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 3u + kSkinImageCount);
    EXPECT_EQ(run.lines[0],
              "window client=1024x768 background=#FF0000 seethrough=off "
              "offset=209,10");
    EXPECT_EQ(run.lines[1], "backdrop file=" + dir + "back.jpg 17x9 stretch=1");
    EXPECT_EQ(run.lines[2], "logo file=" + dir + "logo.png 32x32 at=992,736");
    EXPECT_EQ(run.lines[6], "image 4 im_background_screen_2_top 219 0 0 0 unchanged");
}

TEST_F(SkincheckCli, DefaultScreenIsFullHd) {
    const CheckRun run = check("", {"--fullscreen"});
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines[0],
              "window client=1920x1080 background=#FF00FF seethrough=off "
              "offset=657,166");
}

TEST_F(SkincheckCli, ErrorsPrintWhatWasCompletedFirst) {
    folder.add_picture(kBrokenPng, "skin/broken.png");
    folder.add_picture(kBrokenPng, "b/broken.png");

    const CheckRun colour = check("[Fullscreen]\nBgColor=clBlack\n", {"--fullscreen"});
    EXPECT_EQ(colour.status, 1);
    EXPECT_EQ(colour.lines,
              std::vector<std::string>{"error: 'clBlack' is not a valid integer value"});

    const CheckRun logo =
        check("[Fullscreen]\nBackdropDir=" + folder.dir("b") + "\nLogoFile=broken.png\n",
              {"--fullscreen"});
    EXPECT_EQ(logo.status, 1);
    ASSERT_EQ(logo.lines.size(), 3u);
    EXPECT_EQ(logo.lines[0].rfind("window ", 0), 0u);
    EXPECT_EQ(logo.lines[1], "backdrop none");
    EXPECT_EQ(logo.lines[2].rfind("error: ", 0), 0u);

    const CheckRun image = check(skin_keys() + "[Image12]\nFilename=broken.png\n");
    EXPECT_EQ(image.status, 1);
    ASSERT_EQ(image.lines.size(), 3u + 11u + 1u);
    EXPECT_EQ(image.lines[13], "image 11 btn_acl_down 0 0 0 0 unchanged");
    EXPECT_EQ(image.lines[14].rfind("error: ", 0), 0u);

    const CheckRun extension = check(skin_keys() + "[Image1]\nFilename=face.Gif\n");
    folder.write(folder.root() / "skin/face.Gif", "GIF89a");
    const CheckRun present = skincheck({"--config", folder.config().string()});
    EXPECT_EQ(extension.status, 0);  // no such file: the placeholder
    EXPECT_EQ(present.status, 1);
    EXPECT_EQ(present.lines.back(), "error: Unknown picture file extension (.Gif)");
}

TEST_F(SkincheckCli, RelativeFoldersResolveAgainstTheWorkingDirectory) {
    folder.add_picture(kAlphaPng, "rel/x.png");
    folder.write_config("[Common]\nSkinDir=rel\n[Image1]\nFilename=x.png\n");
    const CheckRun run = skincheck({"--config", "Config.ini"}, folder.root());
    EXPECT_EQ(run.status, 0);
    ASSERT_GT(run.lines.size(), 3u);
    EXPECT_EQ(run.lines[3], "image 1 im_background_closed 0 0 0 0 file=rel/x.png 32x32 alpha");
}

TEST_F(SkincheckCli, DecodeWritesTheRgbaPam) {
    const fs::path out = folder.root() / "out.pam";
    const fs::path picture = fs::path(GORVO_CORPUS_DIR) / kAlphaPng;
    const CheckRun run = skincheck({"--decode", picture.string(), out.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.lines.empty());
    EXPECT_EQ(read_bytes(out),
              read_bytes(fs::path(GORVO_CORPUS_DIR) / "expected/png/basn6a08.pam"));

    const CheckRun broken =
        skincheck({"--decode", (fs::path(GORVO_CORPUS_DIR) / kBrokenPng).string(), out.string()});
    EXPECT_EQ(broken.status, 1);
    ASSERT_EQ(broken.lines.size(), 1u);
    EXPECT_EQ(broken.lines[0].rfind("error: ", 0), 0u);
}

}  // namespace
}  // namespace gorvo::skin::test

// gorvo250-skincheck run as a skin author runs it: options, exit status and the exact lines.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <iterator>
#include <sstream>
#include <vector>

#include "loader_fixture.h"

#ifndef GORVO_SKINCHECK
#define GORVO_SKINCHECK ""
#endif

namespace gorvo::skin::test {
namespace {

using Lines = std::vector<std::string>;

struct CheckRun {
    int status = -1;
    Lines lines;  // standard output
};

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs the checker in `cwd`; standard error is dropped.
CheckRun skincheck(const Lines& arguments, const fs::path& cwd = ".") {
    std::string command = "cd " + quoted(cwd.string()) + " && " + quoted(GORVO_SKINCHECK);
    for (const std::string& a : arguments)
        command += " " + quoted(a);
    CheckRun run;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
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
    void SetUp() override { ASSERT_TRUE(fs::exists(GORVO_SKINCHECK)) << GORVO_SKINCHECK; }
    CheckRun check(const std::string& config_text, Lines options = {}) {
        folder.write_config(config_text);
        options.insert(options.begin(), {"--config", folder.config().string()});
        return skincheck(options);
    }
    SkinFolder folder;
};

TEST_F(SkincheckCli, ExitStatusOfUsageErrorsAndAMissingFile) {
    for (const Lines& bad : {Lines{"--bogus"}, Lines{"--config"}, Lines{"--screen", "1024"},
                             Lines{"--screen", "0x768"}, Lines{"--decode", "only-one"},
                             Lines{"--decode", "a.png", "b.pam", "--fullscreen"}}) {
        EXPECT_EQ(skincheck(bad).status, 2) << bad[0];
    }
    EXPECT_EQ(skincheck({"--help"}).status, 0);
    const CheckRun missing = skincheck({"--config", (folder.root() / "none.ini").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.lines, Lines{"error: Configuration file (Config.ini) not found. Please "
                                   "reinstall the game."});
}

TEST_F(SkincheckCli, WindowedLoadPrintsEveryItem) {
    folder.add_picture(kAlphaPng, "skin/closed.png");
    folder.add_picture(kOpaqueJpeg, "skin/open.jpg");
    const std::string skin = folder.dir("skin");
    const CheckRun run =
        check("[Common]\nSkinDir=" + skin +
              "\n[VideoMode]\nTranspColor=$00302010\n[Fullscreen]\nBackdropFile=closed.png\n"
              "[Image1]\nFilename=closed.png\nLeft=1\nTop=2\nWidth=3\nHeight=4\n"
              "[Image2]\nFilename=open.jpg\n[Image6]\nFilename=open.jpg\nLeft=-5\n"
              "[Image7]\nFilename=gone.png\n");
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 3u + kSkinImageCount);
    const Lines head(run.lines.begin(), run.lines.begin() + 10);
    EXPECT_EQ(head,
              (Lines{"window client=605x748 background=#102030 seethrough=#102030 offset=0,0",
                     "backdrop none", "logo none",
                     "image 1 im_background_closed 1 2 3 4 file=" + skin + "closed.png 32x32 alpha",
                     "image 2 im_background_open 0 0 0 0 file=" + skin + "open.jpg 17x9 keyed",
                     "image 3 im_background_screen_1_top 0 0 0 0 unchanged",
                     "image 4 im_background_screen_2_top 0 0 0 0 unchanged",
                     "image 5 btn_game_a_down 0 0 0 0 unchanged",
                     "image 6 btn_game_a_top -5 0 0 0 file=" + skin + "open.jpg 17x9 opaque",
                     "image 7 btn_game_b_down 0 0 0 0 placeholder"}));
    EXPECT_EQ(run.lines.back(), "image 147 btn_cross_down_right 0 0 0 0 unchanged");
}

TEST_F(SkincheckCli, FullscreenLoadWithBackdropAndLogo) {
    folder.add_picture(kOpaqueJpeg, "b/back.jpg");
    folder.add_picture(kAlphaPng, "b/logo.png");
    const std::string dir = folder.dir("b");
    const std::string keys = "[Fullscreen]\nBackdropDir=" + dir +
                             "\nBackdropFile=back.jpg\nBackdropStretch=1\nBgColor=255\n"
                             "LogoFile=logo.png\nLogoPosition=3\n[Image4]\nLeft=10\n";
    const CheckRun run = check(keys, {"--fullscreen", "--screen", "1024x768"});
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 3u + kSkinImageCount);
    EXPECT_EQ(Lines(run.lines.begin(), run.lines.begin() + 3),
              (Lines{"window client=1024x768 background=#FF0000 seethrough=off offset=209,10",
                     "backdrop file=" + dir + "back.jpg 17x9 stretch=1",
                     "logo file=" + dir + "logo.png 32x32 at=992,736"}));
    EXPECT_EQ(run.lines[6], "image 4 im_background_screen_2_top 219 10 0 0 unchanged");
    EXPECT_EQ(check("", {"--fullscreen"}).lines.at(0),
              "window client=1920x1080 background=#FF00FF seethrough=off offset=657,166");
}

TEST_F(SkincheckCli, ErrorsPrintWhatWasCompletedFirst) {
    folder.add_picture(kBrokenPng, "b/broken.png");
    const std::string dirs = "[Common]\nSkinDir=" + folder.dir("b") + "\n[Fullscreen]\n" +
                             "BackdropDir=" + folder.dir("b") + "\n";

    const CheckRun colour = check(dirs + "BgColor=clBlack\n", {"--fullscreen"});
    EXPECT_EQ(colour.status, 1);
    EXPECT_EQ(colour.lines, Lines{"error: 'clBlack' is not a valid integer value"});
    const CheckRun backdrop = check(dirs + "BackdropFile=broken.png\n", {"--fullscreen"});
    ASSERT_EQ(backdrop.lines.size(), 1u);  // stopped before the window was set
    EXPECT_EQ(backdrop.lines[0].rfind("error: ", 0), 0u);

    const CheckRun logo = check(dirs + "LogoFile=broken.png\n", {"--fullscreen"});
    ASSERT_EQ(logo.lines.size(), 3u);
    EXPECT_EQ(logo.lines[1], "backdrop none");
    EXPECT_EQ(logo.lines[2].rfind("error: ", 0), 0u);

    const CheckRun image = check(dirs + "[Image12]\nFilename=broken.png\n");
    ASSERT_EQ(image.lines.size(), 3u + 11u + 1u);
    EXPECT_EQ(image.lines[13], "image 11 btn_acl_down 0 0 0 0 unchanged");
    EXPECT_EQ(image.lines[14].rfind("error: ", 0), 0u);

    SkinFolder::write(folder.root() / "b/face.Gif", "GIF89a");
    const CheckRun extension = check(dirs + "[Image1]\nFilename=face.Gif\n");
    EXPECT_EQ(extension.status, 1);
    EXPECT_EQ(extension.lines.back(), "error: Unknown picture file extension (.Gif)");
}

TEST_F(SkincheckCli, RelativeAndEmptyFoldersResolveAgainstTheWorkingDirectory) {
    folder.add_picture(kAlphaPng, "rel/x.png");
    folder.add_picture(kAlphaPng, "y.png");
    folder.write_config("[Common]\nSkinDir=rel\n[Image1]\nFilename=x.png\n");
    EXPECT_EQ(skincheck({"--config", "Config.ini"}, folder.root()).lines.at(3),
              "image 1 im_background_closed 0 0 0 0 file=rel/x.png 32x32 alpha");
    // An empty folder puts nothing in front of the name: a relative name is found in the
    // working directory and an absolute one where it names, for the skin and the backdrop.
    const std::string absolute = (folder.root() / "rel/x.png").string();
    folder.write_config(
        "[Common]\nSkinDir=\n[Image1]\nFilename=y.png\n[Image2]\nFilename=" + absolute +
        "\n[Fullscreen]\nBackdropDir=\nBackdropFile=" + absolute + "\nLogoFile=y.png\n");
    const Lines windowed = skincheck({"--config", "Config.ini"}, folder.root()).lines;
    ASSERT_GE(windowed.size(), 5u);
    EXPECT_EQ(windowed[3], "image 1 im_background_closed 0 0 0 0 file=y.png 32x32 alpha");
    EXPECT_EQ(windowed[4], "image 2 im_background_open 0 0 0 0 file=" + absolute + " 32x32 alpha");
    const Lines full = skincheck({"--config", "Config.ini", "--fullscreen"}, folder.root()).lines;
    ASSERT_GE(full.size(), 3u);
    EXPECT_EQ(full[1], "backdrop file=" + absolute + " 32x32 stretch=0");
    EXPECT_EQ(full[2].rfind("logo file=y.png 32x32 ", 0), 0u) << full[2];
}

TEST_F(SkincheckCli, DecodeWritesTheRgbaPam) {
    const fs::path out = folder.root() / "out.pam";
    const fs::path corpus = GORVO_CORPUS_DIR;
    const CheckRun run = skincheck({"--decode", (corpus / kAlphaPng).string(), out.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(read_bytes(out), read_bytes(corpus / "expected/png/basn6a08.pam"));
    const CheckRun broken = skincheck({"--decode", (corpus / kBrokenPng).string(), out.string()});
    EXPECT_EQ(broken.status, 1);
    ASSERT_EQ(broken.lines.size(), 1u);
    EXPECT_EQ(broken.lines[0].rfind("error: ", 0), 0u);
}

}  // namespace
}  // namespace gorvo::skin::test

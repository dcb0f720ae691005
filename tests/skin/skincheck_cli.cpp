// gorvo250-skincheck run as a skin author runs it: options, exit status and the exact lines; the
// lines of the first format stay as they were, what came later goes on lines of its own.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
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

    // The lines of the first format, for the scripts that read them: without the "where:",
    // "warning:" and "summary:" lines.
    Lines first_format() const {
        Lines kept;
        for (const std::string& line : lines) {
            const bool added = line.starts_with("where: ") || line.starts_with("warning: ") ||
                               line.starts_with("summary: ");
            if (!added) kept.push_back(line);
        }
        return kept;
    }
    // The lines that begin with `lead`.
    Lines starting(const std::string& lead) const {
        Lines found;
        for (const std::string& line : lines) {
            if (line.starts_with(lead)) found.push_back(line);
        }
        return found;
    }
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

// A file whole, as text.
std::string file_text(const fs::path& file) {
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
    EXPECT_EQ(missing.lines,
              (Lines{"where: looked for the configuration file at " +
                         (folder.root() / "none.ini").string(),
                     "error: Configuration file (Config.ini) not found. Please reinstall the "
                     "game."}));
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
    const Lines lines = run.first_format();
    ASSERT_EQ(lines.size(), 3u + kSkinImageCount);
    const Lines head(lines.begin(), lines.begin() + 10);
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
    EXPECT_EQ(lines.back(), "image 147 btn_cross_down_right 0 0 0 0 unchanged");
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
    const Lines lines = run.first_format();
    ASSERT_EQ(lines.size(), 3u + kSkinImageCount);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3),
              (Lines{"window client=1024x768 background=#FF0000 seethrough=off offset=209,10",
                     "backdrop file=" + dir + "back.jpg 17x9 stretch=1",
                     "logo file=" + dir + "logo.png 32x32 at=992,736"}));
    EXPECT_EQ(lines[6], "image 4 im_background_screen_2_top 219 10 0 0 unchanged");
    EXPECT_EQ(check("", {"--fullscreen"}).lines.at(0),
              "window client=1920x1080 background=#FF00FF seethrough=off offset=657,166");
}

TEST_F(SkincheckCli, ErrorsPrintWhatWasCompletedFirstThenWhereTheyCameFrom) {
    folder.add_picture(kBrokenPng, "b/broken.png");
    SkinFolder::write(folder.root() / "b/face.Gif", "GIF89a");
    const std::string dir = folder.dir("b");
    const std::string dirs =
        "[Common]\nSkinDir=" + dir + "\n[Fullscreen]\n" + "BackdropDir=" + dir + "\n";
    struct Case {
        std::string keys;
        bool fullscreen;
        std::size_t completed;  // lines of the first format before the error
        std::string where;
    };
    const Case cases[] = {
        // Stopped before the window was set.
        {"BgColor=clBlack\n", true, 0, "[Fullscreen] BgColor=clBlack"},
        {"[VideoMode]\nTranspColor=blue\n", false, 0, "[VideoMode] TranspColor=blue"},
        {"BackdropFile=broken.png\n", true, 0,
         "[Fullscreen] BackdropFile=broken.png (file " + dir + "broken.png)"},
        // After the window and the backdrop.
        {"LogoFile=broken.png\n", true, 2,
         "[Fullscreen] LogoFile=broken.png (file " + dir + "broken.png)"},
        // After image 11.
        {"[Image12]\nFilename=broken.png\n", false, 3 + 11,
         "[Image12] Filename=broken.png (file " + dir + "broken.png)"},
        {"[Image1]\nFilename=face.Gif\n", false, 3,
         "[Image1] Filename=face.Gif (file " + dir + "face.Gif)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        const CheckRun run = check(dirs + c.keys, c.fullscreen ? Lines{"--fullscreen"} : Lines{});
        EXPECT_EQ(run.status, 1);
        const Lines lines = run.first_format();
        ASSERT_EQ(lines.size(), c.completed + 1);
        EXPECT_TRUE(lines.back().starts_with("error: ")) << lines.back();
        ASSERT_GE(run.lines.size(), 2u);
        EXPECT_EQ(run.lines.end()[-2], "where: " + c.where) << "the line before the error";
        EXPECT_TRUE(run.starting("summary: ").empty()) << "a stopped load ends with its error";
    }
    const CheckRun logo = check(dirs + "LogoFile=broken.png\n", {"--fullscreen"});
    EXPECT_EQ(logo.lines.at(1), "backdrop none");
    const CheckRun image = check(dirs + "[Image12]\nFilename=broken.png\n");
    EXPECT_EQ(image.lines.at(13), "image 11 btn_acl_down 0 0 0 0 unchanged");
    // The error's own text is the game's message.
    EXPECT_EQ(check(dirs + "BgColor=clBlack\n", {"--fullscreen"}).lines.back(),
              "error: 'clBlack' is not a valid integer value");
    EXPECT_EQ(check(dirs + "[Image1]\nFilename=face.Gif\n").lines.back(),
              "error: Unknown picture file extension (.Gif)");
}

TEST_F(SkincheckCli, MissingPicturesNameTheFileLookedForAndFailAStrictCheck) {
    folder.add_picture(kAlphaPng, "skin/closed.png");
    const std::string skin = folder.dir("skin");
    const std::string back = folder.dir("back");
    const std::string config = "[Common]\nSkinDir=" + skin + "\n[Fullscreen]\nBackdropDir=" + back +
                               "\nBackdropFile=back.jpg\nLogoFile=logo.png\n"
                               "[Image1]\nFilename=closed.png\nWidth=32\nHeight=32\n";

    const CheckRun complete = check(config, {"--strict"});
    EXPECT_EQ(complete.status, 0) << "a missing backdrop is no fault of the windowed load";
    EXPECT_EQ(complete.lines.back(), "summary: pictures=1 placeholders=0 warnings=0");

    const std::string misspelt = config + "[Image2]\nFilename=im_background_opn.png\n";
    const CheckRun relaxed = check(misspelt);
    EXPECT_EQ(relaxed.status, 0);
    EXPECT_EQ(Lines(relaxed.lines.begin() + 4, relaxed.lines.begin() + 6),
              (Lines{"image 2 im_background_open 0 0 0 0 placeholder",
                     "where: [Image2] Filename names " + skin +
                         "im_background_opn.png, which does not exist"}));
    EXPECT_EQ(relaxed.lines.back(), "summary: pictures=1 placeholders=1 warnings=0");
    const CheckRun strict = check(misspelt, {"--strict"});
    EXPECT_EQ(strict.status, 3);
    EXPECT_EQ(strict.lines, relaxed.lines);

    const CheckRun fullscreen = check(config, {"--fullscreen", "--strict"});
    EXPECT_EQ(fullscreen.status, 3);
    EXPECT_EQ(
        Lines(fullscreen.lines.begin() + 1, fullscreen.lines.begin() + 5),
        (Lines{
            "backdrop none",
            "warning: [Fullscreen] BackdropFile names " + back + "back.jpg, which does not exist",
            "logo none",
            "warning: [Fullscreen] LogoFile names " + back + "logo.png, which does not exist"}));
    EXPECT_EQ(fullscreen.lines.back(), "summary: pictures=1 placeholders=0 warnings=2");
}

TEST_F(SkincheckCli, PicturesLargerThanTheirRectangleAreWarnedOfUnlessOnlyLent) {
    folder.add_picture(kAlphaPng, "skin/p.png");  // 32 x 32
    const std::string file = "\nFilename=p.png\n";
    const CheckRun run =
        check("[Common]\nSkinDir=" + folder.dir("skin") + "\n[Image1]" + file +
              "Width=32\nHeight=32\n" + "[Image2]" + file + "Width=32\nHeight=31\n" + "[Image6]" +
              file + "Width=40\nHeight=33\n" + "[Image37]" + file +  // a digit glyph
              "[Image144]" + file);  // a pressed look of the cross pad
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.starting("warning: "),
              Lines{"warning: image 2 im_background_open picture 32x32 is larger than its "
                    "rectangle 32x31 and is clipped"});
    const auto warning =
        std::find(run.lines.begin(), run.lines.end(), run.starting("warning: ")[0]);
    EXPECT_EQ(warning[-1].rfind("image 2 ", 0), 0u) << "the warning follows its image";
    EXPECT_EQ(run.lines.back(), "summary: pictures=5 placeholders=0 warnings=1");
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
    // Each image's line, wherever the warnings about its empty rectangle fall.
    const CheckRun windowed = skincheck({"--config", "Config.ini"}, folder.root());
    EXPECT_EQ(windowed.starting("image 1 "),
              Lines{"image 1 im_background_closed 0 0 0 0 file=y.png 32x32 alpha"});
    EXPECT_EQ(windowed.starting("image 2 "),
              Lines{"image 2 im_background_open 0 0 0 0 file=" + absolute + " 32x32 alpha"});
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
    EXPECT_EQ(file_text(out), file_text(corpus / "expected/png/basn6a08.pam"));
    const CheckRun broken = skincheck({"--decode", (corpus / kBrokenPng).string(), out.string()});
    EXPECT_EQ(broken.status, 1);
    ASSERT_EQ(broken.lines.size(), 1u);
    EXPECT_EQ(broken.lines[0].rfind("error: ", 0), 0u);
}

}  // namespace
}  // namespace gorvo::skin::test

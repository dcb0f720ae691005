// A Config.ini (beside a copy of the program) with enormous sizes, negative rectangles, missing
// sections or no sense at all: the game comes up and ends normally, never allocating anything
// near the size such a file asks for, and a colour it cannot read is said in a message.
#include <gtest/gtest.h>

#include <ostream>

#include <QByteArray>
#include <random>

#include "fault/program_mirror.h"
#include "fault/real_program.h"

namespace gorvo::fault {
namespace {

// Far above what the game needs (under 100 MiB; the sanitizers' own bookkeeping included, a few
// hundred), far below one picture of the largest size a file may ask for (16384 x 16384 x 4
// bytes, 1 GiB).
constexpr long long kMostMemoryKb = 700 * 1024;

// Every [ImageN] with the same keys.
QByteArray every_image(const QByteArray& keys) {
    QByteArray text;
    for (int n = 1; n <= 147; ++n)
        text += "[Image" + QByteArray::number(n) + "]\nFilename=im_tobo_02_01.png\n" + keys;
    return text;
}

QByteArray enormous_sizes() {
    return "[Common]\nSkinDir=Graphics\\Skin\\\nGameWidth=2147483647\nGameHeight=$7FFFFFFF\n"
           "[VideoMode]\nTranspColor=$00ff00ff\n" +
           every_image("Left=2000000000\nTop=-2000000000\nWidth=$7FFFFFFF\nHeight=0x7FFFFFFF\n");
}

QByteArray negative_rectangles() {
    return "[Common]\nGameWidth=-605\nGameHeight=-1\n" +
           every_image("Left=-2147483648\nTop=-1\nWidth=-20\nHeight=-2147483648\n");
}

QByteArray binary_noise() {
    std::mt19937 random(605);
    QByteArray bytes(32 * 1024, '\0');
    for (char& b : bytes)
        b = static_cast<char>(random() & 0xFF);
    return bytes;
}

struct ConfigCase {
    const char* name;
    QByteArray (*text)();
    bool fullscreen;
};

void PrintTo(const ConfigCase& c, std::ostream* os) {
    *os << c.name;
}

class OddConfig : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(OddConfig, ComesUpWithoutAGiantAllocation) {
    ProgramCopy copy;
    ASSERT_TRUE(copy.ok());
    ASSERT_TRUE(copy.write_config(GetParam().text()));
    ConfigHome home;
    home.write_store(GetParam().fullscreen
                         ? "[General]\nSoundMode=2\nSplashScreen=0\nFullscreenMode=1\n"
                         : ConfigHome::quick_start());
    GameLaunch launch;
    launch.executable = copy.executable();
    launch.config_home = home.path();
    const GameRun run = run_game(launch);
    ASSERT_TRUE(run.clean_exit()) << run.describe().toStdString();
    EXPECT_TRUE(run.main_window_shown()) << run.describe().toStdString();
    EXPECT_TRUE(run.messages.empty()) << run.describe().toStdString();
    ASSERT_TRUE(run.peak_rss_kb.has_value());
    EXPECT_LT(*run.peak_rss_kb, kMostMemoryKb) << "peak memory in KiB";
}

INSTANTIATE_TEST_SUITE_P(
    Config, OddConfig,
    ::testing::Values(ConfigCase{"EnormousSizes", enormous_sizes, false},
                      ConfigCase{"EnormousSizesFullscreen",
                                 [] {
                                     return enormous_sizes() +
                                            "[Fullscreen]\nGameOffsetX=2147483647\n"
                                            "GameOffsetY=-2147483648\nLogoPosition=99999\n";
                                 },
                                 true},
                      ConfigCase{"NegativeRectangles", negative_rectangles, false},
                      ConfigCase{"NegativeRectanglesFullscreen", negative_rectangles, true},
                      ConfigCase{"OnlyCommon", [] { return QByteArray("[Common]\n"); }, false},
                      ConfigCase{"NoCommonNoImages",
                                 [] { return QByteArray("[Manual]\nManualWidth=1\n"); }, false},
                      ConfigCase{"Empty", [] { return QByteArray(); }, true},
                      ConfigCase{"BinaryNoise", binary_noise, false},
                      ConfigCase{
                          "ShippedWithoutItsImageSections",
                          [] { return shipped_config().left(shipped_config().indexOf("[Image")); },
                          false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(OddConfigColour, AnUnreadableColourIsSaidAndTheGameGoesOn) {
    ProgramCopy copy;
    ASSERT_TRUE(copy.ok());
    QByteArray text = shipped_config();
    text.replace("TranspColor=$00ff00ff", "TranspColor=$100000000000000000000");
    ASSERT_TRUE(text.contains("$100000000000000000000")) << "the shipped colour line changed";
    ASSERT_TRUE(copy.write_config(text));
    ConfigHome home;
    GameLaunch launch;
    launch.executable = copy.executable();
    launch.config_home = home.path();
    const GameRun run = run_game(launch);
    ASSERT_TRUE(run.clean_exit()) << run.describe().toStdString();
    ASSERT_EQ(run.messages.size(), 1u) << run.describe().toStdString();
    EXPECT_EQ(run.messages[0].text,
              QStringLiteral("'$100000000000000000000' is not a valid integer value"));
    EXPECT_TRUE(run.main_window_shown());
}

}  // namespace
}  // namespace gorvo::fault

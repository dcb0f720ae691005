// Every shipped picture swapped for a truncated or corrupt copy, one at a time. A skin picture
// stops the skin's load: the game shows the decoder's message for that file, goes on and ends
// normally. The pictures nothing depends on (double-size companions, backdrop and logo, manual
// pages, splash and About pictures) are all damaged at once: the game still comes up. Never a
// crash, under the sanitizers either.
#include <gtest/gtest.h>

#include <QDir>
#include <QMessageBox>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fault/program_mirror.h"
#include "fault/real_program.h"
#include "skin/pictures.h"
#include "skin/profile.h"
#include "skin/skin_paths.h"

namespace gorvo::fault {
namespace {

QString text_of(const GameRun& run) {
    return run.describe();
}

// The picture file of [ImageN] as the game opens it: relative to the working folder.
std::filesystem::path skin_picture(int n) {
    const std::optional<skin::Profile> ini =
        skin::Profile::load((program_dir() + QStringLiteral("/Config.ini")).toStdString());
    if (!ini) return {};
    const std::string folder =
        skin::folder_path(ini->read_string("Common", "SkinDir", "Graphics\\Skin\\"));
    const std::string section = "Image" + std::to_string(n);
    return skin::file_in_folder(folder, ini->read_string(section, "Filename", ""));
}

// What the decoder says about a file of the mirror, opened the way the game opens it.
std::string decoder_message(const ProgramMirror& mirror, const std::filesystem::path& file) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(mirror.path().toStdString());
    const std::string message = skin::load_picture(file).error;
    std::filesystem::current_path(before);
    return message;
}

GameRun run_in(const ProgramMirror& mirror, const QByteArray& store) {
    ConfigHome home;
    home.write_store(store);
    GameLaunch launch;
    launch.working_dir = mirror.path();
    launch.config_home = home.path();
    return run_game(launch);
}

// The [ImageN] sections that name a picture file (some images keep their built-in picture).
std::vector<int> images_with_files() {
    std::vector<int> numbers;
    for (int n = 1; n <= 147; ++n) {
        const std::string name = skin_picture(n).filename().string();
        if (!name.empty() && name != "nil") numbers.push_back(n);
    }
    return numbers;
}

class DamagedSkinPicture : public ::testing::TestWithParam<int> {};

TEST_P(DamagedSkinPicture, ShowsTheDecodersMessageAndGoesOn) {
    const std::filesystem::path file = skin_picture(GetParam());
    ASSERT_FALSE(file.empty()) << "no picture named for [Image" << GetParam() << "]";
    ProgramMirror mirror;
    const Damage how = GetParam() % 2 == 0 ? Damage::Truncated : Damage::Corrupt;
    ASSERT_TRUE(mirror.damage(QString::fromStdString(file.generic_string()), how));
    const std::string expected = decoder_message(mirror, file);
    ASSERT_FALSE(expected.empty()) << "the damage left " << file << " readable";

    const GameRun run = run_in(mirror, ConfigHome::quick_start());
    ASSERT_TRUE(run.clean_exit()) << text_of(run).toStdString();
    ASSERT_EQ(run.messages.size(), 1u) << text_of(run).toStdString();
    EXPECT_EQ(run.messages[0].text.toStdString(), expected);
    EXPECT_EQ(run.messages[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(run.main_window_shown()) << text_of(run).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Skin, DamagedSkinPicture, ::testing::ValuesIn(images_with_files()),
                         [](const auto& p) {
                             return "Image" + std::to_string(p.param) + "_" +
                                    skin_picture(p.param).stem().string();
                         });

// Damages every file of `files` that matches, alternating truncated and corrupt from `first`.
void damage_all(ProgramMirror& mirror, const QStringList& files, Damage first) {
    bool truncate = first == Damage::Truncated;
    for (const QString& f : files) {
        ASSERT_TRUE(mirror.damage(f, truncate ? Damage::Truncated : Damage::Corrupt))
            << f.toStdString();
        truncate = !truncate;
    }
}

class DamagedExtras : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedExtras, CompanionsAreLeftUnusedWithoutAWord) {
    ProgramMirror mirror;
    damage_all(mirror,
               shipped_files(QStringLiteral("Graphics/Skin")).filter(QStringLiteral("@2x.")),
               GetParam());
    const GameRun run = run_in(mirror, ConfigHome::quick_start());
    ASSERT_TRUE(run.clean_exit()) << text_of(run).toStdString();
    EXPECT_TRUE(run.messages.empty()) << text_of(run).toStdString();
    EXPECT_TRUE(run.main_window_shown());
}

TEST_P(DamagedExtras, ManualPagesDoNotStopTheGame) {
    ProgramMirror mirror;
    damage_all(mirror, shipped_files(QStringLiteral("Graphics/Manual")), GetParam());
    const GameRun run = run_in(mirror, ConfigHome::quick_start());
    ASSERT_TRUE(run.clean_exit()) << text_of(run).toStdString();
    EXPECT_TRUE(run.main_window_shown());
}

TEST_P(DamagedExtras, SplashAndAboutPicturesDoNotStopTheSplashWindow) {
    ProgramMirror mirror;
    damage_all(mirror,
               shipped_files(QStringLiteral("Graphics/Splash")) +
                   shipped_files(QStringLiteral("Graphics/About")),
               GetParam());
    // A driver chosen, the splash window shown.
    const GameRun run =
        run_in(mirror, "[General]\nSoundMode=2\nSplashScreen=1\nFullscreenMode=0\n");
    ASSERT_TRUE(run.clean_exit()) << text_of(run).toStdString();
    ASSERT_FALSE(run.windows.empty());
    EXPECT_TRUE(run.windows[0].class_name.endsWith(QLatin1String("TSplashForm")))
        << text_of(run).toStdString();
}

// In fullscreen the backdrop is loaded first, then the logo; a damaged one stops the load with
// the decoder's message, unless the decoder can still use it.
TEST_P(DamagedExtras, BackdropAndLogoInFullscreen) {
    for (const QString& f : shipped_files(QStringLiteral("Graphics/Backdrops"))) {
        SCOPED_TRACE(f.toStdString());
        ProgramMirror mirror;
        ASSERT_TRUE(mirror.damage(f, GetParam()));
        const std::string expected = decoder_message(mirror, f.toStdString());
        const GameRun run =
            run_in(mirror, "[General]\nSoundMode=2\nSplashScreen=0\nFullscreenMode=1\n");
        ASSERT_TRUE(run.clean_exit()) << text_of(run).toStdString();
        EXPECT_TRUE(run.main_window_shown());
        if (expected.empty()) {
            EXPECT_TRUE(run.messages.empty()) << text_of(run).toStdString();
        } else {
            ASSERT_EQ(run.messages.size(), 1u) << text_of(run).toStdString();
            EXPECT_EQ(run.messages[0].text.toStdString(), expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, DamagedExtras,
                         ::testing::Values(Damage::Truncated, Damage::Corrupt), [](const auto& p) {
                             return p.param == Damage::Truncated ? "Truncated" : "Corrupt";
                         });

}  // namespace
}  // namespace gorvo::fault

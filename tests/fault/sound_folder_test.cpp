// The Sound folder with empty, truncated or non-WAV files, the sound started on SDL's dummy
// output (a driver named in SDL_AUDIODRIVER wins over the stored choice). A Chain sample that
// cannot be loaded is the one failure the game reports: its message, the driver choice reset,
// the program ended. Any other sample that cannot be loaded only stays silent.
#include <gtest/gtest.h>

#include <ostream>

#include <QFile>
#include <QSettings>

#include "fault/program_mirror.h"
#include "fault/real_program.h"
#include "platform/settings_store.h"

namespace gorvo::fault {
namespace {

const char* const kSounds[] = {"Chain", "Chance", "Enemy_1", "Enemy_2", "Gameover",
                               "Jump",  "Key",    "Miss",    "Safe",    "Step"};

enum class Broken { Empty, HeaderCut, NotWav };

QByteArray broken(const QByteArray& original, Broken how) {
    switch (how) {
        case Broken::Empty:
            return {};
        case Broken::HeaderCut:
            return original.left(20);  // "RIFF....WAVEfmt " and no more
        case Broken::NotWav:
            break;
    }
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(4000, '\x7f');
}

struct SoundCase {
    const char* name;
    const char* file;  // one sample, or nullptr for all ten
    Broken how;
    bool fails;  // the start reports the folder as unusable
};

void PrintTo(const SoundCase& c, std::ostream* os) {
    *os << c.name;
}

QString sample(const char* name) {
    return QStringLiteral("Sound/%1.wav").arg(QLatin1String(name));
}

QByteArray shipped(const QString& relative) {
    QFile f(program_dir() + QLatin1Char('/') + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

GameRun run_with(const SoundCase& c, const ConfigHome& home) {
    ProgramMirror mirror;
    for (const char* name : kSounds) {
        if (c.file != nullptr && QLatin1String(c.file) != QLatin1String(name)) continue;
        const QString file = sample(name);
        EXPECT_TRUE(mirror.replace(file, broken(shipped(file), c.how))) << file.toStdString();
    }
    // ALSA direct was chosen before; no splash window.
    home.write_store("[General]\nSoundMode=1\nSplashScreen=0\nFullscreenMode=0\n");
    GameLaunch launch;
    launch.working_dir = mirror.path();
    launch.config_home = home.path();
    launch.environment << QStringLiteral("SDL_AUDIODRIVER=dummy");
    return run_game(launch);
}

class BrokenSamples : public ::testing::TestWithParam<SoundCase> {};

TEST_P(BrokenSamples, OnlyAnUnusableChainSampleStopsTheGame) {
    ConfigHome home;
    const GameRun run = run_with(GetParam(), home);
    ASSERT_TRUE(run.ended_quietly()) << run.describe().toStdString();
    platform::QtSettingsStore store(home.store_file());
    if (!GetParam().fails) {
        EXPECT_EQ(run.exit_code, 0);
        EXPECT_TRUE(run.messages.empty()) << run.describe().toStdString();
        EXPECT_TRUE(run.main_window_shown());
        EXPECT_EQ(store.read_int("SoundMode", -99), 1);
        return;
    }
    EXPECT_NE(run.exit_code, 0) << "a failed start is no success";
    ASSERT_EQ(run.messages.size(), 1u) << run.describe().toStdString();
    EXPECT_EQ(run.messages[0].text,
              QStringLiteral("Sound folder unproperly installed. Please reinstall the game."));
    EXPECT_FALSE(run.main_window_shown()) << "the game was shown";
    EXPECT_EQ(store.read_int("SoundMode", -99), -1);
    EXPECT_EQ(store.read_int("SplashScreen", -99), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sound, BrokenSamples,
    ::testing::Values(SoundCase{"ChainEmpty", "Chain", Broken::Empty, true},
                      SoundCase{"ChainHeaderCut", "Chain", Broken::HeaderCut, true},
                      SoundCase{"ChainNotWav", "Chain", Broken::NotWav, true},
                      SoundCase{"StepEmpty", "Step", Broken::Empty, false},
                      SoundCase{"StepHeaderCut", "Step", Broken::HeaderCut, false},
                      SoundCase{"StepNotWav", "Step", Broken::NotWav, false},
                      SoundCase{"AllEmpty", nullptr, Broken::Empty, true},
                      SoundCase{"AllNotWav", nullptr, Broken::NotWav, true}),
    [](const auto& p) { return std::string(p.param.name); });

// Cut in the middle of their sound data, the samples are still WAV files: whether the sound
// library takes the part that is there or refuses them, the game never crashes, and it either
// runs or reports the folder.
TEST(TruncatedSamples, EndInAPlayableGameOrTheFolderMessage) {
    ProgramMirror mirror;
    for (const char* name : kSounds) {
        const QString file = sample(name);
        ASSERT_TRUE(mirror.damage(file, Damage::Truncated)) << file.toStdString();
    }
    ConfigHome home;
    home.write_store("[General]\nSoundMode=1\nSplashScreen=0\nFullscreenMode=0\n");
    GameLaunch launch;
    launch.working_dir = mirror.path();
    launch.config_home = home.path();
    launch.environment << QStringLiteral("SDL_AUDIODRIVER=dummy");
    const GameRun run = run_game(launch);
    ASSERT_TRUE(run.ended_quietly()) << run.describe().toStdString();
    if (run.messages.empty()) {
        EXPECT_TRUE(run.main_window_shown());
        EXPECT_EQ(run.exit_code, 0);
    } else {
        EXPECT_TRUE(run.messages[0].text.startsWith(QLatin1String("Sound folder")));
        EXPECT_FALSE(run.main_window_shown());
    }
}

}  // namespace
}  // namespace gorvo::fault

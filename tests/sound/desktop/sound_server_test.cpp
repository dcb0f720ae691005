// The game's sound and the desktop's bell through a real sound server: a PulseAudio server of the
// test's own, whose null sink is recorded from its monitor while the whole program plays in
// this process on its real sound path. And the message when the session runs no server at all.
#include <dlfcn.h>

#include <QAction>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <optional>

#include "../../app/program_fixture.h"
#include "core/handheld.h"
#include "heard_sound.h"
#include "platform/desktop_bell.h"
#include "pulse_server.h"
#include "ui/context_menu.h"

namespace gorvo::test {
namespace {

using namespace std::chrono_literals;

constexpr std::int16_t kLevel = 3000;
constexpr std::int16_t kThreshold = 300;  // silence from the null sink is exactly zero
constexpr double kSampleSeconds = 0.1;
// How far the output's lag may drift between two sounds on a busy machine, and the most it can
// be at all (the recorder's own start is part of it).
constexpr double kTolerance = 0.15;
constexpr double kLagLimit = 0.5;

double seconds(SteadyClock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Every sound the game sent to the library, and when.
class AskedSounds : public SoundOutput {
  public:
    struct Event {
        SteadyClock::time_point at;
        std::optional<Sound> sound;  // none: silence
    };
    std::vector<Event> events;

    void play(Sound s) override { events.push_back({SteadyClock::now(), s}); }
    void silence() override { events.push_back({SteadyClock::now(), std::nullopt}); }

    int plays() const {
        return static_cast<int>(std::count_if(events.begin(), events.end(),
                                              [](const Event& e) { return e.sound.has_value(); }));
    }
    int plays_of(Sound s) const {
        return static_cast<int>(std::count_if(events.begin(), events.end(),
                                              [s](const Event& e) { return e.sound == s; }));
    }
    // When each played sample sounds, in seconds from `origin`: its whole length, cut short by
    // a silence.
    std::vector<Span> spans(SteadyClock::time_point origin, double length) const {
        std::vector<Span> out;
        for (const Event& e : events) {
            const double t = seconds(e.at - origin);
            if (!e.sound) {
                for (Span& s : out)
                    s.end = std::min(s.end, std::max(s.start, t));
                continue;
            }
            out.push_back({t, t + length});
        }
        return out;
    }
};

bool canberra_installed() {
    return dlopen(platform::kCanberraFile, RTLD_NOW) != nullptr;  // kept: the program uses it
}

// Whether the desktop's sound theme with its bell is there.
bool bell_theme_installed() {
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty()) dirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& d : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QFile::exists(d + QStringLiteral("/sounds/freedesktop/stereo/bell.oga"))) return true;
    }
    return false;
}

class SoundServer : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        qunsetenv("SDL_AUDIODRIVER");  // the stored choice decides
        if (const std::string missing = missing_pulse_programs(); !missing.empty()) {
            GTEST_SKIP() << "this machine has no " << missing
                         << " (scripts/install-deps.sh installs pulseaudio and pulseaudio-utils)";
        }
        session.emplace(fs::path(dir.filePath(QStringLiteral("run")).toStdString()));
        server.emplace(*session, 10s);
        ASSERT_TRUE(server->ready()) << server->failure();
        recording.emplace(fs::path(dir.filePath(QStringLiteral("monitor.raw")).toStdString()));
        ASSERT_TRUE(recording->wait_for(0.05, 10s)) << recording->failure();
    }
    void TearDown() override {
        ProgramTest::TearDown();  // the program first: it is the server's client
        recording.reset();
        server.reset();
        session.reset();
    }

    // Waits until the recording holds everything up to `seconds_after` past `moment`.
    bool record_past(SteadyClock::time_point moment, double seconds_after) {
        constexpr double kPieces = 0.1;  // what the recording may have begun before began_by()
        return recording->wait_for(
            seconds(moment - recording->began_by()) + seconds_after + kPieces, 20s);
    }
    std::vector<Span> heard() const {
        return heard_spans(recording->samples(), kRecordRate, kThreshold);
    }

    std::optional<PrivateSoundSession> session;
    std::optional<PulseServer> server;
    std::optional<MonitorRecording> recording;
};

bool idle(app::Program& p) {
    const std::int32_t mode = p.handheld().state().game_mode;
    return mode == mode_all_segments || mode == mode_clock || mode == mode_game_over;
}

TEST_F(SoundServer, TheStartOfAGameAIsHeardWhenTheGamePlaysItsSoundsAndSilentBetween) {
    write_sound_folder(QDir::currentPath().toStdString(), static_cast<int>(kSampleSeconds * kRate),
                       kLevel);
    store({{"SoundMode", "0"}, {"SplashScreen", "0"}});
    app::Program& p = make_and_start();
    ASSERT_TRUE(p.created()) << (errors.empty() ? "" : errors[0].toStdString());
    ASSERT_TRUE(p.sound().sound_on());
    AskedSounds asked;
    p.sound().set_listener(&asked);

    // Open the case with ACL, then Game A: held for a moment in its high-score view, let go.
    ui::TForm1& window = p.main_window();
    QTest::keyClick(&window, Qt::Key_5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return idle(p); }, 5000));
    QTest::keyPress(&window, Qt::Key_1);
    QTest::qWait(300);
    QTest::keyRelease(&window, Qt::Key_1);
    // The start sequence sounds Key and Chain; then each enemy step sounds.
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked.plays() >= 4; }, 10000))
        << "the game played " << asked.plays() << " sounds";
    EXPECT_EQ(asked.plays_of(Sound::Key), 1);
    EXPECT_EQ(asked.plays_of(Sound::Chain), 1);
    p.sound().set_listener(nullptr);
    const SteadyClock::time_point last = asked.events.back().at;
    ASSERT_TRUE(record_past(last, kSampleSeconds + kLagLimit + kTolerance)) << recording->failure();
    program.reset();  // nothing more is played

    const std::vector<Span> wanted = asked.spans(recording->began_by(), kSampleSeconds);
    const HeardCheck check = check_heard(wanted, heard(), -0.05, kLagLimit, kTolerance);
    for (const std::string& problem : check.problems)
        ADD_FAILURE() << problem << " (times from the recording's start; the output lags "
                      << check.lag << " s)";
}

TEST_F(SoundServer, ResetHiscoresSoundsTheDesktopsBellThroughTheServer) {
    if (!canberra_installed() || !bell_theme_installed()) {
        GTEST_SKIP() << "this machine has no libcanberra or no freedesktop sound theme "
                        "(scripts/install-deps.sh installs libcanberra0, libcanberra-pulse and "
                        "sound-theme-freedesktop)";
    }
    // The game itself without sound: whatever is heard is the bell.
    store({{"SoundMode", "2"}, {"SplashScreen", "0"}, {"HiScore1", "120"}});
    app::Program& p = make_and_start();
    ASSERT_TRUE(p.created());
    const SteadyClock::time_point asked = SteadyClock::now();
    p.context_menu().item(8)->trigger();
    EXPECT_EQ(stored("HiScore1"), "0");

    std::vector<Span> spans;
    const auto until = SteadyClock::now() + 10s;
    while (spans.empty() && SteadyClock::now() < until && recording->failure().empty()) {
        recording->wait_for(seconds(SteadyClock::now() - recording->began_by()) + 0.05, 1s);
        spans = heard();
    }
    ASSERT_FALSE(spans.empty()) << "the bell was not heard " << recording->failure();
    EXPECT_GE(spans.front().start, seconds(asked - recording->began_by()) - 0.01)
        << "sound before the bell was asked for";
}

// With no server running for the session, the sound server choice is refused with its own
// reason, not with what the device said to a fall-back.
class NoSoundServer : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        qunsetenv("SDL_AUDIODRIVER");
        session.emplace(fs::path(dir.filePath(QStringLiteral("run")).toStdString()));
        // The session's own socket, where nothing listens: no server elsewhere is asked.
        server_socket.emplace("PULSE_SERVER",
                              "unix:" + (session->runtime() / "pulse" / "native").string());
    }
    void TearDown() override {
        ProgramTest::TearDown();
        server_socket.reset();
        session.reset();
    }
    std::optional<PrivateSoundSession> session;
    std::optional<ScopedEnv> server_socket;
};

TEST_F(NoSoundServer, TheServerChoiceSaysNoServerAnsweredAndOffersTheOtherDrivers) {
    install_sound_folder();
    store({{"SoundMode", "0"}, {"SplashScreen", "0"}});
    app::Program& p = make();
    EXPECT_FALSE(p.created());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].toStdString(),
              "The sound output \"Sound server (PipeWire / PulseAudio)\" could not be opened: no "
              "sound server (PipeWire or PulseAudio) answered.\n\nAt the next start, choose "
              "\"ALSA direct\" or \"(no sound)\".");
    EXPECT_EQ(stored("SoundMode"), "-1");
    EXPECT_EQ(stored("SplashScreen"), "1");
}

}  // namespace
}  // namespace gorvo::test

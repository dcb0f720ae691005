// A recording replays exactly: the game's real-time driver, on a fake real clock, is played by a
// random player who presses and releases at arbitrary moments, many on the very millisecond a
// timer is due, with stalls long enough for the driver's resume rule, while the wall clock turns
// past minutes and midnight. Every session's recording, run by the simulator, must give the
// trace that was seen in play, line for line.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "replay/actions.h"
#include "replay/generator.h"
#include "replay/recorder.h"
#include "sim/runner.h"
#include "sim/sim_ports.h"
#include "sim/trace.h"
#include "sim/verify.h"
#include "support/qt/test_app.h"
#include "ui/engine_driver.h"

namespace gorvo::replay {
namespace {

// The desktop's clock: it runs with real time, not with the engine's.
class RealWallClock final : public WallClock {
  public:
    RealWallClock(const Millis& real, int start_minutes) : real_(real), start_(start_minutes) {}
    LocalTime now() override {
        const auto minutes = static_cast<int>((start_ + real_ / 60'000) % (24 * 60));
        return {minutes / 60, minutes % 60};
    }

  private:
    const Millis& real_;
    int start_;
};

// The trace a player sees: the simulator's trace lines, printed as each instant ends.
class PlayTrace final : public SessionListener {
  public:
    PlayTrace(Recorder& recorder, sim::TraceRecorder& trace, const Handheld& hh)
        : recorder_(recorder), trace_(trace), hh_(hh) {}
    void input(const ScriptEvent& e) override { recorder_.input(e); }
    void input_done() override { recorder_.input_done(); }
    void instant_done(Millis t) override {
        recorder_.instant_done(t);
        trace_.flush(t, hh_.images(), out);
    }
    std::ostringstream out;

  private:
    Recorder& recorder_;
    sim::TraceRecorder& trace_;
    const Handheld& hh_;
};

struct Session {
    std::string recording;
    std::string play_trace;
    std::string replay_trace;
    int games = 0;
    std::string verified;  // what --verify says against the file; empty when it agrees
};

Session play_session(std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    auto uniform = [&rng](Millis lo, Millis hi) {
        return lo + static_cast<Millis>(rng() % static_cast<std::uint64_t>(hi - lo + 1));
    };
    Millis real = uniform(0, 100'000);
    const sim::StartValues start{0, static_cast<int>(uniform(0, 30)),
                                 static_cast<int>(uniform(0, 30)), uniform(0, 1) == 1};

    sim::TraceRecorder trace;
    sim::TraceSound sound(trace);
    sim::TraceSettings settings(trace);
    settings.store("HiScore1", start.hiscore_a);
    settings.store("HiScore2", start.hiscore_b);
    settings.store("CtrlrOverlay", start.overlay ? 1 : 0);
    RealWallClock desk_clock(real, 23 * 60 + 58);
    Generator random(rng());
    RecordingClock clock(desk_clock);
    Handheld hh(sound, settings, clock, random);
    hh.load_settings();
    Recorder recorder(hh, start_header(random.seed(), hh.state()));
    clock.attach(recorder, hh.timers());
    PlayTrace play(recorder, trace, hh);

    ui::EngineDriver driver(hh, [&real] { return real; });
    driver.set_listener(&play);
    driver.start_session();
    driver.catch_up();
    hh.enter_closed_case();
    driver.reschedule();
    trace.start(hh.images());

    std::optional<Millis> expires;  // real time the armed timer runs out
    auto rearm = [&] {
        const std::optional<int> delay = driver.armed_delay();
        expires = delay ? std::optional<Millis>(real + *delay) : std::nullopt;
    };
    auto input = [&](Action a) {
        driver.catch_up();
        driver.perform(ScriptEvent{0, a, 0, static_cast<int>(rng() % 2)});
        driver.reschedule();
        rearm();
    };
    rearm();
    input(Action::open);
    auto start_game = [&] {
        const bool b = rng() % 2 == 0;
        input(b ? Action::game_b_down : Action::game_a_down);
        real += uniform(0, 300);
        input(b ? Action::game_b_up : Action::game_a_up);
    };
    const int steps = static_cast<int>(uniform(100, 1200));
    for (int i = 0; i < steps; ++i) {
        const std::uint64_t kind = rng() % 100;
        if (kind < 40 && expires) {  // the timer runs out, maybe late
            real = std::max(real, *expires + (rng() % 4 == 0 ? uniform(0, 40) : 0));
            driver.expire_now();
            rearm();
            continue;
        }
        if (kind < 65 && expires) {
            real = std::max(real, *expires);  // on the millisecond a timer is due
        } else if (kind < 67) {
            real += uniform(300, 4000);  // a stall: the resume rule
        } else {
            real += uniform(0, 120);
        }
        const std::int32_t mode = hh.state().game_mode;
        const bool playing = mode == mode_game_a || mode == mode_game_b;
        const std::uint64_t what = rng() % 1000;
        if (!playing && what < 300) {
            start_game();
        } else if (what < 5) {
            input(Action::reset_hiscores);
        } else if (what < 10) {
            input(Action::overlay);
        } else if (what < 15) {
            input(Action::open);
        } else {
            // Directions and jump mostly, the mode buttons now and then; presses and releases
            // in any order, as keys, the mouse and a pad give them.
            const int control =
                what < 960 ? 4 + static_cast<int>(rng() % 5) : static_cast<int>(rng() % 4);
            const auto c = static_cast<Control>(control);
            input(rng() % 2 == 0 ? press_action(c) : release_action(c));
        }
    }
    if (expires) real = std::max(real, *expires);
    driver.expire_now();
    driver.close_instant();

    Session s;
    s.play_trace = play.out.str();
    s.recording = recorder.text(hh.timers().now());
    s.games = static_cast<int>(recorder.games().size());
    const ScriptParse parsed = parse_script(s.recording);
    if (!parsed.ok()) return s;
    // The file alone is enough: its header gives the start, and its notes are verified.
    const Header& h = parsed.script.header;
    const sim::StartValues from_file{0, h.hiscore_a.value_or(-1), h.hiscore_b.value_or(-1),
                                     h.overlay.value_or(!start.overlay)};
    Generator replay_random(h.seed.value_or(0));
    std::ostringstream replayed;
    sim::run_script(parsed.script, from_file, replay_random, replayed);
    Generator verify_random(h.seed.value_or(0));
    std::ostringstream games;
    s.verified = sim::verify_script(parsed.script, from_file, verify_random, games).message;
    s.replay_trace = replayed.str();
    // The last line is the simulator's end line, which play has no counterpart of.
    s.replay_trace.erase(s.replay_trace.rfind('\n', s.replay_trace.size() - 2) + 1);
    return s;
}

// The first line where two traces differ, for the failure message.
std::string first_difference(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string lx, ly;
    for (int n = 1;; ++n) {
        const bool more_x = static_cast<bool>(std::getline(x, lx));
        const bool more_y = static_cast<bool>(std::getline(y, ly));
        if (!more_x && !more_y) return "none";
        if (!more_x || !more_y || lx != ly)
            return "line " + std::to_string(n) + ": play '" + (more_x ? lx : "(end)") +
                   "', replay '" + (more_y ? ly : "(end)") + "'";
    }
}

TEST(Exactness, EveryRecordedSessionReplaysToTheTraceSeenInPlay) {
    test::ensure_qt_core_app();
    int games = 0;
    for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
        const Session s = play_session(seed);
        games += s.games;
        ASSERT_FALSE(s.play_trace.empty()) << "seed " << seed;
        ASSERT_EQ(s.play_trace, s.replay_trace)
            << "seed " << seed << ", first difference "
            << first_difference(s.play_trace, s.replay_trace) << "\nthe session:\n"
            << s.recording;
        ASSERT_EQ(s.verified, "") << "seed " << seed << "\nthe session:\n" << s.recording;
    }
    // The sessions reach the end of games too, so that game-over notes are recorded.
    EXPECT_GT(games, 0);
}

}  // namespace
}  // namespace gorvo::replay

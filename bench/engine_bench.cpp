// gorvo250-bench-engine: how much faster than real time the engine plays. 1,000 sessions of
// random play, each at least five virtual minutes long (a new game is chosen whenever one
// ends), driven on virtual time without any checks or output.
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "core/handheld.h"
#include "replay/actions.h"
#include "replay/generator.h"
#include "replay/script_clock.h"
#include "sim/draws.h"
#include "sim/random_player.h"
#include "sim/sim_ports.h"

namespace {

using gorvo::Millis;

constexpr int kSessions = 1000;
constexpr Millis kSessionLength = 5 * 60 * 1000;

class SilentSound : public gorvo::SoundOutput {
  public:
    void play(gorvo::Sound) override {}
    void silence() override {}
};

class NoSettings : public gorvo::SettingsStore {
  public:
    int read_int(std::string_view, int d) override { return d; }
    bool read_bool(std::string_view, bool d) override { return d; }
    void write_int(std::string_view, int) override {}
    void write_bool(std::string_view, bool) override {}
};

struct SessionCount {
    Millis virtual_ms = 0;
    int games = 0;
};

bool idle(std::int32_t mode) {
    return mode == gorvo::mode_all_segments || mode == gorvo::mode_clock ||
           mode == gorvo::mode_game_over;
}

SessionCount play_session(std::uint64_t seed) {
    using namespace gorvo;
    SilentSound sound;
    NoSettings settings;
    replay::ScriptClock clock(0);
    replay::Generator draws(seed);
    Handheld hh(sound, settings, clock, draws);
    clock.attach(hh.timers());
    hh.load_settings();
    hh.Gam_Set_Mode();
    replay::apply_action(hh, {0, replay::Action::open});

    sim::RandomPlayer player(seed, seed % 2 == 0 ? sim::wandering_style() : sim::reckless_style());
    SessionCount count;
    bool game_b = false;
    while (hh.timers().now() < kSessionLength) {
        if (idle(hh.state().game_mode) && !player.pending_press(Control::GameA) &&
            !player.pending_press(Control::GameB)) {
            player.start_game(hh.timers().now(), game_b);
            game_b = !game_b;
            ++count.games;
        }
        const replay::ScriptEvent e = player.next(hh.timers().now());
        // Up to the event, then the event, then what is due at its time.
        if (e.time > 0) hh.run_until(e.time - 1);
        hh.timers().advance_to(e.time);
        replay::apply_action(hh, e);
        hh.run_until(e.time);
    }
    count.virtual_ms = hh.timers().now();
    return count;
}

}  // namespace

int main() {
    const auto start = std::chrono::steady_clock::now();
    Millis virtual_ms = 0;
    int games = 0;
    for (int i = 0; i < kSessions; ++i) {
        const SessionCount c = play_session(static_cast<std::uint64_t>(i) + 1);
        virtual_ms += c.virtual_ms;
        games += c.games;
    }
    const double real_s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double virtual_s = static_cast<double>(virtual_ms) / 1000.0;
    std::printf("sim_speedup %.0f x\n", virtual_s / real_s);
    std::printf(
        "# %d sessions of random play (%d games chosen): %.0f virtual s in %.2f s of real "
        "time (target: at least 10000 x)\n",
        kSessions, games, virtual_s, real_s);
    return 0;
}

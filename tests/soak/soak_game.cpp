#include "soak_game.h"

#include <array>
#include <memory>
#include <vector>

#include "climber.h"
#include "replay/actions.h"
#include "replay/script_clock.h"
#include "rule_watch.h"
#include "sim/random_player.h"
#include "sim/sim_ports.h"
#include "support/fakes.h"

namespace gorvo::soak {

namespace {

// A game that lasts longer than this has stopped ending: a fault of its own.
constexpr Millis kLongestGame = 4LL * 3600 * 1000;

class SilentSound : public SoundOutput {
  public:
    void play(Sound) override {}
    void silence() override {}
};

// How often enemies enter. Crowded: nearly at every chance, so the screens fill up and Tobo is
// caught soon. Sparse: seldom, so that a careful player gets far.
enum class Traffic { Uniform, Crowded, Sparse };

// The seeded generator, remembering every draw so that the session can be replayed with
// --draws. Only the entry draws (n of 5 and more) are bent; the choice of a lock is not.
class RememberedDraws : public RandomSource {
  public:
    RememberedDraws(std::uint64_t seed, Traffic traffic) : random_(seed), traffic_(traffic) {}
    int draw(int n) override {
        const int v = traffic_ == Traffic::Uniform || n < 5 ? random_.draw(n) : entry_draw(n);
        taken.push_back(v);
        return v;
    }
    std::vector<int> taken;

  private:
    int entry_draw(int n) {
        if (traffic_ == Traffic::Crowded) return random_.draw(4) == 0 ? random_.draw(n) : 0;
        return random_.draw(60) == 0 ? 0 : 1 + random_.draw(n - 1);
    }

    test::SeededRandom random_;
    Traffic traffic_;
};

// The mix of sessions: mostly short games in crowded screens, some ordinary ones, a few slow
// ones, and the climber's long games.
enum class Shape { CrowdedReckless, CrowdedWandering, Reckless, Wandering, Idle, Climber };

Shape shape_for(std::uint64_t seed) {
    switch (seed % 50) {
        case 44:
            return Shape::Climber;
        case 45:
            return Shape::CrowdedWandering;
        case 46:
            return Shape::Reckless;
        case 47:
        case 48:
            return Shape::Wandering;
        case 49:
            return Shape::Idle;
        default:
            return Shape::CrowdedReckless;
    }
}

Traffic traffic_for(Shape s) {
    if (s == Shape::CrowdedReckless || s == Shape::CrowdedWandering) return Traffic::Crowded;
    return s == Shape::Climber ? Traffic::Sparse : Traffic::Uniform;
}

std::unique_ptr<sim::RandomPlayer> player_for(Shape s, std::uint64_t seed, const Handheld& hh) {
    switch (s) {
        case Shape::CrowdedReckless:
        case Shape::Reckless:
            return std::make_unique<sim::RandomPlayer>(seed, sim::reckless_style());
        case Shape::CrowdedWandering:
        case Shape::Wandering:
            return std::make_unique<sim::RandomPlayer>(seed, sim::wandering_style());
        case Shape::Idle:
            return std::make_unique<sim::RandomPlayer>(seed, sim::idle_style());
        case Shape::Climber:
            break;
    }
    return std::make_unique<Climber>(seed, hh);
}

class SoakSession {
  public:
    SoakSession(std::uint64_t seed, int games)
        : draws_(seed * 2 + 1, traffic_for(shape_for(seed))),
          player_(player_for(shape_for(seed), seed, hh_)),
          games_wanted_(games),
          next_game_b_(seed % 2 == 1) {
        sim::RandomPlayer setup(~seed, sim::PlayStyle{});
        hiscore_a_ = static_cast<int>(setup.uniform(0, 999));
        hiscore_b_ = static_cast<int>(setup.uniform(0, 999));
        settings_.values["HiScore1"] = std::to_string(hiscore_a_);
        settings_.values["HiScore2"] = std::to_string(hiscore_b_);
        clock_.attach(hh_.timers());
        hh_.load_settings();
        hh_.enter_closed_case();
    }

    SoakResult play() {
        apply(replay::ScriptEvent{0, replay::Action::open, 0});
        while (failure_.empty() && games_done_ < games_wanted_) {
            if (hh_.timers().now() - game_started_at_ > kLongestGame) {
                failure_ = "a game has not ended after four hours";
                break;
            }
            choose_game_if_idle();
            const replay::ScriptEvent e = player_->next(hh_.timers().now());
            run_timers_before(e.time);
            apply(e);
            run_timers_at(e.time);
        }
        return result();
    }

  private:
    // Called after every event.
    void check(std::optional<TimerId> fired) {
        if (!failure_.empty()) return;
        follow_games();
        if (!failure_.empty()) return;
        const std::string e = rules_.check(hh_, Moment{fired, game_chosen_});
        if (e.empty()) return;
        failure_ = "at " + std::to_string(hh_.timers().now()) + " ms" +
                   (fired ? " after a tick of " + std::string(timer_name(*fired))
                          : std::string(" after an input")) +
                   ": " + e;
    }

    // Notes each game's start and checks the high score at each game over.
    void follow_games() {
        const std::int32_t mode = hh_.state().game_mode;
        if (mode == last_mode_) return;
        if (mode == mode_hiscore_a || mode == mode_hiscore_b) game_chosen_ = true;
        if (mode == mode_game_a || mode == mode_game_b) {
            const GameState& s = hh_.state();
            game_b_ = mode == mode_game_b;
            hiscore_before_ = game_b_ ? s.hiscore_b : s.hiscore_a;
            writes_before_ = settings_.writes.size();
            game_started_at_ = hh_.timers().now();
        }
        if (mode == mode_game_over) {
            ++games_done_;
            check_high_score();
        }
        last_mode_ = mode;
    }

    bool run_one(Millis until) {
        return hh_.timers().run_one(until, [this](TimerId id) {
            hh_.on_timer(id);
            ++ticks_[static_cast<int>(id)];
            check(id);
        });
    }

    void run_timers_before(Millis t) {
        for (auto due = hh_.timers().next_due(); due && *due < t && failure_.empty();
             due = hh_.timers().next_due()) {
            run_one(*due);
        }
        hh_.timers().advance_to(t);
    }

    void run_timers_at(Millis t) {
        while (failure_.empty() && run_one(t)) {
        }
    }

    void apply(const replay::ScriptEvent& e) {
        if (!failure_.empty()) return;
        script_ += std::to_string(e.time) + " " + std::string(replay::action_name(e.action)) + "\n";
        replay::apply_action(hh_, e);
        check(std::nullopt);
    }

    // After a game over, ACL or a look at the clock, the player chooses a game; the variants
    // take turns.
    void choose_game_if_idle() {
        const std::int32_t mode = hh_.state().game_mode;
        if (mode != mode_all_segments && mode != mode_clock && mode != mode_game_over) return;
        if (player_->pending_press(Control::GameA) || player_->pending_press(Control::GameB))
            return;
        player_->start_game(hh_.timers().now(), next_game_b_);
        next_game_b_ = !next_game_b_;
    }

    void check_high_score() {
        const GameState& s = hh_.state();
        const int after = game_b_ ? s.hiscore_b : s.hiscore_a;
        const std::string write =
            std::string(game_b_ ? "HiScore2=" : "HiScore1=") + std::to_string(s.score);
        const std::vector<std::string> writes(
            settings_.writes.begin() + static_cast<std::ptrdiff_t>(writes_before_),
            settings_.writes.end());
        const std::string game = game_b_ ? "Game B" : "Game A";
        if (s.score > 999) {
            failure_ = game + " ended with the score " + std::to_string(s.score) + " unreduced";
        } else if (s.score > hiscore_before_ &&
                   (after != s.score || writes != std::vector{write})) {
            failure_ = game + " ended with " + std::to_string(s.score) + ", beating " +
                       std::to_string(hiscore_before_) + ", but the high score is " +
                       std::to_string(after) + " and the store got " +
                       std::to_string(writes.size()) + " writes";
        } else if (s.score <= hiscore_before_ && (after != hiscore_before_ || !writes.empty())) {
            failure_ = game + " ended with " + std::to_string(s.score) + " and the high score " +
                       std::to_string(hiscore_before_) + " changed to " + std::to_string(after);
        }
        if (!failure_.empty())
            failure_ = "at " + std::to_string(hh_.timers().now()) + " ms: " + failure_;
    }

    SoakResult result() const {
        SoakResult r;
        r.failure = failure_;
        r.games = games_done_;
        r.ticks = ticks_;
        r.duration = hh_.timers().now();
        r.script = script_ + std::to_string(r.duration) + " end\n";
        for (int v : draws_.taken)
            r.draws += std::to_string(v) + "\n";
        r.options = "--hiscore-a " + std::to_string(hiscore_a_) + " --hiscore-b " +
                    std::to_string(hiscore_b_);
        return r;
    }

    SilentSound sound_;
    test::MemorySettings settings_;
    replay::ScriptClock clock_{0};
    RememberedDraws draws_;
    Handheld hh_{sound_, settings_, clock_, draws_};
    std::unique_ptr<sim::RandomPlayer> player_;
    RuleWatch rules_;
    const int games_wanted_;
    bool next_game_b_;
    int hiscore_a_ = 0;  // as stored at start-up
    int hiscore_b_ = 0;
    int games_done_ = 0;
    std::int32_t last_mode_ = mode_closed;
    bool game_chosen_ = false;
    bool game_b_ = false;  // the game in progress
    int hiscore_before_ = 0;
    std::size_t writes_before_ = 0;
    Millis game_started_at_ = 0;
    std::array<long, kTimerCount> ticks_{};
    std::string script_;
    std::string failure_;
};

}  // namespace

SoakResult play_soak_session(std::uint64_t seed, int games) {
    return SoakSession(seed, games).play();
}

std::string reproduction(std::uint64_t seed, const SoakResult& r) {
    return "soak seed " + std::to_string(seed) + ": " + r.failure +
           "\nreplay: save the draws below as draws.txt and the script as game.txt, then run\n"
           "  gorvo250-sim --draws draws.txt " +
           r.options +
           " game.txt\n"
           "--- draws.txt ---\n" +
           r.draws + "--- game.txt ---\n" + r.script;
}

}  // namespace gorvo::soak

// A player who presses random controls for random lengths of time: the input of the soak test
// and the engine benchmark, written as script events so that any run can be replayed.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "core/handheld.h"
#include "replay/script.h"

namespace gorvo::sim {

struct PlayStyle {
    std::array<int, kControlCount> weights{};  // relative, in Control order; 0 never pressed
    Millis min_hold = 10;                      // how long a press lasts
    Millis max_hold = 1000;
    Millis min_gap = 0;  // pause after a press before the next one
    Millis max_gap = 1000;
    int overlap_percent = 0;  // chance of a second press while one is held
};

// Walks and jumps into trouble: games end quickly.
PlayStyle reckless_style();
// Every direction and jump with long holds; now and then a mode button, ACL included.
PlayStyle wandering_style();
// Seldom presses anything: Tobo enters by himself and waits for the enemies.
PlayStyle idle_style();

class RandomPlayer {
  public:
    RandomPlayer(std::uint64_t seed, const PlayStyle& style);
    virtual ~RandomPlayer() = default;

    // The next input at or after `now`. Every press is followed by its release; a control may
    // be pressed again before it (auto-repeat). A player with other ideas plans them first.
    virtual replay::ScriptEvent next(Millis now);
    // Presses and releases Game A or Game B soon after `now`, before anything else planned.
    void start_game(Millis now, bool game_b);
    // Whether a press of this control is planned and not yet handed out.
    bool pending_press(Control c) const;
    // A number in lo..hi, from the player's own generator.
    Millis uniform(Millis lo, Millis hi);

  protected:
    // Plans one press of c at `at`, released `hold` ms later.
    void press_for(Millis at, Control c, Millis hold);
    // Nothing planned: the next call of next() decides afresh.
    bool idle() const { return plan_.empty(); }

  private:
    void plan(Millis now);
    void add(Millis t, replay::Action a);
    Control pick_control();

    std::mt19937_64 rng_;
    PlayStyle style_;
    std::vector<replay::ScriptEvent> plan_;  // in time order
};

}  // namespace gorvo::sim

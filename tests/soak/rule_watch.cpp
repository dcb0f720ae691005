#include "rule_watch.h"

#include <array>
#include <cstring>

namespace gorvo::soak {

namespace {

// Tobo's, the enemies' and the panel digits' segments: those the expensive rules look at. The
// two flickering spark entry cells are left out: no rule ties them to the grid.
bool is_watched(ImageId id) {
    const std::string_view name = kImageDefs[id].name;
    if (id == im_spark_00_06 || id == im_spark_05_05) return false;
    return name.starts_with("im_tobo_") || name.starts_with("im_crow_") ||
           name.starts_with("im_nokker_") || name.starts_with("im_spark_") ||
           name.starts_with("im_panel_digit_pos_");
}

bool watched(ImageId id) {
    static const std::array<bool, kImageCount> table = [] {
        std::array<bool, kImageCount> t{};
        for (int i = 0; i < kImageCount; ++i)
            t[i] = is_watched(static_cast<ImageId>(i));
        return t;
    }();
    return table[id];
}

bool same_watched_state(const GameState& a, const GameState& b) {
    return a.tobo_col == b.tobo_col && a.tobo_row == b.tobo_row &&
           a.play_enabled == b.play_enabled && a.game_mode == b.game_mode && a.score == b.score &&
           std::memcmp(&a.enemy_grid, &b.enemy_grid, sizeof a.enemy_grid) == 0;
}

}  // namespace

bool RuleWatch::segments_may_have_changed(Handheld& hh, const Moment& m) {
    bool changed = first_ || m.fired == TimerId::Timer_Game;
    for (const ImageChange& c : hh.images().take_changes())
        changed = changed || watched(c.id);
    const bool game_start = hh.timers().enabled(TimerId::Timer_Game_Start);
    changed = changed || game_start != last_game_start_ || !same_watched_state(hh.state(), last_);
    first_ = false;
    last_ = hh.state();
    last_game_start_ = game_start;
    return changed;
}

std::string RuleWatch::check(Handheld& hh, const Moment& m) {
    if (segments_may_have_changed(hh, m)) return check_invariants(hh, m);
    // The segments, the grid and Tobo are as they were at the last full look, which passed.
    if (std::string e = check_ranges(hh.state()); !e.empty()) return e;
    return check_frozen_sequences(hh);
}

}  // namespace gorvo::soak

#include "invariants.h"

#include <array>

namespace gorvo::soak {

namespace {

constexpr std::array<TimerId, 5> kFrozenSequences = {
    TimerId::Timer_Miss, TimerId::Timer_Game_Over, TimerId::Timer_Bonus_Lock,
    TimerId::Timer_Bonus_Complete, TimerId::Timer_Bonus_Chance};

// Timers of normal play and of the other modes, all off while a frozen sequence runs.
constexpr std::array<TimerId, 7> kStoppedWhileFrozen = {
    TimerId::Timer_Game,      TimerId::Timer_Tobo_Move,   TimerId::Timer_Tobo_Jump,
    TimerId::Timer_Key_Blink, TimerId::Timer_Spark_Blink, TimerId::Timer_Game_Start,
    TimerId::Timer_Clock};

std::string cell_name(int col, int row) {
    std::string name(1, '(');
    name += std::to_string(col);
    name += ", ";
    name += std::to_string(row);
    name += ')';
    return name;
}

bool in_game(const GameState& s) {
    return s.game_mode == mode_game_a || s.game_mode == mode_game_b;
}

// The digit shown at a panel position: 0..9, or -1 for blank.
int digit_at(const Images& images, int pos) {
    const ImageId source = images[images.digit_pos(pos)].picture_source;
    for (int d = 0; d <= 9; ++d) {
        if (source == images.panel_number(d)) return d;
    }
    return -1;
}

bool flickers(int col, int row) {
    return (col == 0 && row == 6) || (col == 5 && row == 5);
}

// The 64 enemy cells with their segments (kNoImage where none), looked up once: the checks run
// after every event.
struct EnemyCell {
    int col;
    int row;
    ImageId id;
};

const std::array<EnemyCell, 64>& enemy_cells() {
    static const std::array<EnemyCell, 64> cells = [] {
        const Images images;
        std::array<EnemyCell, 64> out{};
        for (int col = 0; col <= 7; ++col) {
            for (int row = 1; row <= 8; ++row) {
                out[col * 8 + row - 1] = {col, row, images.enemy_image(col, row)};
            }
        }
        return out;
    }();
    return cells;
}

}  // namespace

std::string check_ranges(const GameState& s) {
    if (s.lives < -1 || s.lives > 2) return "lives " + std::to_string(s.lives) + " outside -1..2";
    for (int h : {s.hiscore_a, s.hiscore_b}) {
        if (h < 0 || h > 999) return "high score " + std::to_string(h) + " outside 0..999";
    }
    if (s.score < 0) return "negative score";
    if (s.play_enabled) {
        if (!in_game(s))
            return "play enabled outside a game (mode " + std::to_string(s.game_mode) + ")";
        if (s.score_step != 1 && s.score_step != 2) {
            return "score_step " + std::to_string(s.score_step) + " during play";
        }
        if (s.chance_score < 300 || (s.chance_score - 300) % 1000 != 0) {
            return "chance_score " + std::to_string(s.chance_score) + " is no chance threshold";
        }
        if (s.score >= s.chance_score) {
            return "play runs at score " + std::to_string(s.score) + " although the chance at " +
                   std::to_string(s.chance_score) + " is due";
        }
    }
    return {};
}

std::string check_enemy_cells(const Handheld& hh) {
    const GameState& s = hh.state();
    for (const EnemyCell& c : enemy_cells()) {
        const int v = s.enemy_grid[c.col][c.row];
        if (v != 0 && v != 1)
            return "enemy cell " + cell_name(c.col, c.row) + " holds " + std::to_string(v);
        if (v == 1 && c.id == kNoImage) {
            return "enemy cell " + cell_name(c.col, c.row) + " set where no segment exists";
        }
    }
    return {};
}

std::string check_enemy_segments(const Handheld& hh) {
    const GameState& s = hh.state();
    for (const EnemyCell& c : enemy_cells()) {
        if (c.id == kNoImage || flickers(c.col, c.row)) continue;
        const bool lit = hh.images().visible(c.id);
        if (lit != (s.enemy_grid[c.col][c.row] == 1)) {
            return std::string(kImageDefs[c.id].name) +
                   (lit ? " lit over an empty cell" : " dark over an enemy");
        }
    }
    return {};
}

std::string check_tobo(const Handheld& hh, const Moment& m) {
    const GameState& s = hh.state();
    if (!m.game_chosen) return {};
    const ImageId here = hh.images().tobo_image(s.tobo_col, s.tobo_row);
    if (here == kNoImage)
        return "Tobo at " + cell_name(s.tobo_col, s.tobo_row) + ", which has no segment";
    if (!s.play_enabled) return {};
    for (int col = 1; col <= 5; ++col) {
        for (int row = 1; row <= 9; ++row) {
            const ImageId id = hh.images().tobo_image(col, row);
            if (id == kNoImage) continue;
            if (hh.images().visible(id) != (id == here)) {
                return std::string(kImageDefs[id].name) + (id == here ? " dark" : " lit") +
                       " while Tobo is at " + cell_name(s.tobo_col, s.tobo_row);
            }
        }
    }
    const bool at_top_of_jump = s.tobo_col == 1 && s.tobo_row == 3;
    if (hh.images().visible(im_tobo_01_03_a) != at_top_of_jump)
        return "the arm im_tobo_01_03_a does not follow Tobo";
    if (hh.images().visible(im_tobo_01_03_b)) return "im_tobo_01_03_b lit during play";
    return {};
}

std::string check_frozen_sequences(const Handheld& hh) {
    int running = 0;
    for (TimerId id : kFrozenSequences)
        running += hh.timers().enabled(id) ? 1 : 0;
    if (running == 0) return {};
    if (running > 1) return "two frozen sequences run at once";
    if (hh.state().play_enabled) return "play enabled during a frozen sequence";
    for (TimerId id : kStoppedWhileFrozen) {
        if (hh.timers().enabled(id))
            return std::string(timer_name(id)) + " runs during a frozen sequence";
    }
    return {};
}

std::string check_panel(const Handheld& hh) {
    const Images& images = hh.images();
    std::array<int, 5> digit{};
    int first = 0;  // first non-blank position, 0 if all blank
    for (int pos = 1; pos <= 4; ++pos) {
        digit[pos] = digit_at(images, pos);
        const ImageId source = images[images.digit_pos(pos)].picture_source;
        if (digit[pos] < 0 && source != kNoImage)
            return "digit position shows a picture that is no digit";
        if (digit[pos] >= 0 && first == 0) first = pos;
        if (digit[pos] < 0 && first != 0) return "blank digit position after a digit";
    }
    if (first != 0 && first < 4 && digit[first] == 0) return "the panel shows a leading zero";
    const GameState& s = hh.state();
    const bool game_panel = in_game(s) || s.game_mode == mode_game_over;
    if (game_panel && first != 0) {
        int shown = 0;
        for (int pos = first; pos <= 4; ++pos)
            shown = shown * 10 + digit[pos];
        if (shown != s.score % 1000) {
            return "the panel shows " + std::to_string(shown) + " for the score " +
                   std::to_string(s.score);
        }
    }
    return {};
}

std::string check_invariants(const Handheld& hh, const Moment& m) {
    const GameState& s = hh.state();
    if (std::string e = check_ranges(s); !e.empty()) return e;
    if (std::string e = check_enemy_cells(hh); !e.empty()) return e;
    const bool game_past_start = (in_game(s) || s.game_mode == mode_game_over) &&
                                 !hh.timers().enabled(TimerId::Timer_Game_Start);
    const bool after_enemy_tick = m.fired == TimerId::Timer_Game;
    if (after_enemy_tick || (m.game_chosen && game_past_start)) {
        if (std::string e = check_enemy_segments(hh); !e.empty()) return e;
    }
    if (std::string e = check_tobo(hh, m); !e.empty()) return e;
    if (std::string e = check_frozen_sequences(hh); !e.empty()) return e;
    return check_panel(hh);
}

}  // namespace gorvo::soak

// The enemy tick: crows, nokkers and sparks move one cell on alternate phases, new ones enter
// at random, contacts with Tobo are misses, and the tick sets the game speed.
#include <cstdint>

#include "core/handheld.h"
#include "core/intervals.h"

namespace gorvo {

void Handheld::spawn(int col, int row, int block_col, int block_row, int n) {
    // The draw is made every time, also when the blocking cell holds an enemy: replays depend on
    // the number of draws per tick.
    const int draw = random_.draw(n);
    s_.cell(col, row) = (draw == 0 && s_.cell(block_col, block_row) != 1) ? 1 : 0;
}

void Handheld::move_row_right(int row, int from_k, int to_k) {
    for (int k = from_k; k >= to_k; --k)
        s_.cell(k + 1, row) = s_.cell(k, row);
}

void Handheld::move_row_left(int row, int from_k, int to_k) {
    for (int k = from_k; k <= to_k; ++k)
        s_.cell(k - 1, row) = s_.cell(k, row);
}

bool Handheld::enemy_phase_1() {
    const int col = s_.tobo_col;
    const int row = s_.tobo_row;
    bool miss = ((row == 1 || row == 3) && col >= 2 && col <= 5 && s_.cell(col, row) == 1) ||
                (row == 8 && s_.cell(col + 1, 8) == 1);
    if (!miss) {
        move_row_right(1, 5, 1);
        move_row_right(3, 5, 1);
        s_.cell(2, 3) = s_.cell(2, 2);
        s_.cell(2, 2) = 0;
        move_row_left(5, 2, 5);
        move_row_left(8, 2, 7);
        spawn(1, 1, 2, 1, 13 - s_.game_mode);
        spawn(5, 5, 4, 5, 6);
        spawn(7, 8, 6, 8, 6);
    }
    if (col == 1 && row == 5 && s_.cell(1, 5) == 1) miss = true;
    if (row == 5 && col >= 2 && col <= 4 && s_.cell(col, 5) == 1) {
        // A row-5 spark reaches Tobo in mid-air above row 6.
        if (s_.cell(col + 1, 6) == 1) {
            start_timer(TimerId::Timer_Tobo_Jump, interval::kAtOnce);
        } else if (s_.cell(col, 6) == 1) {
            move_row_right(6, 5, 0);
            spawn(0, 6, 1, 6, 6);
            start_timer(TimerId::Timer_Tobo_Jump, interval::kAtOnce);
        } else {
            miss = true;
        }
    }
    if (!miss) Snd_Play(s_.tobo_row <= 4 ? Sound::Enemy_1 : Sound::Enemy_2);
    return miss;
}

bool Handheld::enemy_phase_2() {
    const int col = s_.tobo_col;
    const int row = s_.tobo_row;
    bool miss = (row == 2 && col >= 2 && col <= 5 && s_.cell(col + 1, 2) == 1) ||
                (row == 4 && s_.cell(col + 1, 4) == 1) || (row == 6 && s_.cell(col, 6) == 1);
    if (!miss) {
        move_row_left(2, 3, 6);
        s_.cell(6, 2) = s_.cell(6, 1);
        s_.cell(6, 1) = 0;
        move_row_left(4, 2, 7);
        move_row_right(6, 5, 0);
        spawn(7, 4, 7, 4, 6);
        spawn(0, 6, 1, 6, 6);
    }
    if (col == 5 && row == 7 && s_.cell(5, 6) == 1) miss = true;
    if (row == 7 && col >= 1 && col <= 4 && s_.cell(col, 6) == 1) {
        // A row-6 spark reaches Tobo in mid-air above row 8.
        if (s_.cell(col, 8) == 1) {
            start_timer(TimerId::Timer_Tobo_Jump, interval::kAtOnce);
        } else if (s_.cell(col + 1, 8) == 1) {
            move_row_left(8, 2, 7);
            spawn(7, 8, 6, 8, 6);
            start_timer(TimerId::Timer_Tobo_Jump, interval::kAtOnce);
        } else {
            miss = true;
        }
    }
    if (!miss) Snd_Play(Sound::Enemy_2);
    return miss;
}

void Handheld::redraw_enemies() {
    images_.Vid_Show_All_Enemies(false);
    for (int col = 0; col <= 7; ++col) {
        for (int row = 1; row <= 8; ++row) {
            if (s_.cell(col, row) == 1) images_.set_visible(images_.enemy_image(col, row), true);
        }
    }
}

void Handheld::Timer_GameTimer() {
    if (s_.tobo_col == 1 && s_.tobo_row == 9 && s_.game_ticks == 22) Gam_Tobo_Jumps_In();
    const bool miss = (s_.enemy_phase % 2 == 1) ? enemy_phase_1() : enemy_phase_2();
    redraw_enemies();
    if (miss) {
        Gam_Stop_All_Timers();
        images_.Vid_Show_Panel_Score(s_.score, true);
        Snd_Silence();
        s_.play_enabled = false;
        s_.miss_step = 1;
        start_timer(TimerId::Timer_Miss, interval::kAtOnce);
    }
    Gam_Set_Timer_Game_Interval();
    s_.enemy_phase += 1;
    if (s_.enemy_phase == 3) s_.enemy_phase = 1;
    s_.game_ticks += 1;
}

void Handheld::Gam_Set_Timer_Game_Interval() {
    const std::int64_t ticks = s_.game_ticks;
    const std::int64_t speed_up = s_.game_mode == mode_game_b ? (ticks * 13) / 10 : ticks;
    std::int64_t interval = 600 - speed_up - s_.score / 3;
    if (interval < 120) interval = 120;
    timers_.set_interval(TimerId::Timer_Game, static_cast<int>(interval));
}

void Handheld::Timer_Spark_BlinkTimer() {
    const bool odd = s_.spark_blink_phase % 2 == 1;
    images_.set_visible(im_spark_00_06, odd && s_.cell(0, 6) == 1);
    images_.set_visible(im_spark_05_05, !odd && s_.cell(5, 5) == 1);
    s_.spark_blink_phase += 1;
    if (s_.spark_blink_phase == 3) s_.spark_blink_phase = 1;
}

}  // namespace gorvo

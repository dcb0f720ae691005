// The simulated handheld: the game state of the main window, the eighteen input actions, the
// case opening, the high-score reset and one handler per timer. Deterministic given its ports:
// time comes only from the scheduler, randomness only from the RandomSource.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/images.h"
#include "core/ports.h"
#include "core/timers.h"

namespace gorvo {

namespace test {
struct Rig;
}

enum GameMode : std::int32_t {
    mode_closed = 0,
    mode_acl_held = 1,
    mode_all_segments = 2,
    mode_alarm_view = 3,
    mode_clock = 4,
    mode_hiscore_a = 5,
    mode_game_a = 6,
    mode_hiscore_b = 7,
    mode_game_b = 8,
    mode_game_over = 9,
};

// What runs on after a bonus chance, as stored in chance_next.
enum class AfterChance : std::int32_t {
    ReleaseScene = 1,  // Timer_Bonus_Complete: the points of Gorvo's release
    LockPoints = 2,    // Timer_Bonus_Lock: the points of an opened lock
    KeyPoints = 3,     // Timer_Key_Move: the points of a key picked up after a lock
    Play = 4,          // play itself, after a jump-over point
};

// The nine controls, in the order of the key bindings (Key1..Key9).
enum class Control { GameA, GameB, Time, Acl, Up, Left, Right, Down, Jump };
constexpr int kControlCount = 9;

// Every game-state variable, named as in the game's documentation. Zero at start unless noted.
struct GameState {
    std::int32_t game_mode = mode_closed;
    std::int32_t score = 0;
    std::int32_t score_step = 0;
    std::int32_t chance_score = 0;
    std::int32_t hiscore_a = 0;
    std::int32_t hiscore_b = 0;
    std::int32_t lives = 0;
    std::int32_t tobo_col = 0;
    std::int32_t tobo_row = 0;
    std::array<std::array<std::int32_t, 9>, 8> enemy_grid{};  // [col 0..7][row 1..8]
    std::int32_t enemy_phase = 0;
    std::int32_t game_ticks = 0;
    bool play_enabled = false;
    bool dir_held = false;
    bool jump_held = false;
    std::int32_t move_request = 0;  // 0 none, 1 right, 2 down, 3 left, 4 up, 5 jump
    std::int32_t key_pos = 0;
    std::int32_t start_step = 0;
    std::int32_t miss_step = 0;
    std::int32_t gameover_step = 0;
    std::int32_t score_blink_phase = 0;
    std::int32_t spark_blink_phase = 0;
    std::int32_t chance_step = 0;
    std::int32_t chance_next = 0;
    std::int32_t complete_step = 0;
    std::int32_t lock_step = 0;
    std::int32_t lock_count = 0;
    std::int32_t keymove_step = 0;
    bool ctrlr_overlay = true;

    std::int32_t& cell(int col, int row) { return enemy_grid[col][row]; }
    std::int32_t cell(int col, int row) const { return enemy_grid[col][row]; }
};

class Handheld {
  public:
    Handheld(SoundOutput& sound, SettingsStore& settings, WallClock& clock, RandomSource& random);

    Images& images() { return images_; }
    const Images& images() const { return images_; }
    Scheduler& timers() { return timers_; }
    const Scheduler& timers() const { return timers_; }
    // The game state is the engine's own: outside it, only its operations change it.
    const GameState& state() const { return s_; }

    // The engine side of the main window's creation: reads CtrlrOverlay, HiScore1 and
    // HiScore2 (each high score defaulting to its current value) and clears the input latches.
    void load_settings();

    // Runs every timer due at or before t, in order, and leaves the clock at t.
    void run_until(Millis t);
    // Runs the handler of one timer tick.
    void on_timer(TimerId id);

    // The eighteen input actions.
    void Inp_game_a_down();
    void Inp_game_a_up();
    void Inp_game_b_down();
    void Inp_game_b_up();
    void Inp_time_down();
    void Inp_time_up();
    void Inp_acl_down();
    void Inp_acl_up();
    void Inp_up_down();
    void Inp_up_up();
    void Inp_left_down();
    void Inp_left_up();
    void Inp_right_down();
    void Inp_right_up();
    void Inp_down_down();
    void Inp_down_up();
    void Inp_jump_down();
    void Inp_jump_up();
    void press(Control c);
    void release(Control c);

    // The splash window's start action: the closed case, in the mode of that name.
    void enter_closed_case();
    // Opening the closed case (a click on it, or ACL while closed).
    void im_background_closedClick();
    // Shows the overlay buttons or the cross-pad area, by ctrlr_overlay and the open case.
    void Vid_Display_Ctrl_Overlay();
    // The state side of the overlay switch: stores CtrlrOverlay and updates the display.
    void set_ctrlr_overlay(bool on);
    // "Reset Hiscores": both high scores to 0, each written at once (the beep is the UI's).
    void reset_hiscores();

    // Mode handling.
    void Gam_Set_Mode();
    void Gam_Stop_All_Timers();
    void Gam_Set_Timer_Game_Interval();

    // Timer handlers.
    void Timer_Bonus_ChanceTimer();
    void Timer_Bonus_CompleteTimer();
    void Timer_Bonus_LockTimer();
    void Timer_ClockTimer();
    void Timer_GameTimer();
    void Timer_Game_OverTimer();
    void Timer_Game_StartTimer();
    void Timer_Tobo_JumpTimer();
    void Timer_Tobo_MoveTimer();
    void Timer_Key_BlinkTimer();
    void Timer_Key_MoveTimer();
    void Timer_MissTimer();
    void Timer_Score_BlinkTimer();
    void Timer_Spark_BlinkTimer();

    void Gam_Tobo_Jumps_In();

  private:
    // Scenario tests put the game into positions that would take long to play to.
    friend struct test::Rig;

    // Timer helpers: "set interval ms and enable".
    void start_timer(TimerId id, int ms);
    void Snd_Play(Sound s) { sound_.play(s); }
    void Snd_Silence() { sound_.silence(); }
    void show_pressed(ImageId pressed);
    void direction_down(int code, ImageId direction_picture);
    void direction_up();

    // Enemy tick pieces.
    void spawn(int col, int row, int block_col, int block_row, int n);
    void move_row_right(int row, int from_k, int to_k);
    void move_row_left(int row, int from_k, int to_k);
    bool enemy_phase_1();
    bool enemy_phase_2();
    void redraw_enemies();
    void start_miss_from_tick();

    // Movement pieces.
    enum class Outcome { None, Miss, Lock, KeyBottom0, KeyUpper, KeyBottom6, Entry, FallBack };
    struct MoveResult {
        Outcome outcome = Outcome::None;
        bool stepped = false;  // a completed one-cell move
        bool jumped = false;   // a completed jump
    };
    MoveResult carry_out(int request);
    MoveResult jump();
    MoveResult move_to(int col, int row, int hit_col, int hit_row, bool stepped);
    void hand_over(const MoveResult& r);
    void start_fall_back();

    // Play resumes after a sequence: the enemy tick, the key and spark blinking, the controls.
    // The sequences differ in what else they do, each an argument: whether the tick interval
    // is worked out afresh, where the key waits (unchanged when nothing), and whether a
    // direction held through the sequence is let go.
    enum class TickInterval { Kept, Recomputed };
    enum class HeldDirection { Kept, LetGo };
    void resume_play(TickInterval tick, std::optional<std::int32_t> key_pos, HeldDirection held);

    // Keys, locks, points and the bonus chance.
    void add_point(AfterChance next);
    void start_chance(AfterChance next);
    void resume_after_chance();
    void finish_lock();
    void release_walk_step();
    bool any_chain_visible() const;

    SoundOutput& sound_;
    SettingsStore& settings_;
    WallClock& clock_;
    RandomSource& random_;
    Images images_;
    Scheduler timers_;
    GameState s_;
};

}  // namespace gorvo

// Construction, settings, the timer dispatch and the control mapping of the handheld.
#include "core/handheld.h"

#include "core/stored_settings.h"

namespace gorvo {

Handheld::Handheld(SoundOutput& sound, SettingsStore& settings, WallClock& clock,
                   RandomSource& random)
    : sound_(sound), settings_(settings), clock_(clock), random_(random) {}

void Handheld::load_settings() {
    s_.ctrlr_overlay = settings_.read_bool(stored::kCtrlrOverlay.name, true);
    s_.hiscore_a = settings_.read_int(stored::kHiScore1.name, s_.hiscore_a);
    s_.hiscore_b = settings_.read_int(stored::kHiScore2.name, s_.hiscore_b);
    s_.play_enabled = false;
    s_.dir_held = false;
    s_.jump_held = false;
}

void Handheld::run_until(Millis t) {
    timers_.run_until(t, [this](TimerId id) { on_timer(id); });
}

void Handheld::start_timer(TimerId id, int ms) {
    timers_.set_interval(id, ms);
    timers_.enable(id);
}

void Handheld::on_timer(TimerId id) {
    switch (id) {
        case TimerId::Timer_Bonus_Chance:
            return Timer_Bonus_ChanceTimer();
        case TimerId::Timer_Bonus_Complete:
            return Timer_Bonus_CompleteTimer();
        case TimerId::Timer_Bonus_Lock:
            return Timer_Bonus_LockTimer();
        case TimerId::Timer_Clock:
            return Timer_ClockTimer();
        case TimerId::Timer_Game:
            return Timer_GameTimer();
        case TimerId::Timer_Game_Over:
            return Timer_Game_OverTimer();
        case TimerId::Timer_Game_Start:
            return Timer_Game_StartTimer();
        case TimerId::Timer_Tobo_Jump:
            return Timer_Tobo_JumpTimer();
        case TimerId::Timer_Tobo_Move:
            return Timer_Tobo_MoveTimer();
        case TimerId::Timer_Key_Blink:
            return Timer_Key_BlinkTimer();
        case TimerId::Timer_Key_Move:
            return Timer_Key_MoveTimer();
        case TimerId::Timer_Miss:
            return Timer_MissTimer();
        case TimerId::Timer_Score_Blink:
            return Timer_Score_BlinkTimer();
        case TimerId::Timer_Spark_Blink:
            return Timer_Spark_BlinkTimer();
    }
}

void Handheld::press(Control c) {
    switch (c) {
        case Control::GameA:
            return Inp_game_a_down();
        case Control::GameB:
            return Inp_game_b_down();
        case Control::Time:
            return Inp_time_down();
        case Control::Acl:
            return Inp_acl_down();
        case Control::Up:
            return Inp_up_down();
        case Control::Left:
            return Inp_left_down();
        case Control::Right:
            return Inp_right_down();
        case Control::Down:
            return Inp_down_down();
        case Control::Jump:
            return Inp_jump_down();
    }
}

void Handheld::release(Control c) {
    switch (c) {
        case Control::GameA:
            return Inp_game_a_up();
        case Control::GameB:
            return Inp_game_b_up();
        case Control::Time:
            return Inp_time_up();
        case Control::Acl:
            return Inp_acl_up();
        case Control::Up:
            return Inp_up_up();
        case Control::Left:
            return Inp_left_up();
        case Control::Right:
            return Inp_right_up();
        case Control::Down:
            return Inp_down_up();
        case Control::Jump:
            return Inp_jump_up();
    }
}

}  // namespace gorvo

// The sequences that frame a game: the start, the miss and the game over, and the blinking
// score.
#include "core/handheld.h"
#include "core/intervals.h"
#include "core/stored_settings.h"

namespace gorvo {

void Handheld::resume_play(TickInterval tick, std::optional<std::int32_t> key_pos,
                           HeldDirection held) {
    if (tick == TickInterval::Recomputed) Gam_Set_Timer_Game_Interval();
    timers_.enable(TimerId::Timer_Game);
    if (key_pos) s_.key_pos = *key_pos;
    s_.play_enabled = true;
    start_timer(TimerId::Timer_Key_Blink, interval::kKeyBlink);
    s_.spark_blink_phase = 1;
    start_timer(TimerId::Timer_Spark_Blink, interval::kSparkBlink);
    if (held == HeldDirection::LetGo) s_.dir_held = false;
}

void Handheld::Timer_Game_StartTimer() {
    switch (s_.start_step) {
        case 1:
            timers_.set_interval(TimerId::Timer_Game_Start, interval::kStartStep);
            break;
        case 2:
            images_.set_visible(im_panel_alarm_1, true);
            images_.set_visible(im_gorvo_1, true);
            Snd_Play(Sound::Key);
            break;
        case 3:
            images_.Vid_Show_All_Chains(true);
            Snd_Play(Sound::Chain);
            break;
        case 4:
            for (auto& column : s_.enemy_grid)
                column.fill(0);
            s_.score_step = 1;
            s_.chance_score = 300;
            s_.enemy_phase = 1;
            s_.game_ticks = 1;
            resume_play(TickInterval::Recomputed, 0, HeldDirection::LetGo);
            timers_.disable(TimerId::Timer_Game_Start);
            break;
        default:
            break;
    }
    s_.start_step += 1;
}

void Handheld::Timer_MissTimer() {
    switch (s_.miss_step) {
        case 1:
            Snd_Play(Sound::Miss);
            timers_.set_interval(TimerId::Timer_Miss, interval::kMissSound);
            break;
        case 2:
            images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, false);
            timers_.set_interval(TimerId::Timer_Miss, interval::kMissBlink);
            break;
        case 3:
        case 5:
            images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, true);
            break;
        case 4:
        case 6:
            images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, false);
            break;
        case 7:
            s_.lives -= 1;
            images_.Vid_Show_Panel_Lives(s_.lives);
            if (s_.lives < 0) {
                s_.gameover_step = 1;
                start_timer(TimerId::Timer_Game_Over, interval::kAtOnce);
            } else {
                s_.tobo_col = 1;
                s_.tobo_row = 9;
                images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, true);
                images_.Vid_Show_All_Keys(false);
                images_.Vid_Show_All_Key_Zero(false);
                s_.score_step = 1;
                s_.game_ticks = 1;
                resume_play(TickInterval::Recomputed, 0, HeldDirection::LetGo);
            }
            timers_.disable(TimerId::Timer_Miss);
            break;
        default:
            break;
    }
    s_.miss_step += 1;
}

void Handheld::Timer_Game_OverTimer() {
    switch (s_.gameover_step) {
        case 1:
            timers_.set_interval(TimerId::Timer_Game_Over, interval::kGameOverSound);
            break;
        case 2:
            Snd_Play(Sound::Gameover);
            timers_.set_interval(TimerId::Timer_Game_Over, interval::kGameOverScore);
            break;
        case 3:
            // Only the three digits on the panel count.
            while (s_.score >= 1000)
                s_.score -= 1000;
            if (s_.game_mode == mode_game_a && s_.score > s_.hiscore_a) {
                s_.hiscore_a = s_.score;
                settings_.write_int(stored::kHiScore1.name, s_.hiscore_a);
            }
            if (s_.game_mode == mode_game_b && s_.score > s_.hiscore_b) {
                s_.hiscore_b = s_.score;
                settings_.write_int(stored::kHiScore2.name, s_.hiscore_b);
            }
            s_.game_mode = mode_game_over;
            Gam_Set_Mode();
            timers_.set_interval(TimerId::Timer_Game_Over, interval::kGameOverShown);
            break;
        case 4:
            images_.Vid_Show_All(false);
            s_.game_mode = mode_alarm_view;
            Gam_Set_Mode();
            timers_.disable(TimerId::Timer_Game_Over);
            break;
        default:
            break;
    }
    s_.gameover_step += 1;
}

void Handheld::Timer_Score_BlinkTimer() {
    images_.Vid_Show_Panel_Score(s_.score, s_.score_blink_phase % 2 == 1);
    s_.score_blink_phase += 1;
    if (s_.score_blink_phase == 3) s_.score_blink_phase = 1;
}

}  // namespace gorvo

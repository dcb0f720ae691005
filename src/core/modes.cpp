// Modes of the unit: the mode buttons, Gam_Set_Mode, the case opening, the overlay switch and
// the high-score reset.
#include "core/handheld.h"
#include "core/intervals.h"
#include "core/stored_settings.h"

namespace gorvo {

namespace {

bool idle(std::int32_t mode) {
    return mode == mode_all_segments || mode == mode_clock || mode == mode_game_over;
}

}  // namespace

void Handheld::Gam_Stop_All_Timers() {
    for (int i = 0; i < kTimerCount; ++i)
        timers_.disable(static_cast<TimerId>(i));
}

void Handheld::enter_closed_case() {
    s_.game_mode = mode_closed;
    Gam_Set_Mode();
}

void Handheld::show_pressed(ImageId pressed) {
    images_.set_visible(pressed, images_.visible(im_background_open));
}

void Handheld::Inp_game_a_down() {
    show_pressed(btn_game_a_down);
    if (!idle(s_.game_mode)) return;
    s_.game_mode = mode_hiscore_a;
    Gam_Set_Mode();
}

void Handheld::Inp_game_a_up() {
    images_.set_visible(btn_game_a_down, false);
    if (s_.game_mode != mode_hiscore_a) return;
    s_.game_mode = mode_game_a;
    Gam_Set_Mode();
}

void Handheld::Inp_game_b_down() {
    show_pressed(btn_game_b_down);
    if (!idle(s_.game_mode)) return;
    s_.game_mode = mode_hiscore_b;
    Gam_Set_Mode();
}

void Handheld::Inp_game_b_up() {
    images_.set_visible(btn_game_b_down, false);
    if (s_.game_mode != mode_hiscore_b) return;
    s_.game_mode = mode_game_b;
    Gam_Set_Mode();
}

void Handheld::Inp_time_down() {
    show_pressed(btn_time_down);
    if (!idle(s_.game_mode)) return;
    s_.game_mode = mode_alarm_view;
    Gam_Set_Mode();
}

void Handheld::Inp_time_up() {
    images_.set_visible(btn_time_down, false);
    if (s_.game_mode != mode_alarm_view) return;
    s_.game_mode = mode_clock;
    Gam_Set_Mode();
}

void Handheld::Inp_acl_down() {
    show_pressed(btn_acl_down);
    if (s_.game_mode == mode_closed) {
        im_background_closedClick();
        return;
    }
    s_.game_mode = mode_acl_held;
    Gam_Set_Mode();
}

void Handheld::Inp_acl_up() {
    images_.set_visible(btn_acl_down, false);
    if (s_.game_mode != mode_acl_held) return;
    s_.game_mode = mode_all_segments;
    Gam_Set_Mode();
}

void Handheld::Gam_Set_Mode() {
    switch (s_.game_mode) {
        case mode_acl_held:
            Gam_Stop_All_Timers();
            Snd_Silence();
            s_.play_enabled = false;
            break;
        case mode_all_segments:
            images_.Vid_Show_All(true);
            break;
        case mode_alarm_view:
            Gam_Stop_All_Timers();
            images_.Vid_Show_All(false);
            images_.set_visible(im_panel_time_colon, true);
            images_.set_visible(im_panel_time_pm, true);
            images_.set_picture_from(images_.digit_pos(1), images_.panel_number(1));
            images_.set_picture_from(images_.digit_pos(2), images_.panel_number(2));
            images_.set_picture_from(images_.digit_pos(3), images_.panel_number(0));
            images_.set_picture_from(images_.digit_pos(4), images_.panel_number(0));
            break;
        case mode_clock:
            Gam_Stop_All_Timers();
            images_.set_visible(im_panel_time_colon, true);
            start_timer(TimerId::Timer_Clock, interval::kAtOnce);
            break;
        case mode_hiscore_a:
        case mode_hiscore_b: {
            const bool a = s_.game_mode == mode_hiscore_a;
            Gam_Stop_All_Timers();
            images_.Vid_Show_All(false);
            images_.set_visible(a ? im_panel_game_a : im_panel_game_b, true);
            images_.Vid_Show_Panel_Score(a ? s_.hiscore_a : s_.hiscore_b, true);
            s_.lives = 2;
            images_.Vid_Show_Panel_Lives(s_.lives);
            s_.tobo_col = 1;
            s_.tobo_row = 9;
            images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, true);
            break;
        }
        case mode_game_a:
        case mode_game_b:
            s_.score = 0;
            images_.Vid_Show_Panel_Score(s_.score, true);
            s_.start_step = 1;
            start_timer(TimerId::Timer_Game_Start, interval::kAtOnce);
            break;
        default:  // closed and game over: nothing to do on entry
            break;
    }
}

void Handheld::im_background_closedClick() {
    images_.set_visible(im_background_closed, false);
    images_.set_visible(im_background_open, true);
    images_.set_visible(im_background_screen_1_top, true);
    images_.set_visible(im_background_screen_2_top, true);
    for (ImageId b : {btn_game_a_top, btn_game_b_top, btn_time_top, btn_acl_top, btn_alarm_top,
                      btn_cross_top, btn_jump_top}) {
        images_.set_visible(b, true);
    }
    Vid_Display_Ctrl_Overlay();
    s_.game_mode = mode_all_segments;
    Gam_Set_Mode();
}

void Handheld::Vid_Display_Ctrl_Overlay() {
    const bool open = images_.visible(im_background_open);
    for (ImageId b : {btn_ctrlr_overlay_up, btn_ctrlr_overlay_left, btn_ctrlr_overlay_right,
                      btn_ctrlr_overlay_down}) {
        images_.set_visible(b, s_.ctrlr_overlay && open);
    }
    images_.set_visible(btn_cross_top, !s_.ctrlr_overlay && open);
}

void Handheld::set_ctrlr_overlay(bool on) {
    s_.ctrlr_overlay = on;
    settings_.write_bool(stored::kCtrlrOverlay.name, on);
    Vid_Display_Ctrl_Overlay();
}

void Handheld::reset_hiscores() {
    s_.hiscore_a = 0;
    settings_.write_int(stored::kHiScore1.name, 0);
    s_.hiscore_b = 0;
    settings_.write_int(stored::kHiScore2.name, 0);
}

void Handheld::Timer_ClockTimer() {
    const LocalTime t = clock_.now();
    int hour = t.hour;
    if (hour > 11) {
        hour -= 12;
        images_.set_visible(im_panel_time_am, false);
        images_.set_visible(im_panel_time_pm, true);
    } else {
        images_.set_visible(im_panel_time_am, true);
        images_.set_visible(im_panel_time_pm, false);
    }
    if (hour == 0) hour = 12;
    images_.set_picture_from(images_.digit_pos(1),
                             hour > 9 ? images_.panel_number(hour / 10) : kNoImage);
    images_.set_picture_from(images_.digit_pos(2), images_.panel_number(hour % 10));
    images_.set_picture_from(images_.digit_pos(3), images_.panel_number(t.minute / 10));
    images_.set_picture_from(images_.digit_pos(4), images_.panel_number(t.minute % 10));
    timers_.set_interval(TimerId::Timer_Clock, interval::kClock);
}

}  // namespace gorvo

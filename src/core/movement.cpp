// Tobo's movement: the cross pad and jump actions, one step per tick of Timer_Tobo_Move, the
// fall back after a jump, and the entry from the waiting place.
#include <algorithm>

#include "core/handheld.h"
#include "core/intervals.h"

namespace gorvo {

namespace {

enum Request { kNone = 0, kRight = 1, kDown = 2, kLeft = 3, kUp = 4, kJump = 5 };

bool walking_row(int row) {
    return row == 4 || row == 6 || row == 8;
}

}  // namespace

void Handheld::direction_down(int code, ImageId direction_picture) {
    if (images_.visible(im_background_open)) {
        images_.set_visible(btn_cross_down, true);
        images_.set_picture_from(btn_cross_down, direction_picture);
    }
    if (s_.dir_held) return;
    s_.dir_held = true;
    if (s_.play_enabled) {
        s_.move_request = code;
        start_timer(TimerId::Timer_Tobo_Move, interval::kFirstStep);
    }
}

void Handheld::direction_up() {
    images_.set_visible(btn_cross_down, false);
    s_.dir_held = false;
    s_.move_request = kNone;
}

void Handheld::Inp_right_down() {
    direction_down(kRight, btn_cross_down_right);
}
void Handheld::Inp_down_down() {
    direction_down(kDown, btn_cross_down_down);
}
void Handheld::Inp_left_down() {
    direction_down(kLeft, btn_cross_down_left);
}
void Handheld::Inp_up_down() {
    direction_down(kUp, btn_cross_down_up);
}
void Handheld::Inp_right_up() {
    direction_up();
}
void Handheld::Inp_down_up() {
    direction_up();
}
void Handheld::Inp_left_up() {
    direction_up();
}
void Handheld::Inp_up_up() {
    direction_up();
}

void Handheld::Inp_jump_down() {
    images_.set_visible(btn_jump_down, images_.visible(im_background_open));
    if (s_.jump_held) return;
    s_.jump_held = true;
    if (s_.play_enabled) {
        s_.move_request = kJump;
        start_timer(TimerId::Timer_Tobo_Move, interval::kAtOnce);
    }
}

void Handheld::Inp_jump_up() {
    images_.set_visible(btn_jump_down, false);
    s_.jump_held = false;
    s_.move_request = kNone;
}

// Draws Tobo at the new place, then tests the enemy cell that makes the move a miss
// (hit_col < 0: none).
Handheld::MoveResult Handheld::move_to(int col, int row, int hit_col, int hit_row, bool stepped) {
    images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, false);
    s_.tobo_col = col;
    s_.tobo_row = row;
    images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, true);
    MoveResult r;
    if (hit_col >= 0 && s_.cell(hit_col, hit_row) == 1) {
        r.outcome = Outcome::Miss;
        return r;
    }
    r.stepped = stepped;
    r.jumped = !stepped;
    return r;
}

Handheld::MoveResult Handheld::carry_out(int request) {
    const int c = s_.tobo_col;
    const int w = s_.tobo_row;
    constexpr int kNoHit = -1;
    switch (request) {
        case kRight:
            if (!walking_row(w) || (w == 6 && c == 5)) return {};
            // The cell ahead is tested before Tobo moves: a lit one stops him where he stands.
            if (s_.cell(c + 1, w) == 1) return {Outcome::Miss, false, false};
            if (c == 5) return {};  // the end of rows 4 and 8
            return move_to(c + 1, w, kNoHit, 0, true);
        case kLeft:
            if (!walking_row(w) || c == 1) return {};
            return move_to(c - 1, w, c, w, true);
        case kUp:
            if (w == 1 && c >= 2) {
                if (s_.key_pos == c) return {Outcome::Lock, false, false};
                return {};
            }
            if (w == 2 && c >= 2) return move_to(c, 1, kNoHit, 0, true);
            if (w == 3 && c >= 2) return move_to(c, 2, c + 1, 2, true);
            if (c == 1 && w == 5) return move_to(1, 4, kNoHit, 0, true);
            if (c == 5 && w == 7) return move_to(5, 6, kNoHit, 0, true);
            if (c == 1 && w == 9) return {Outcome::Entry, false, false};
            return {};
        case kDown:
            if (w == 1 && c >= 2) return move_to(c, 2, c + 1, 2, true);
            if (w == 2 && c >= 2) return move_to(c, 3, c, 3, true);
            if (w == 3 && c >= 2) return move_to(c, 4, kNoHit, 0, true);
            if (c == 1 && w == 4) return move_to(1, 5, 1, 5, true);
            if (c == 1 && w == 5) return move_to(1, 6, 1, 6, true);
            if (c == 5 && w == 6) return move_to(5, 7, 5, 6, true);
            if (c == 5 && w == 7) return move_to(5, 8, kNoHit, 0, true);
            return {};
        case kJump:
            return jump();
        default:
            return {};
    }
}

Handheld::MoveResult Handheld::jump() {
    const int c = s_.tobo_col;
    const int w = s_.tobo_row;
    constexpr int kNoHit = -1;
    if (c == 1 && w == 4) {
        MoveResult r = move_to(1, 3, kNoHit, 0, false);
        images_.set_visible(im_tobo_01_03_a, true);
        r.outcome = s_.key_pos == 1 ? Outcome::KeyUpper : Outcome::FallBack;
        return r;
    }
    if (w == 4) return move_to(c, 3, c, 3, false);            // holds on to the vine
    if (c == 1 && w == 6) return move_to(1, 5, 1, 5, false);  // holds on to the ladder
    if (w == 6 && c <= 4) {
        MoveResult r = move_to(c, 5, c, 5, false);
        if (r.outcome == Outcome::None) r.outcome = Outcome::FallBack;
        return r;
    }
    if (c == 5 && w == 8) return move_to(5, 7, 5, 6, false);  // holds on to the ladder
    if (w == 8) {
        MoveResult r = move_to(c, 7, c, 6, false);
        if (r.outcome != Outcome::None) return r;
        if (c == 1 && s_.key_pos == 0) {
            r.outcome = Outcome::KeyBottom0;
        } else if (c == 1 && s_.key_pos == 6) {
            r.outcome = Outcome::KeyBottom6;
        } else {
            r.outcome = Outcome::FallBack;
        }
        return r;
    }
    return {};
}

void Handheld::start_fall_back() {
    start_timer(TimerId::Timer_Tobo_Jump, 2 * timers_.interval(TimerId::Timer_Game));
}

void Handheld::hand_over(const MoveResult& r) {
    switch (r.outcome) {
        case Outcome::Miss:
            Gam_Stop_All_Timers();
            s_.play_enabled = false;
            images_.Vid_Show_Panel_Score(s_.score, true);
            s_.miss_step = 1;
            start_timer(TimerId::Timer_Miss, interval::kAtOnce);
            break;
        case Outcome::Lock:
            Gam_Stop_All_Timers();
            s_.play_enabled = false;
            s_.lock_step = 1;
            start_timer(TimerId::Timer_Bonus_Lock, interval::kAtOnce);
            break;
        case Outcome::KeyBottom0:
        case Outcome::KeyUpper:
            timers_.disable(TimerId::Timer_Key_Blink);
            s_.keymove_step = r.outcome == Outcome::KeyBottom0 ? 1 : 4;
            start_timer(TimerId::Timer_Key_Move, interval::kAtOnce);
            start_fall_back();
            break;
        case Outcome::KeyBottom6:
            Gam_Stop_All_Timers();
            s_.play_enabled = false;
            s_.keymove_step = 7;
            start_timer(TimerId::Timer_Key_Move, interval::kAtOnce);
            break;
        case Outcome::Entry:
            Gam_Tobo_Jumps_In();
            break;
        case Outcome::FallBack:
            start_fall_back();
            break;
        case Outcome::None:
            break;
    }
}

void Handheld::Timer_Tobo_MoveTimer() {
    const MoveResult r = carry_out(s_.move_request);
    if (s_.dir_held) {
        const int repeat =
            std::min(timers_.interval(TimerId::Timer_Game), interval::kLongestStepRepeat);
        timers_.set_interval(TimerId::Timer_Tobo_Move, repeat);
    } else {
        timers_.disable(TimerId::Timer_Tobo_Move);
    }
    hand_over(r);
    if (r.outcome == Outcome::Miss) return;
    if (r.stepped) {
        Snd_Play(Sound::Step);
    } else if (r.jumped) {
        Snd_Play(Sound::Jump);
    }
}

void Handheld::Timer_Tobo_JumpTimer() {
    images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, false);
    s_.tobo_row += 1;
    images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, true);
    images_.set_visible(im_tobo_01_03_a, false);
    const int c = s_.tobo_col;
    const int w = s_.tobo_row;
    const bool scores = (w == 4 && s_.cell(c, 4) == 1) || (w == 6 && s_.cell(c + 1, 6) == 1) ||
                        (w == 8 && s_.cell(c, 8) == 1);
    if (scores) {
        s_.score += s_.score_step;
        images_.Vid_Show_Panel_Score(s_.score, true);
        if (s_.score >= s_.chance_score) {
            start_chance(AfterChance::Play);
        } else {
            s_.play_enabled = true;
        }
    } else {
        s_.play_enabled = true;
        s_.dir_held = false;
    }
    timers_.disable(TimerId::Timer_Tobo_Jump);
}

void Handheld::Gam_Tobo_Jumps_In() {
    images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, false);
    s_.tobo_col = 1;
    s_.tobo_row = 8;
    images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, true);
    Snd_Play(Sound::Step);
}

}  // namespace gorvo

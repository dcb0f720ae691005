// The goal of the game: the key carried up to a lock, the locks and their chains, Gorvo's
// release, and the bonus chance with its extra life or double points.
#include "core/handheld.h"
#include "core/intervals.h"

namespace gorvo {

bool Handheld::any_chain_visible() const {
    for (int i = 2; i <= 5; ++i) {
        if (images_.visible(images_.chain_image(i))) return true;
    }
    return false;
}

void Handheld::start_chance(AfterChance next) {
    Gam_Stop_All_Timers();
    images_.Vid_Show_Panel_Score(s_.score, true);
    Snd_Silence();
    s_.play_enabled = false;
    s_.chance_next = static_cast<std::int32_t>(next);
    s_.chance_step = 1;
    start_timer(TimerId::Timer_Bonus_Chance, interval::kAtOnce);
}

void Handheld::add_point(AfterChance next) {
    s_.score += s_.score_step;
    images_.Vid_Show_Panel_Score(s_.score, true);
    Snd_Play(Sound::Key);
    if (s_.score >= s_.chance_score) start_chance(next);
}

void Handheld::Timer_Key_BlinkTimer() {
    ImageId segment = kNoImage;
    if (s_.key_pos == 0 || s_.key_pos == 6) {
        segment = im_key_00_a;
    } else if (s_.key_pos == 1) {
        segment = im_key_00_c;
    } else if (s_.key_pos >= 2 && s_.key_pos <= 5) {
        segment = images_.key_image(s_.key_pos);
    }
    if (segment != kNoImage) images_.set_visible(segment, !images_.visible(segment));
}

void Handheld::Timer_Key_MoveTimer() {
    constexpr TimerId self = TimerId::Timer_Key_Move;
    switch (s_.keymove_step) {
        case 1:
        case 4:
        case 7:
            timers_.set_interval(self, interval::kKeyMoveStep);
            break;
        case 2:
        case 8:
            images_.set_visible(im_key_00_a, false);
            images_.set_visible(im_key_00_b, true);
            Snd_Play(Sound::Key);
            break;
        case 3:
            images_.set_visible(im_key_00_b, false);
            images_.set_visible(im_key_00_c, true);
            s_.key_pos = 1;
            timers_.disable(self);
            start_timer(TimerId::Timer_Key_Blink, interval::kKeyBlink);
            break;
        case 5:
            images_.set_visible(im_key_00_c, false);
            images_.set_visible(im_key_00_d, true);
            Snd_Play(Sound::Key);
            break;
        case 6:
            images_.set_visible(im_key_00_d, false);
            // Only a lock whose chain is still on can take the key. In play one always is, since
            // the last chain's removal frees Gorvo and brings all chains back; the guard keeps a
            // state set up otherwise from drawing forever.
            if (any_chain_visible()) {
                do {
                    s_.key_pos = random_.draw(4) + 2;
                } while (!images_.visible(images_.chain_image(s_.key_pos)));
            }
            start_timer(TimerId::Timer_Key_Blink, interval::kKeyBlink);
            timers_.disable(self);
            break;
        case 9:
            images_.set_visible(im_key_00_b, false);
            images_.set_visible(im_key_00_c, true);
            s_.key_pos = 1;
            timers_.set_interval(self, interval::kPointStep);
            break;
        case 10:
        case 11:
        case 12:
        case 13:
        case 14:
            add_point(AfterChance::KeyPoints);
            break;
        case 15:
            resume_play(TickInterval::Recomputed, std::nullopt, HeldDirection::LetGo);
            start_fall_back();
            timers_.disable(self);
            break;
        default:
            break;
    }
    s_.keymove_step += 1;
}

void Handheld::Timer_Bonus_LockTimer() {
    constexpr TimerId self = TimerId::Timer_Bonus_Lock;
    if (s_.lock_step == 1) {
        images_.set_visible(images_.key_image(s_.key_pos), true);
        Snd_Play(Sound::Key);
        s_.lock_count = 15;
        while (s_.game_ticks > 24) {
            s_.game_ticks -= 12;
            s_.lock_count -= 1;
        }
        if (s_.lock_count < 5) s_.lock_count = 5;
        timers_.set_interval(self, interval::kLockBlink);
        s_.lock_step = 2;
    } else if (s_.lock_step >= 2 && s_.lock_step <= 4) {
        const bool shown = s_.lock_step % 2 == 1;
        images_.set_visible(images_.key_image(s_.key_pos), shown);
        images_.set_visible(images_.chain_image(s_.key_pos), shown);
        Snd_Play(Sound::Key);
        s_.lock_step += 1;
    } else if (s_.lock_step == 5) {
        add_point(AfterChance::LockPoints);
        s_.lock_count -= 1;
        if (s_.lock_count > 0) {
            timers_.set_interval(self, interval::kPointStep);
        } else {
            s_.lock_step = 6;
        }
    } else if (s_.lock_step == 6) {
        finish_lock();
    }
}

void Handheld::finish_lock() {
    if (s_.game_mode == mode_game_a) {
        // Opening a lock in Game A clears the upper screen but for the two entry cells.
        for (int col = 2; col <= 6; ++col) {
            for (int row = 1; row <= 4; ++row) {
                s_.cell(col, row) = 0;
                images_.set_visible(images_.enemy_image(col, row), false);
            }
        }
        s_.cell(1, 4) = 0;
        images_.set_visible(im_nokker_01_04, false);
    }
    if (any_chain_visible()) {
        resume_play(TickInterval::Kept, 6, HeldDirection::LetGo);
    } else {
        s_.complete_step = 1;
        start_timer(TimerId::Timer_Bonus_Complete, interval::kAtOnce);
    }
    timers_.disable(TimerId::Timer_Bonus_Lock);
}

void Handheld::release_walk_step() {
    images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, false);
    if (s_.tobo_row <= 3) {
        s_.tobo_row += 1;
    } else if (s_.tobo_col <= 4) {
        s_.tobo_col += 1;
    } else {
        s_.complete_step = 19;
    }
    images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, true);
    images_.set_visible(im_gorvo_1, false);
    Snd_Play(Sound::Step);
    s_.complete_step += 1;
    timers_.set_interval(TimerId::Timer_Bonus_Complete, interval::kReleaseWalk);
}

void Handheld::Timer_Bonus_CompleteTimer() {
    constexpr TimerId self = TimerId::Timer_Bonus_Complete;
    const int step = s_.complete_step;
    if (step >= 1 && step <= 13 && step % 2 == 1) {
        release_walk_step();
    } else if (step >= 2 && step <= 12) {
        images_.set_visible(im_gorvo_1, true);
        s_.complete_step += 1;
        timers_.set_interval(self, interval::kReleaseStand);
    } else if (step == 20) {
        images_.set_visible(im_gorvo_1, false);
        images_.set_visible(im_gorvo_2, true);
        Snd_Play(Sound::Safe);
        s_.complete_step = 21;
        timers_.set_interval(self, interval::kReleaseFree);
    } else if (step == 21) {
        images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, false);
        images_.set_visible(im_gorvo_2, false);
        images_.set_visible(im_gorvo_3, true);
        s_.complete_step = 22;
        timers_.set_interval(self, interval::kReleaseGone);
    } else if (step >= 22 && step <= 41) {
        add_point(AfterChance::ReleaseScene);
        s_.complete_step += 1;
        timers_.set_interval(self, interval::kPointStep);
    } else if (step == 42) {
        s_.complete_step = 43;
        timers_.set_interval(self, interval::kReleaseBack);
    } else if (step == 43) {
        images_.set_visible(im_gorvo_3, false);
        images_.set_visible(im_gorvo_1, true);
        s_.tobo_col = 1;
        s_.tobo_row = 9;
        images_.Vid_Show_Tobo(s_.tobo_col, s_.tobo_row, true);
        Snd_Play(Sound::Key);
        s_.complete_step = 44;
    } else if (step == 44) {
        Snd_Play(Sound::Chain);
        images_.Vid_Show_All_Chains(true);
        s_.game_ticks = 1;
        resume_play(TickInterval::Recomputed, 0, HeldDirection::LetGo);
        timers_.disable(self);
    }
}

void Handheld::Timer_Bonus_ChanceTimer() {
    switch (s_.chance_step) {
        case 1:
            if (s_.lives >= 2) {
                s_.score_step = 2;
            } else {
                s_.lives += 1;
            }
            timers_.set_interval(TimerId::Timer_Bonus_Chance, interval::kChanceStep);
            break;
        case 2:
            Snd_Play(Sound::Chance);
            images_.Vid_Show_Panel_Lives(s_.lives - 1);
            break;
        case 3:
        case 5:
            images_.Vid_Show_Panel_Lives(s_.lives);
            break;
        case 4:
        case 6:
            images_.Vid_Show_Panel_Lives(s_.lives - 1);
            break;
        case 7:
            images_.Vid_Show_Panel_Lives(s_.lives);
            if (s_.score_step == 2) {
                s_.score_blink_phase = 1;
                start_timer(TimerId::Timer_Score_Blink, interval::kScoreBlink);
            }
            s_.chance_score += 1000;
            resume_after_chance();
            timers_.disable(TimerId::Timer_Bonus_Chance);
            break;
        default:
            break;
    }
    s_.chance_step += 1;
}

void Handheld::resume_after_chance() {
    switch (static_cast<AfterChance>(s_.chance_next)) {
        case AfterChance::ReleaseScene:
            timers_.enable(TimerId::Timer_Bonus_Complete);
            break;
        case AfterChance::LockPoints:
            timers_.enable(TimerId::Timer_Bonus_Lock);
            break;
        case AfterChance::KeyPoints:
            timers_.enable(TimerId::Timer_Key_Move);
            break;
        case AfterChance::Play:
            // A direction held through the chance stays latched until its release.
            resume_play(TickInterval::Kept, std::nullopt, HeldDirection::Kept);
            break;
    }
}

}  // namespace gorvo

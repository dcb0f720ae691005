// Scenario helpers for driving the handheld as a player would, on virtual time.
// A Game is a Rig whose random source lets no enemy enter unless a test scripts draws of 0.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fakes.h"

namespace gorvo::test {

using T = TimerId;

// From the release of a game button to running play: the start sequence ticks at +1, +551,
// +1101 and +1651.
constexpr Millis kStartToPlay = 1651;
// A direction press makes its first step this long after the press.
constexpr Millis kFirstStep = 90;

struct Game : Rig {
    Game() { random.values = {1}; }

    Millis now() const { return hh.timers().now(); }
    // Runs everything due up to the absolute time t.
    void at(Millis t) {
        ASSERT_GE(t, now()) << "scenario went back in time";
        hh.run_until(t);
    }
    bool on(TimerId id) const { return hh.timers().enabled(id); }
    int interval(TimerId id) const { return hh.timers().interval(id); }
    const std::vector<std::string>& heard() const { return sound.events; }
    int heard_count(const std::string& what) const { return sound.count(what); }

    void press(Control c) { hh.press(c); }
    void release(Control c) { hh.release(c); }
    // Press, run the move it starts, release.
    void tap(Control c, Millis hold) {
        hh.press(c);
        wait(hold);
        hh.release(c);
    }
    // One step in a direction (first step 90 ms after the press) or one jump (1 ms).
    void step(Control c) { tap(c, c == Control::Jump ? 1 : kFirstStep); }

    // Opens the case, holds the game button 100 ms and waits until play runs.
    // Returns the moment play began.
    Millis start(Control game = Control::GameA) {
        if (lit(im_background_closed)) hh.im_background_closedClick();
        hh.press(game);
        wait(100);
        hh.release(game);
        wait(kStartToPlay);
        EXPECT_TRUE(s().play_enabled);
        return now();
    }

    // Puts Tobo somewhere directly, keeping his segment consistent.
    void place_tobo(int col, int row) {
        Images& im = hh.images();
        im.Vid_Show_Tobo(s().tobo_col, s().tobo_row, false);
        s().tobo_col = col;
        s().tobo_row = row;
        im.Vid_Show_Tobo(col, row, true);
    }
    // Puts an enemy into a cell (or removes it), with its segment.
    void put_enemy(int col, int row, bool present = true) {
        s().cell(col, row) = present ? 1 : 0;
        hh.images().set_visible(hh.images().enemy_image(col, row), present);
    }
    bool enemy(int col, int row) const { return hh.state().cell(col, row) != 0; }
    bool enemy_lit(int col, int row) const { return lit(hh.images().enemy_image(col, row)); }
    // Every enemy cell that has a segment.
    template <typename F>
    void for_each_enemy_cell(F&& f) const {
        for (int col = 0; col <= 7; ++col)
            for (int row = 1; row <= 8; ++row)
                if (hh.images().enemy_image(col, row) != kNoImage) f(col, row);
    }
    void fill_enemies() {
        for_each_enemy_cell([this](int c, int r) { put_enemy(c, r); });
    }
    int enemies_present() const {
        int n = 0;
        for_each_enemy_cell([&](int c, int r) { n += enemy(c, r) ? 1 : 0; });
        return n;
    }

    int enemies_lit() const {
        int n = 0;
        for_each_enemy_cell([&](int c, int r) { n += enemy_lit(c, r) ? 1 : 0; });
        return n;
    }

    bool tobo_at(int col, int row) const {
        return hh.state().tobo_col == col && hh.state().tobo_row == row && tobo_lit(col, row);
    }
    int tobo_segments_lit() const {
        int n = 0;
        for (int col = 1; col <= 5; ++col)
            for (int row = 1; row <= 9; ++row) {
                ImageId id = hh.images().tobo_image(col, row);
                if (id != kNoImage && lit(id)) ++n;
            }
        return n;
    }

    // The four digit positions as text: a digit, or a space when blank.
    std::string panel() const {
        std::string out;
        for (int i = 1; i <= 4; ++i)
            out += digit_at(i);
        return out;
    }
    char digit_at(int pos) const {
        ImageId src = hh.images()[hh.images().digit_pos(pos)].picture_source;
        if (src == kNoImage) return ' ';
        for (int d = 0; d <= 9; ++d)
            if (src == hh.images().panel_number(d)) return static_cast<char>('0' + d);
        return '?';
    }
    bool lives_shown(bool first, bool second) const {
        return lit(im_panel_life_1) == first && lit(im_panel_life_2) == second;
    }

    // Every segment the key can show: the four of its way up and the four at the locks.
    std::vector<bool> key_segments() const {
        std::vector<bool> out;
        for (int i = 1; i <= 4; ++i)
            out.push_back(lit(hh.images().key_zero_image(i)));
        for (int k = 2; k <= 5; ++k)
            out.push_back(lit(hh.images().key_image(k)));
        return out;
    }
    // Play resumes now: the spark flicker steps 50 ms later and the key blinks 500 ms later,
    // neither earlier. Runs the game on to that blink.
    void expect_blinking_resumes() {
        const Millis from = now();
        const std::vector<bool> key = key_segments();
        EXPECT_EQ(s().spark_blink_phase, 1);
        at(from + 49);
        EXPECT_EQ(s().spark_blink_phase, 1) << "the sparks flickered early";
        at(from + 50);
        EXPECT_EQ(s().spark_blink_phase, 2) << "the sparks did not flicker after 50 ms";
        at(from + 499);
        EXPECT_EQ(key_segments(), key) << "the key blinked early";
        at(from + 500);
        EXPECT_NE(key_segments(), key) << "the key did not blink after 500 ms";
    }

    // Runs timers one by one until `target` fires; returns the time it fired (-1 if it did
    // not within `limit` ms). Timers due at the same instant after it have not run yet.
    Millis run_to(TimerId target, Millis limit = 600000) {
        const Millis end = now() + limit;
        Millis when = -1;
        while (when < 0) {
            bool ran = hh.timers().run_one(end, [&](TimerId id) {
                hh.on_timer(id);
                if (id == target) when = hh.timers().now();
            });
            if (!ran) break;
        }
        if (when < 0) ADD_FAILURE() << timer_name(target) << " did not fire within " << limit;
        return when;
    }
    Millis next_tick() { return run_to(T::Timer_Game); }
};

// Lands Tobo, jumping up from row 8 at column 2..4, on a nokker passing beneath him.
// Returns the moment of the landing.
inline Millis jump_over_nokker(Game& g) {
    const int col = g.s().tobo_col;
    const Millis landing = g.now() + 1 + 2 * g.interval(T::Timer_Game);
    g.step(Control::Jump);
    EXPECT_TRUE(g.tobo_at(col, 7));
    g.at(landing - 1);
    g.put_enemy(col, 8);
    g.at(landing);
    EXPECT_TRUE(g.tobo_at(col, 8));
    return landing;
}

}  // namespace gorvo::test

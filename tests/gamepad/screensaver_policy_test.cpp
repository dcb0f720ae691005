// When the screensaver is held off and given back: a game played on a pad holds it off; the
// game's end, a minute without the pad, the last pad unplugged and the program's end give it
// back; answers that come late, refusals and a missing service leave nothing behind.
#include <gtest/gtest.h>

#include "fake_screensaver.h"
#include "platform/screensaver_policy.h"

namespace gorvo::test {
namespace {

using platform::ScreensaverPolicy;
using Cookies = std::vector<platform::ScreensaverService::Cookie>;

constexpr Millis kMinute = ScreensaverPolicy::kPadIdleAfter;

struct Policy : ::testing::Test {
    FakeScreensaver desktop;
    std::optional<ScreensaverPolicy> policy{std::in_place, desktop};

    // A game running with the pad used at `t`, granted at once.
    void hold_off_at(Millis t) {
        policy->pad_used(t);
        policy->review(true, t);
        ASSERT_EQ(desktop.waiting.size(), 1u);
        desktop.answer();
        ASSERT_TRUE(policy->engaged());
    }
};

TEST_F(Policy, HeldOffWhileAGameRunsOnThePadAndGivenBackWhenThatStops) {
    policy->review(true, 0);
    policy->pad_used(1000);
    policy->review(false, 1000);
    policy->review(true, 1000 + kMinute);
    EXPECT_EQ(desktop.asked, 0) << "keyboard game, pad outside a game, pad a minute old";

    hold_off_at(kMinute * 2);
    policy->review(true, kMinute * 2 + 8);
    EXPECT_EQ(desktop.asked, 1) << "asked once, not at every review";
    policy->review(false, kMinute * 2 + 100);  // game over
    EXPECT_EQ(desktop.released, Cookies{42});
    EXPECT_FALSE(policy->engaged());

    hold_off_at(kMinute * 3);
    policy->review(true, kMinute * 4 - 1);
    EXPECT_EQ(desktop.released, Cookies{42});
    policy->review(true, kMinute * 4);
    EXPECT_EQ(desktop.released, (Cookies{42, 43})) << "a minute without the pad";
    EXPECT_FALSE(policy->needs_review(kMinute * 4)) << "nothing left to wait for";

    hold_off_at(kMinute * 5);
    policy->pads_gone();
    policy->review(true, kMinute * 5 + 1);
    EXPECT_EQ(desktop.released, (Cookies{42, 43, 44}));

    hold_off_at(kMinute * 7);
    policy.reset();  // the program ends
    EXPECT_EQ(desktop.released, (Cookies{42, 43, 44, 45}));
}

TEST_F(Policy, AReleaseWantedBeforeTheAnswerIsCarriedOutWhenItArrives) {
    policy->pad_used(0);
    policy->review(true, 0);
    policy->review(false, 10);
    EXPECT_TRUE(desktop.released.empty()) << "no cookie to give back yet";
    EXPECT_TRUE(policy->engaged());
    desktop.answer();
    EXPECT_EQ(desktop.released, Cookies{42});
    EXPECT_FALSE(policy->engaged());

    // Wanted again before the answer: the release is called off.
    policy->pad_used(20);
    policy->review(true, 20);
    policy->review(false, 21);
    policy->review(true, 22);
    EXPECT_EQ(desktop.asked, 2);
    desktop.answer();
    EXPECT_EQ(desktop.released, Cookies{42});
    EXPECT_TRUE(policy->engaged());

    // The program ends while asking: the late grant is given back.
    policy->review(false, 30);
    policy->pad_used(40);
    policy->review(true, 40);
    policy.reset();
    desktop.answer();
    EXPECT_EQ(desktop.released, (Cookies{42, 43, 44}));
}

TEST_F(Policy, ARefusalOrAMissingServiceIsNotAskedAgainUntilTheNextStretch) {
    policy->pad_used(0);
    policy->review(true, 0);
    desktop.answer(false);
    EXPECT_FALSE(policy->engaged());
    for (Millis t = 8; t < 2000; t += 8) {
        policy->pad_used(t);
        policy->review(true, t);
    }
    EXPECT_EQ(desktop.asked, 1);
    policy->review(false, 2000);  // the game ends
    policy->review(true, 2008);   // and a new one runs
    EXPECT_EQ(desktop.asked, 2);
    desktop.answer(false);
    EXPECT_TRUE(desktop.released.empty()) << "nothing was granted, nothing to give back";

    desktop.present = false;
    policy->review(false, 3000);
    for (Millis t = 3008; t < 4000; t += 8)
        policy->review(true, t);
    EXPECT_EQ(desktop.asked, 3);
    EXPECT_FALSE(policy->engaged());
}

}  // namespace
}  // namespace gorvo::test

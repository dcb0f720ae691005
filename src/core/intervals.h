// The intervals of the game's timers in milliseconds, named by what they pace.
#pragma once

namespace gorvo::interval {

// A sequence's first step: on the next pass after the action that started it.
constexpr int kAtOnce = 1;

// Play.
constexpr int kKeyBlink = 500;
constexpr int kSparkBlink = 50;
constexpr int kScoreBlink = 500;
constexpr int kFirstStep = 90;           // a direction press to Tobo's first step
constexpr int kLongestStepRepeat = 330;  // a held direction repeats no slower than this

// The start, the miss and the game over.
constexpr int kStartStep = 550;
constexpr int kMissSound = 160;
constexpr int kMissBlink = 280;
constexpr int kGameOverSound = 200;
constexpr int kGameOverScore = 500;
constexpr int kGameOverShown = 300000;  // five minutes, then the alarm view
constexpr int kClock = 1000;

// The key, the locks, the release and the bonus chance.
constexpr int kKeyMoveStep = 400;
constexpr int kPointStep = 95;  // one point of a counted series
constexpr int kLockBlink = 290;
constexpr int kReleaseWalk = 200;
constexpr int kReleaseStand = 340;
constexpr int kReleaseFree = 790;
constexpr int kReleaseGone = 1100;
constexpr int kReleaseBack = 720;
constexpr int kChanceStep = 270;

}  // namespace gorvo::interval

// A watched recording's time: still stretches of more than five seconds are shortened to one
// second (half a second kept at each end), and nothing else is touched.
#include <gtest/gtest.h>

#include "replay/playback_time.h"

namespace gorvo::replay {
namespace {

TEST(PlaybackTime, OnlyStillStretchesOverFiveSecondsAreShortenedToOne) {
    // Changes at 1 s, 13 s (12 s still between them), 18 s (exactly 5 s still: kept whole);
    // the recording ends 7 s after the last change (shortened too).
    const PlaybackTime time({1000, 13000, 18000}, 25000);
    EXPECT_EQ(time.engine_at(1000), 1000);
    EXPECT_EQ(time.engine_at(1499), 1499);
    EXPECT_EQ(time.engine_at(1500), 12500) << "the middle of the still stretch is jumped over";
    EXPECT_EQ(time.engine_at(2000), 13000);
    EXPECT_EQ(time.playback_at(13000), 2000);
    EXPECT_EQ(time.playback_at(18000), 7000) << "a stretch of exactly five seconds is kept";
    EXPECT_EQ(time.engine_at(7499), 18499);
    EXPECT_EQ(time.engine_at(7500), 24500);
    EXPECT_EQ(time.length(), 8000);
    // Within a jump, the engine time is reached where the jump starts.
    EXPECT_EQ(time.playback_at(5000), 1500);
}

TEST(PlaybackTime, ARecordingThatKeepsChangingIsPlayedAsItWas) {
    const PlaybackTime time({0, 4000, 9000, 14000}, 19000);
    for (Millis t = 0; t <= 19000; t += 500) {
        EXPECT_EQ(time.engine_at(t), t);
        EXPECT_EQ(time.playback_at(t), t);
    }
}

}  // namespace
}  // namespace gorvo::replay

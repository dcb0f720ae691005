#include "platform/stored_values.h"

#include <gtest/gtest.h>

namespace gorvo::platform {
namespace {

TEST(StoredText, ReadsDecimalIntegersWithSignAndBlanks) {
    EXPECT_EQ(parse_stored_int("42"), 42);
    EXPECT_EQ(parse_stored_int("-1"), -1);
    EXPECT_EQ(parse_stored_int("+7"), 7);
    EXPECT_EQ(parse_stored_int("  12 \t"), 12);
    EXPECT_EQ(parse_stored_int("2147483647"), 2147483647);
}

TEST(StoredText, RejectsTextThatIsNoInteger) {
    for (const char* text :
         {"", "   ", "abc", "12abc", "1 2", "+", "-", "+-5", "0x10", "$10", "99999999999", "1.5"}) {
        EXPECT_EQ(parse_stored_int(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(StoredRanges, NumbersTheGameNeverWritesReadAsTheDefaultOfTheirSetting) {
    // Key slots: a choice of the key list, 1..44; outside it the slot's default choice.
    EXPECT_EQ(accepted_stored_int("Key1", 0), 2);
    EXPECT_EQ(accepted_stored_int("Key5", 45), 37);
    EXPECT_EQ(accepted_stored_int("Key9", -3), 42);
    EXPECT_EQ(accepted_stored_int("Key1", 1), 1);
    EXPECT_EQ(accepted_stored_int("Key9", 44), 44);
    // High scores: the three digits of the panel; outside them 0.
    EXPECT_EQ(accepted_stored_int("HiScore1", 1000), 0);
    EXPECT_EQ(accepted_stored_int("HiScore2", -1), 0);
    EXPECT_EQ(accepted_stored_int("HiScore1", 999), 999);
    // Everything else as stored: the splash window treats an unknown driver itself.
    EXPECT_EQ(accepted_stored_int("SoundMode", -5), -5);
    EXPECT_EQ(accepted_stored_int("Key10", 99), 99);
    EXPECT_EQ(accepted_stored_int("FullscreenMode", 2), 2);
}

}  // namespace
}  // namespace gorvo::platform

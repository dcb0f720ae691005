#include "sound_recipe.h"

#include <gtest/gtest.h>

namespace gorvo::media {
namespace {

TEST(SoundRecipe, ReadsTonesGlidesRestsAndSettings) {
    const auto book = parse_recipes(
        "# a comment\n"
        "[Jump]\n"
        "  740>2637 80 decay=200   # rising\n"
        "rest 5 times=2\n"
        "\n"
        "[Step]\r\n"
        "2349 20 duty=0.25 level=0.5\r\n");
    ASSERT_TRUE(book.ok()) << book.error;
    ASSERT_EQ(book.recipes.size(), 2u);
    const Recipe* jump = book.find("Jump");
    ASSERT_NE(jump, nullptr);
    ASSERT_EQ(jump->tones.size(), 3u);  // the glide and two rests
    EXPECT_DOUBLE_EQ(jump->tones[0].start_hz, 740);
    EXPECT_DOUBLE_EQ(jump->tones[0].end_hz, 2637);
    EXPECT_DOUBLE_EQ(jump->tones[0].decay_ms, 200);
    EXPECT_TRUE(jump->tones[1].rest);
    EXPECT_TRUE(jump->tones[2].rest);
    EXPECT_DOUBLE_EQ(jump->tones[2].ms, 5);

    const Tone& step = book.find("Step")->tones.at(0);
    EXPECT_DOUBLE_EQ(step.start_hz, step.end_hz);  // a steady tone
    EXPECT_DOUBLE_EQ(step.duty, 0.25);
    EXPECT_DOUBLE_EQ(step.level, 0.5);
    EXPECT_EQ(book.find("Miss"), nullptr);
}

// Mistakes in the table must stop the build with the line to look at, not ship a wrong sound.
TEST(SoundRecipe, ReportsTheLineOfEveryMistake) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"1000 10\n", "line 1: a tone before the first [Name]"},
        {"[A]\n1000 10\n[A]\n", "line 3: sound 'A' is described twice"},
        {"[A]\nloud 10\n", "line 2: 'loud' is not a pitch"},
        {"[A]\n1000>x 10\n", "line 2: '1000>x' is not a pitch"},
        {"[A]\n12000 10\n", "line 2: pitch '12000' outside 20..10000 Hz"},
        {"[A]\n1000>10 10\n", "line 2: pitch '1000>10' outside 20..10000 Hz"},
        {"[A]\n1000\n", "line 2: length '' must be a number of milliseconds from 0 to 5000"},
        {"[A]\n1000 0\n", "line 2: length '0' must be a number of milliseconds from 0 to 5000"},
        {"[A]\n1000 10ms\n",
         "line 2: length '10ms' must be a number of milliseconds from 0 to 5000"},
        {"[A]\n1000 10 duty=1\n", "line 2: duty must lie between 0 and 1"},
        {"[A]\n1000 10 level=0\n", "line 2: level must lie in (0, 1]"},
        {"[A]\n1000 10 decay=-1\n", "line 2: decay must not be negative"},
        {"[A]\n1000 10 times=1.5\n", "line 2: times must be a whole number from 1 to 100"},
        {"[A]\n1000 10 times=1000\n", "line 2: times must be a whole number from 1 to 100"},
        {"[A]\n1000 10 volume=1\n", "line 2: unknown setting 'volume'"},
        {"[A]\n1000 10 loud\n", "line 2: unexpected 'loud'"},
        {"[A]\n1000 10 duty=\n", "line 2: 'duty=' has no numeric value"},
        {"[A\n", "line 1: a section header must look like [Name]"},
        {"[A]\n[B]\n1000 10\n", "sound 'A' has no tones"},
    };
    for (const auto& c : cases) {
        const auto book = parse_recipes(c.text);
        EXPECT_EQ(book.error, c.expected) << c.text;
    }
}

}  // namespace
}  // namespace gorvo::media

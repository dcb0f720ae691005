#include "manual_text.h"

#include <gtest/gtest.h>

namespace gorvo::media {
namespace {

TEST(ManualText, ReadsPagesBlocksAndFigures) {
    const auto m = parse_manual(
        "# a comment\n"
        "=== First page\n"
        "@layout right 240\n"
        "A paragraph that goes\n"
        "on over two lines.\n"
        "\n"
        "## A heading\n"
        "- a bullet\n"
        "  continued\n"
        "- another\n"
        "Text after a list starts a new paragraph.\n"
        "@figure 10 20 300 200.5\n"
        "@show im_a im_b*\n"
        "@place im_digit im_pos\n"
        "@callout im_a left Game A\n"
        "@caption Look here\n"
        "=== Second page\n"
        "@layout top 120\n");
    ASSERT_TRUE(m.ok()) << m.error;
    ASSERT_EQ(m.pages.size(), 2u);
    const Page& p = m.pages[0];
    EXPECT_EQ(p.title, "First page");
    EXPECT_EQ(p.layout, Layout::TextRight);
    EXPECT_EQ(p.text_width, 240);
    ASSERT_EQ(p.blocks.size(), 5u);
    EXPECT_EQ(p.blocks[0].text, "A paragraph that goes on over two lines.");
    EXPECT_EQ(p.blocks[1].kind, BlockKind::Heading);
    EXPECT_EQ(p.blocks[2].kind, BlockKind::Bullet);
    EXPECT_EQ(p.blocks[2].text, "a bullet continued");
    EXPECT_EQ(p.blocks[3].text, "another");
    EXPECT_EQ(p.blocks[4].kind, BlockKind::Paragraph);

    ASSERT_EQ(p.figures.size(), 1u);
    const Figure& f = p.figures[0];
    EXPECT_DOUBLE_EQ(f.area.height, 200.5);
    ASSERT_EQ(f.elements.size(), 3u);
    EXPECT_EQ(f.elements[1].id, "im_b*");
    EXPECT_EQ(f.elements[2].id, "im_digit");
    EXPECT_EQ(f.elements[2].target, "im_pos");
    ASSERT_EQ(f.callouts.size(), 1u);
    EXPECT_TRUE(f.callouts[0].left);
    EXPECT_EQ(f.callouts[0].text, "Game A");
    EXPECT_EQ(f.caption, "Look here");

    EXPECT_EQ(m.pages[1].layout, Layout::FiguresAbove);
    EXPECT_EQ(m.pages[1].figure_height, 120);
    EXPECT_EQ(m.pages[1].text_width, 0);
    EXPECT_EQ(elements_used(m), (std::vector<std::string>{"im_a", "im_b*", "im_digit", "im_pos"}));
}

TEST(ManualText, ReportsTheLineOfEveryMistake) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"Some text\n", "line 1: text before the first page (=== Title)"},
        {"===\n", "line 1: a page needs a title after ==="},
        {"=== P\n@layout sideways\n", "line 2: layout must be cover, left, right, top or full"},
        {"=== P\n@layout left 50\n", "line 2: the text column must be 100 to 520 pixels wide"},
        {"=== P\n@layout top 300\n",
         "line 2: the figures above the text must be 60 to 260 pixels high"},
        {"=== P\n@layout top 80 90\n",
         "line 2: the figures above the text must be 60 to 260 pixels high"},
        {"=== P\n@figure 1 2 3\n", "line 2: @figure needs x y width height"},
        {"=== P\n@figure 1 2 3 x\n", "line 2: @figure needs x y width height"},
        {"=== P\n@figure 1 2 0 4\n", "line 2: a figure's area must not be empty"},
        {"=== P\n@show im_a\n", "line 2: @show outside a @figure"},
        {"=== P\n@figure 0 0 9 9\n@show\n", "line 3: @show needs element names"},
        {"=== P\n@figure 0 0 9 9\n@place im_a\n", "line 3: @place needs an element and a target"},
        {"=== P\n@figure 0 0 9 9\n@callout im_a up Text\n",
         "line 3: @callout needs: element left|right text"},
        {"=== P\n@figure 0 0 9 9\n@callout im_a left\n", "line 3: @callout needs a text"},
        {"=== P\n@figure 0 0 9 9\n@zoom 2\n", "line 3: unknown directive @zoom"},
        {"=== P\n@figure 0 0 9 9\n@caption nothing shown\n",
         "page 1 has a figure that shows nothing"},
        {"=== P\n@figure 0 0 9 9\n@show a\n=== Q\n@caption x\n",
         "line 5: @caption outside a @figure"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse_manual(c.text).error, c.expected) << c.text;
}

TEST(ManualText, InlineMarksBecomeEscapedRichText) {
    EXPECT_EQ(inline_html("Press **Time** ([3]) & wait < 5 s"),
              "Press <b>Time</b> (<span class=\"key\">&nbsp;3&nbsp;</span>) &amp; wait &lt; 5 s");
    EXPECT_EQ(inline_html("**<b>**"), "<b>&lt;b&gt;</b>");
    // Unpaired or empty marks stay as they are.
    EXPECT_EQ(inline_html("a ** b [ c [] d"), "a ** b [ c [] d");
}

}  // namespace
}  // namespace gorvo::media

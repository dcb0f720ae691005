// The icon generator: which size lists it takes, and drawings it refuses to make an icon of.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "icon_render.h"
#include "install_support.h"
#include "support/qt/test_app.h"

namespace gorvo::install::test {
namespace {

namespace fs = std::filesystem;
using gorvo::icons::parse_sizes;
using gorvo::icons::render_icon;

class IconRender : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { gorvo::test::ensure_qt_gui_app(); }

    QString drawing(const std::string& name, const std::string& svg) {
        const fs::path file = folder_.path() / name;
        std::ofstream(file) << svg;
        return QString::fromStdString(file.string());
    }

    TempFolder folder_;
};

TEST(IconSizes, SensibleListsAreTakenInTheirOrderAndABadEntryRefusesTheList) {
    EXPECT_EQ(parse_sizes("16,24,256"), (std::vector<int>{16, 24, 256}));
    EXPECT_EQ(parse_sizes(" 48 , 32"), (std::vector<int>{48, 32}));
    EXPECT_EQ(parse_sizes("1,1024"), (std::vector<int>{1, 1024}));
    for (const char* list : {"", "16,", "0", "1025", "-16", "16,16", "sixteen", "16x16", "16;32"}) {
        EXPECT_TRUE(parse_sizes(list).empty()) << list;
    }
}

TEST_F(IconRender, DrawingsThatWouldMakeABadIconAreRefusedWithTheReason) {
    const struct {
        std::string svg;
        const char* reason;
    } cases[] = {
        {R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 300 200">)"
         R"(<rect width="300" height="200"/></svg>)",
         "square"},
        {R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 64 64"></svg>)", "nothing"},
        {"not a drawing", "SVG"},
    };
    for (const auto& bad : cases) {
        const gorvo::icons::IconRender icon = render_icon(drawing("bad.svg", bad.svg), 32);
        EXPECT_TRUE(icon.image.isNull()) << bad.svg;
        EXPECT_TRUE(icon.error.contains(bad.reason)) << icon.error.toStdString();
    }
    const gorvo::icons::IconRender missing =
        render_icon(QString::fromStdString((folder_.path() / "none.svg").string()), 32);
    EXPECT_FALSE(missing.error.isEmpty());
}

}  // namespace
}  // namespace gorvo::install::test

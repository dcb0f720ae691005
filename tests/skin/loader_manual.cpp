// The [Manual] keys of Config.ini.
#include <gtest/gtest.h>

#include "loader_fixture.h"

namespace gorvo::skin::test {
namespace {

TEST(LoaderManual, MissingFileOrKeysGiveTheDefaults) {
    SkinFolder folder;
    const ManualSettings missing = read_manual_settings(folder.config());
    EXPECT_EQ(missing.dir, "Graphics/Manual/");
    EXPECT_EQ(missing.width, 560);
    EXPECT_EQ(missing.height, 365);

    folder.write_config("[Common]\nManualWidth=1\n[Manual]\nmanualheight=abc\n");
    const ManualSettings defaults = read_manual_settings(folder.config());
    EXPECT_EQ(defaults.dir, "Graphics/Manual/");
    EXPECT_EQ(defaults.width, 560);
    EXPECT_EQ(defaults.height, 365);
}

TEST(LoaderManual, KeysAreReadAndKeptSane) {
    SkinFolder folder;
    folder.write_config("[MANUAL]\nManualDir=Pages\\Book\nManualWidth=800\nManualHeight=$258\n");
    const ManualSettings read = read_manual_settings(folder.config());
    EXPECT_EQ(read.dir, "Pages/Book/");
    EXPECT_EQ(read.width, 800);
    EXPECT_EQ(read.height, 600);

    folder.write_config("[Manual]\nManualDir=\nManualWidth=-800\nManualHeight=2000000000\n");
    const ManualSettings odd = read_manual_settings(folder.config());
    EXPECT_EQ(odd.dir, "./");  // the working directory, not the root of the file system
    EXPECT_EQ(odd.width, 0);
    EXPECT_EQ(odd.height, 16384);
}

}  // namespace
}  // namespace gorvo::skin::test

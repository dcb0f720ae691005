// The installed icon: every usual hicolor size, square, on a see-through ground.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "installed_tree.h"
#include "skin/pictures.h"

namespace gorvo::install::test {
namespace {

namespace fs = std::filesystem;

using Icons = InstalledTreeTest;

std::vector<int> icon_sizes() {
    std::vector<int> sizes;
    std::istringstream list(GORVO_ICON_SIZES);
    for (std::string size; std::getline(list, size, ',');)
        sizes.push_back(std::stoi(size));
    return sizes;
}

TEST_F(Icons, EveryUsualSizeIsASquarePictureOnASeeThroughGround) {
    const std::vector<int> sizes = icon_sizes();
    for (int wanted : {16, 24, 32, 48, 64, 128, 256}) {
        EXPECT_NE(std::find(sizes.begin(), sizes.end(), wanted), sizes.end()) << wanted;
    }
    const fs::path hicolor = tree().share() / "icons" / "hicolor";
    for (int size : sizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        SCOPED_TRACE(folder);
        const skin::DecodeResult icon =
            skin::load_picture(hicolor / folder / "apps" / "gorvo250.png");
        ASSERT_TRUE(icon) << icon.error;
        EXPECT_EQ(icon.picture->width, size);
        EXPECT_EQ(icon.picture->height, size);
        ASSERT_TRUE(icon.picture->has_alpha);
        // The case's rounded corner leaves the corner clear; its middle is solid.
        EXPECT_EQ(icon.picture->pixel(0, 0)[3], 0);
        EXPECT_EQ(icon.picture->pixel(size / 2, size / 2)[3], 255);
    }
}

}  // namespace
}  // namespace gorvo::install::test

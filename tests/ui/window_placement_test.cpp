#include "ui/window_placement.h"

#include <gtest/gtest.h>

namespace gorvo::ui {
namespace {

TEST(CentreWindow, PlacesTheWindowInTheMiddleTruncatingTowardZero) {
    EXPECT_EQ(centred({1920, 1080}, 605, 748), (Placement{657, 166, 605, 748}));
    EXPECT_EQ(centred({1024, 768}, 605, 748), (Placement{209, 10, 605, 748}));
    EXPECT_EQ(centred({1920, 1080}, 1920, 1080), (Placement{0, 0, 1920, 1080}));
}

TEST(CentreWindow, AWindowLargerThanTheScreenKeepsItsCornerOnScreen) {
    EXPECT_EQ(centred({600, 700}, 605, 748), (Placement{0, 0, 605, 748}));
}

}  // namespace
}  // namespace gorvo::ui

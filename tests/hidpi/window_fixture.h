// The main window on a screen of ratio 2, over a handheld with fake ports and a skin with
// companions; mouse input goes through the platform's path, in screen pixels.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <vector>

#include "hidpi_app.h"
#include "support/fakes.h"
#include "support/qt/test_skin.h"
#include "ui/main_window.h"

namespace gorvo::test {

class WindowAtRatio : public ::testing::Test {
  protected:
    static TestSkinOptions with_companions() {
        TestSkinOptions options;
        options.companions = true;
        return options;
    }
    void SetUp() override { ensure_hidpi_app(); }

    // The window, started as the player starts the game: windowed unless asked otherwise.
    ui::TForm1& start(bool fullscreen = false);

    // A press, move or release at a point in window pixels; Qt takes it to screen pixels and
    // back, as it does with the platform's events.
    void press(QPoint at);
    void move_to(QPoint at);
    void release(QPoint at);

    static QPoint top_left(ImageId id);
    static QPoint bottom_right(ImageId id);  // the last pixel inside
    bool lit(ImageId id) const { return rig.lit(id); }
    GameState& s() { return rig.s(); }

    Rig rig;
    TestSkin skin{with_companions()};
    Millis real = 0;
    std::vector<QString> errors;
    std::unique_ptr<ui::TForm1> window;
};

}  // namespace gorvo::test

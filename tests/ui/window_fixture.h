// A main window over a handheld with fake ports and a skin of the tests' own, with helpers that
// send it the events a user makes.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <vector>

#include "support/fakes.h"
#include "support/qt/test_app.h"
#include "support/qt/test_skin.h"
#include "ui/main_window.h"

namespace gorvo::test {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ensure_qt_app(); }

    // Creates the window; windowed unless the store says otherwise.
    ui::TForm1& create(const TestSkinOptions& options = {}, skin::ScreenSize screen = {1920, 1080});
    // Creates it and opens the case, as a player does first.
    ui::TForm1& create_open(const TestSkinOptions& options = {});

    // XKB key codes, as a Linux keyboard reports them.
    void key_press(int qt_key, quint32 scan, Qt::KeyboardModifiers mods = Qt::NoModifier,
                   bool repeat = false);
    void key_release(int qt_key, quint32 scan, Qt::KeyboardModifiers mods = Qt::NoModifier,
                     bool repeat = false);

    // Mouse events at window coordinates; `held` is the set of buttons down after the event.
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held);
    void left_press(QPoint at) {
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    }
    void left_release(QPoint at) {
        mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    void left_drag(QPoint at) { mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void click(QPoint at) {
        left_press(at);
        left_release(at);
    }

    static QPoint centre_of(ImageId id);  // of its design rectangle
    GameState& s() { return rig.s(); }
    bool lit(ImageId id) { return rig.lit(id); }

    Rig rig;
    Millis real = 0;
    std::vector<QString> errors;
    std::unique_ptr<TestSkin> skin;
    std::unique_ptr<ui::TForm1> window;
};

}  // namespace gorvo::test

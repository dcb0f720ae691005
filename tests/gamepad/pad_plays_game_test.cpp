// The pieces wired as the program wires them: a pad's events through the bridge into the
// handheld's actions, and the screensaver held off while the game runs on the pad.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "fake_controller.h"
#include "fake_screensaver.h"
#include "platform/screensaver_inhibitor.h"
#include "support/fakes.h"
#include "support/qt/test_app.h"
#include "ui/gamepad_bridge.h"

namespace gorvo::test {
namespace {

using platform::PadAxis;
using platform::PadButton;
using platform::PadEvent;

struct PadPlay : WithQtApp, ::testing::Test {
    Rig rig;
    QWidget window;
    FakeControllers* pads = nullptr;
    FakeScreensaver* desktop = nullptr;
    std::unique_ptr<platform::ScreensaverInhibitor> screensaver;
    std::unique_ptr<ui::GamepadBridge> bridge;

    void SetUp() override {
        auto service = std::make_unique<FakeScreensaver>();
        desktop = service.get();
        screensaver = std::make_unique<platform::ScreensaverInhibitor>(
            [this] {
                const auto mode = rig.s().game_mode;
                return mode == mode_game_a || mode == mode_game_b;
            },
            std::move(service));
        auto source = std::make_unique<FakeControllers>();
        pads = source.get();
        pads->plug(1);
        bridge = std::make_unique<ui::GamepadBridge>(
            std::move(source), &window,
            [this](Control c, bool pressed) { pressed ? rig.hh.press(c) : rig.hh.release(c); });
        QObject::connect(bridge.get(), &ui::GamepadBridge::pad_used, screensaver.get(),
                         &platform::ScreensaverInhibitor::pad_used);
        QObject::connect(bridge.get(), &ui::GamepadBridge::pads_gone, screensaver.get(),
                         &platform::ScreensaverInhibitor::pads_gone);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void tap(PadButton b) {
        pads->push(1, b);
        bridge->poll();
        pads->lift(1, b);
        bridge->poll();
    }
};

TEST_F(PadPlay, APadOpensTheCaseStartsGameAAndWalksTobo) {
    tap(PadButton::West);  // ACL opens the closed case
    EXPECT_EQ(rig.s().game_mode, mode_all_segments);
    EXPECT_TRUE(desktop->waiting.empty()) << "no game yet";

    pads->push(1, PadButton::Start);
    bridge->poll();
    EXPECT_EQ(rig.s().game_mode, mode_hiscore_a);
    pads->lift(1, PadButton::Start);
    bridge->poll();
    EXPECT_EQ(rig.s().game_mode, mode_game_a);
    rig.wait(10'000);  // the start sequence brings Tobo in
    ASSERT_TRUE(rig.s().play_enabled);

    const int row = rig.s().tobo_row;
    pads->queued.push_back(PadEvent::move(1, PadAxis::LeftY, -30000));
    bridge->poll();
    EXPECT_TRUE(rig.s().dir_held);
    ASSERT_EQ(desktop->waiting.size(), 1u) << "a game played on the pad holds the screensaver";
    desktop->answer();
    EXPECT_TRUE(screensaver->engaged());
    rig.wait(1000);
    EXPECT_LT(rig.s().tobo_row, row) << "Tobo walked up";

    pads->unplug(1);
    bridge->poll();
    EXPECT_FALSE(rig.s().dir_held) << "the unplugged pad let go of up";
    EXPECT_EQ(desktop->released.size(), 1u) << "and of the screensaver";
}

}  // namespace
}  // namespace gorvo::test

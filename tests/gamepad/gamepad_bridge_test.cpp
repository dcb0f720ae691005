// The bridge between the pads and the program: it acts only while the main window is active,
// lets go of everything when the window stops being active or a pad is unplugged, and polls
// fast only while a pad is open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "action_log.h"
#include "fake_controller.h"
#include "support/qt/test_app.h"
#include "ui/gamepad_bridge.h"

namespace gorvo::test {
namespace {

using platform::PadButton;
using ui::GamepadBridge;
using Log = std::vector<std::string>;

struct Bridge : WithQtApp, ::testing::Test {
    void SetUp() override {
        window.resize(100, 100);
        other.resize(100, 100);
        auto source = std::make_unique<FakeControllers>();
        pads = source.get();
        pads->plug(1);
        bridge = std::make_unique<GamepadBridge>(std::move(source), &window, log.sink());
    }

    static void activate(QWidget& w) {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    QWidget window;
    QWidget other;
    ActionLog log;
    FakeControllers* pads = nullptr;
    std::unique_ptr<GamepadBridge> bridge;
};

TEST_F(Bridge, PadInputActsOnlyWhileTheWindowIsActive) {
    pads->push(1, PadButton::South);
    bridge->poll();
    EXPECT_TRUE(log.take().empty()) << "the window is not even shown";

    activate(window);
    pads->lift(1, PadButton::South);  // a release without its press in this window
    pads->push(1, PadButton::Start);
    bridge->poll();
    EXPECT_EQ(log.take(), Log{"+GameA"});

    activate(other);
    EXPECT_EQ(log.take(), Log{"-GameA"}) << "leaving the window lets go at once";
    pads->push(1, PadButton::North);
    pads->lift(1, PadButton::Start);
    bridge->poll();
    EXPECT_TRUE(log.take().empty()) << "input for another window";

    activate(window);
    pads->lift(1, PadButton::North);
    pads->push(1, PadButton::DpadUp);
    bridge->poll();
    EXPECT_EQ(log.take(), Log{"+Up"});
    QMenu menu;  // the context menu takes the keys, and the pad
    menu.addAction(QStringLiteral("About"));
    menu.popup(window.geometry().center());
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    pads->push(1, PadButton::South);
    bridge->poll();
    EXPECT_EQ(log.take(), Log{"-Up"});
    menu.close();
    pads->lift(1, PadButton::South);   // pressed while the menu was open
    pads->lift(1, PadButton::DpadUp);  // already let go when the menu opened
    pads->push(1, PadButton::DpadLeft);
    bridge->poll();
    EXPECT_EQ(log.take(), Log{"+Left"});

    window.hide();
    EXPECT_EQ(log.take(), Log{"-Left"});
}

TEST_F(Bridge, PollsFastOnlyWhileAPadIsOpen) {
    EXPECT_EQ(bridge->poll_interval(), GamepadBridge::kPadPollMs)
        << "a pad plugged in at start is opened at once";
    pads->unplug(1);
    bridge->poll();
    EXPECT_EQ(bridge->poll_interval(), GamepadBridge::kPlugPollMs);

    // The timer itself delivers a pad plugged in later, and its presses.
    activate(window);
    pads->plug(3);
    pads->push(3, PadButton::West);
    const int before = pads->polls;
    QTRY_COMPARE_WITH_TIMEOUT(log.actions, Log{"+Acl"}, 3000);
    EXPECT_EQ(bridge->poll_interval(), GamepadBridge::kPadPollMs);
    QTRY_VERIFY_WITH_TIMEOUT(pads->polls > before + 3, 1000);
}

// With a device folder to watch, no pad open means no polling at all: an idle program must not
// wake up. A new entry in the folder is what brings a pad plugged in later.
TEST(BridgeWithoutPads, WatchesTheDeviceFolderInsteadOfPolling) {
    ensure_qt_app();
    QTemporaryDir devices;
    ASSERT_TRUE(devices.isValid());
    QWidget window;
    window.resize(100, 100);
    ActionLog log;
    auto source = std::make_unique<FakeControllers>();
    source->folder = devices.path().toStdString();
    FakeControllers* pads = source.get();
    GamepadBridge bridge(std::move(source), &window, log.sink());
    // No timer runs, so nothing can poll later; what is already queued does not poll either.
    const int polls_at_start = pads->polls;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(bridge.poll_interval(), std::nullopt);
    EXPECT_EQ(pads->polls, polls_at_start) << "polled with no pad and no change";

    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    pads->plug(2);
    pads->push(2, PadButton::South);
    QFile node(devices.filePath(QStringLiteral("event7")));
    ASSERT_TRUE(node.open(QIODevice::WriteOnly));
    node.close();
    QTRY_COMPARE_WITH_TIMEOUT(log.actions, Log{"+Jump"}, 3000);
    EXPECT_EQ(bridge.poll_interval(), GamepadBridge::kPadPollMs);

    pads->unplug(2);
    ASSERT_TRUE(QFile::remove(node.fileName()));
    QTRY_COMPARE_WITH_TIMEOUT(log.actions, (Log{"+Jump", "-Jump"}), 3000);
    // A few more looks while the system settles, then quiet again.
    QTRY_COMPARE_WITH_TIMEOUT(bridge.poll_interval(), std::nullopt,
                              GamepadBridge::kSettlePollMs * (GamepadBridge::kSettlePolls + 4));
}

// A system without any input device has no device folder yet; one made later is watched too.
TEST(BridgeWithoutPads, WatchesForTheDeviceFolderToAppear) {
    ensure_qt_app();
    QTemporaryDir dev;
    ASSERT_TRUE(dev.isValid());
    QWidget window;
    window.resize(100, 100);
    ActionLog log;
    auto source = std::make_unique<FakeControllers>();
    const QString folder = dev.filePath(QStringLiteral("input"));
    source->folder = folder.toStdString();
    FakeControllers* pads = source.get();
    GamepadBridge bridge(std::move(source), &window, log.sink());
    EXPECT_EQ(bridge.poll_interval(), std::nullopt);

    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(QDir().mkpath(folder));
    // Once the settling looks are over, a pad in the new folder is still noticed.
    QTRY_COMPARE_WITH_TIMEOUT(bridge.poll_interval(), std::nullopt,
                              GamepadBridge::kSettlePollMs * (GamepadBridge::kSettlePolls + 4));
    pads->plug(4);
    pads->push(4, PadButton::Start);
    QFile node(QDir(folder).filePath(QStringLiteral("event0")));
    ASSERT_TRUE(node.open(QIODevice::WriteOnly));
    node.close();
    QTRY_COMPARE_WITH_TIMEOUT(log.actions, Log{"+GameA"}, 3000);
}

TEST(BridgeWithoutPads, AnUnusableSourceIsNeverPolled) {
    ensure_qt_app();
    QWidget window;
    auto source = std::make_unique<FakeControllers>();
    source->usable = false;
    FakeControllers* pads = source.get();
    GamepadBridge bridge(std::move(source), &window, [](Control, bool) { FAIL(); });
    EXPECT_EQ(bridge.poll_interval(), std::nullopt);
    EXPECT_EQ(pads->polls, 0);
}

}  // namespace
}  // namespace gorvo::test

// The screensaver held off over a real message bus (a private one) and given back, the desktop
// without the service, no bus at all; and the inhibitor that reviews the situation while a pad
// player plays.
#include <gtest/gtest.h>

#include <QTest>

#include "platform/screensaver_dbus.h"
#include "platform/screensaver_inhibitor.h"
#include "private_bus.h"
#include "support/qt/test_app.h"

namespace gorvo::test {
namespace {

using platform::DBusScreensaver;
using platform::ScreensaverInhibitor;
using platform::ScreensaverService;
using Calls = std::vector<QString>;

struct OnPrivateBus : WithQtApp, ::testing::Test {
    void SetUp() override {
        if (!bus.running()) GTEST_SKIP() << bus.reason().toStdString();
    }
    PrivateBus bus;
};

const QString kInhibit = QStringLiteral("Inhibit Gorvo250: A game is played with a gamepad = ");

TEST_F(OnPrivateBus, TheDesktopHoldsTheScreensaverOffAndGetsItBack) {
    ASSERT_TRUE(bus.offer_screensaver());
    DBusScreensaver service(bus.connect(QStringLiteral("player")));
    std::optional<std::optional<ScreensaverService::Cookie>> answer;
    ASSERT_TRUE(service.inhibit([&](auto cookie) { answer = cookie; }));
    QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 5000);
    ASSERT_TRUE(answer->has_value());
    const ScreensaverService::Cookie cookie = **answer;
    service.uninhibit(cookie);
    EXPECT_EQ(bus.desktop().calls(), (Calls{kInhibit + QString::number(cookie),
                                            QStringLiteral("UnInhibit %1").arg(cookie)}))
        << "the release has arrived by the time uninhibit returns";
}

TEST_F(OnPrivateBus, ABusWithoutTheServiceRefusesAndSaysSoOnce) {
    DBusScreensaver service(bus.connect(QStringLiteral("lonely")));
    ::testing::internal::CaptureStderr();
    std::vector<std::optional<ScreensaverService::Cookie>> answers;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(service.inhibit([&](auto cookie) { answers.push_back(cookie); }));
    }
    QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 2u, 5000);
    service.uninhibit(5);  // harmless
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(answers[0], std::nullopt);
    EXPECT_EQ(answers[1], std::nullopt);
    EXPECT_NE(said.find("screensaver cannot be held off"), std::string::npos) << said;
    EXPECT_EQ(said.find("screensaver", said.find('\n')), std::string::npos) << "said twice";
}

TEST(ScreensaverWithoutBus, NothingIsAskedAndTheGameGoesOn) {
    ensure_qt_app();
    DBusScreensaver service(QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/gorvo-test-bus"), QStringLiteral("nowhere")));
    ::testing::internal::CaptureStderr();
    bool answered = false;
    EXPECT_FALSE(service.inhibit([&](auto) { answered = true; }));
    EXPECT_FALSE(service.inhibit([&](auto) { answered = true; }));
    service.uninhibit(1);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(answered);
    EXPECT_NE(said.find("no session message bus"), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "one line only: " << said;
}

// The whole chain over the bus: pad used in a game, the game ends, the inhibitor's own timer
// notices within a second.
TEST_F(OnPrivateBus, TheInhibitorGivesTheScreensaverBackWhenTheGameEnds) {
    ASSERT_TRUE(bus.offer_screensaver());
    bool game_running = true;
    ScreensaverInhibitor inhibitor(
        [&] { return game_running; },
        std::make_unique<DBusScreensaver>(bus.connect(QStringLiteral("game"))));
    inhibitor.pad_used();
    QTRY_COMPARE_WITH_TIMEOUT(bus.desktop().calls().size(), 1u, 5000);
    EXPECT_TRUE(bus.desktop().calls()[0].startsWith(kInhibit));
    EXPECT_TRUE(inhibitor.reviewing());

    game_running = false;
    QTRY_COMPARE_WITH_TIMEOUT(bus.desktop().calls().size(), 2u,
                              ScreensaverInhibitor::kReviewEveryMs * 3);
    EXPECT_TRUE(bus.desktop().calls()[1].startsWith(QStringLiteral("UnInhibit ")));
    EXPECT_FALSE(inhibitor.engaged());
}

}  // namespace
}  // namespace gorvo::test

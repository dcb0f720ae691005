// The pad-to-control mapping: which button is which control, the stick's hysteresis and single
// direction, controls held by several sources, unplugging, and the promise that the game only
// ever sees a press followed by its release.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "action_log.h"
#include "platform/gamepad_mapper.h"

namespace gorvo::test {
namespace {

using platform::GamepadMapper;
using platform::PadAxis;
using platform::PadButton;
using platform::PadEvent;
using Log = std::vector<std::string>;

// A deflection in percent of the axis' half range.
constexpr int pct(int percent) {
    return percent * 32768 / 100;
}

struct Mapper : ::testing::Test {
    ActionLog log;
    GamepadMapper mapper{log.sink()};

    void push(PadButton b, int pad = 1) { mapper.handle(PadEvent::press(pad, b)); }
    void lift(PadButton b, int pad = 1) { mapper.handle(PadEvent::release(pad, b)); }
    void stick(int x_percent, int y_percent, int pad = 1) {
        mapper.handle(PadEvent::move(pad, PadAxis::LeftX, pct(x_percent)));
        mapper.handle(PadEvent::move(pad, PadAxis::LeftY, pct(y_percent)));
    }
};

TEST_F(Mapper, DefaultButtonsPressAndReleaseTheirControls) {
    const std::pair<PadButton, const char*> layout[] = {
        {PadButton::South, "Jump"},      {PadButton::Start, "GameA"},
        {PadButton::Back, "GameB"},      {PadButton::North, "Time"},
        {PadButton::West, "Acl"},        {PadButton::DpadUp, "Up"},
        {PadButton::DpadDown, "Down"},   {PadButton::DpadLeft, "Left"},
        {PadButton::DpadRight, "Right"},
    };
    for (const auto& [button, name] : layout) {
        push(button);
        lift(button);
        EXPECT_EQ(log.take(), (Log{std::string("+") + name, std::string("-") + name})) << name;
    }
    push(PadButton::East);
    lift(PadButton::East);
    push(PadButton::Other);
    EXPECT_TRUE(log.take().empty()) << "buttons without a control do nothing";
}

TEST_F(Mapper, StickPressesAtHalfAndLetsGoBelowThirtyPercent) {
    stick(45, 0);
    EXPECT_TRUE(log.take().empty()) << "under half deflection";
    stick(50, 0);
    EXPECT_EQ(log.take(), Log{"+Right"});
    stick(31, 0);
    stick(80, 0);
    stick(30, 0);
    EXPECT_TRUE(log.take().empty()) << "between the thresholds the direction stays held";
    stick(29, 0);
    EXPECT_EQ(log.take(), Log{"-Right"});
    stick(45, 0);
    EXPECT_TRUE(log.take().empty()) << "pressing again needs half deflection again";

    stick(0, -60);
    stick(0, 60);
    EXPECT_EQ(log.take(), (Log{"+Up", "-Up", "+Down"})) << "LeftY grows downwards";

    // The extremes of the axis' range.
    mapper.handle(PadEvent::move(1, PadAxis::LeftY, 0));
    mapper.handle(PadEvent::move(1, PadAxis::LeftX, -32768));
    mapper.handle(PadEvent::move(1, PadAxis::LeftX, 32767));
    EXPECT_EQ(log.take(), (Log{"-Down", "+Left", "-Left", "+Right"}));
}

TEST_F(Mapper, StickHoldsOneDirectionAtATime) {
    stick(70, 40);
    EXPECT_EQ(log.take(), Log{"+Right"}) << "the stronger axis wins";
    stick(40, 90);
    EXPECT_TRUE(log.take().empty()) << "right is still pushed past the release threshold";
    stick(20, 90);
    EXPECT_EQ(log.take(), (Log{"-Right", "+Down"}));
    stick(60, -60);
    EXPECT_EQ(log.take(), (Log{"-Down", "+Right"})) << "a tie goes to the horizontal";
    // Other axes (right stick, triggers) are not the cross pad.
    mapper.handle(PadEvent::move(1, PadAxis::Other, -32768));
    EXPECT_TRUE(log.take().empty());
}

TEST_F(Mapper, ADirectionHeldByDpadAndStickIsReleasedByTheLastOfThem) {
    push(PadButton::DpadLeft);
    stick(-80, 0);
    lift(PadButton::DpadLeft);
    EXPECT_EQ(log.take(), Log{"+Left"}) << "sliding from the D-pad to the stick keeps walking";
    stick(0, 0);
    EXPECT_EQ(log.take(), Log{"-Left"});

    // Two pads holding the same button.
    push(PadButton::South, 1);
    push(PadButton::South, 2);
    lift(PadButton::South, 1);
    EXPECT_EQ(log.take(), Log{"+Jump"});
    lift(PadButton::South, 2);
    EXPECT_EQ(log.take(), Log{"-Jump"});
}

TEST_F(Mapper, UnpluggingAPadReleasesWhatItHeldAndNothingElse) {
    push(PadButton::Start, 1);
    stick(0, -90, 1);
    push(PadButton::West, 2);
    push(PadButton::Start, 2);
    log.take();

    mapper.handle(PadEvent::removed(1));
    EXPECT_EQ(log.take(), Log{"-Up"}) << "Game A is still held by pad 2";
    EXPECT_TRUE(mapper.holds(Control::GameA));
    EXPECT_TRUE(mapper.holds(Control::Acl));

    // The same pad id plugged in again starts from rest: a release from before does nothing.
    mapper.handle(PadEvent::added(1));
    lift(PadButton::Start, 1);
    mapper.handle(PadEvent::move(1, PadAxis::LeftX, 0));
    EXPECT_TRUE(log.take().empty());

    mapper.handle(PadEvent::removed(2));
    Log released = log.take();
    std::sort(released.begin(), released.end());
    EXPECT_EQ(released, (Log{"-Acl", "-GameA"}));
    EXPECT_FALSE(mapper.holds_anything());
    mapper.handle(PadEvent::removed(7));  // never seen
    EXPECT_TRUE(log.take().empty());
}

// Whatever the pads do, every control goes press, release, press, release... and nothing is
// held once everything is let go.
TEST_F(Mapper, ARandomStormOfEventsOnlyEverGivesThePressReleasePairs) {
    std::map<std::string, bool> held;
    GamepadMapper checked([&](Control c, bool pressed) {
        const std::string name = control_name(c);
        ASSERT_NE(held[name], pressed) << name << (pressed ? " pressed twice" : " released twice");
        held[name] = pressed;
    });
    std::mt19937 random(250);
    const PadButton buttons[] = {PadButton::South,    PadButton::Start,     PadButton::DpadUp,
                                 PadButton::DpadLeft, PadButton::DpadRight, PadButton::DpadDown};
    for (int i = 0; i < 20000; ++i) {
        const int pad = static_cast<int>(random() % 3);
        switch (random() % 8) {
            case 0:
                checked.handle(PadEvent::removed(pad));
                break;
            case 1:
            case 2:
                checked.handle(PadEvent::move(pad, random() % 2 ? PadAxis::LeftX : PadAxis::LeftY,
                                              static_cast<int>(random() % 65536) - 32768));
                break;
            default:
                checked.handle(
                    {PadEvent::Type::Button, pad, buttons[random() % 6], random() % 2 == 0});
        }
        if (::testing::Test::HasFatalFailure()) return;
    }
    checked.release_all();
    for (const auto& [name, down] : held)
        EXPECT_FALSE(down) << name << " left held";
}

}  // namespace
}  // namespace gorvo::test

// SDL's game controllers as the event source, driven by a virtual pad that SDL itself
// simulates: plugging in opens the pad, its buttons and left stick arrive in the program's
// terms, and unplugging closes it. Without SDL the source says it is not available, and why.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/gamepad_sdl.h"
#include "platform/sdl_library.h"

namespace gorvo::test {
namespace {

using platform::PadAxis;
using platform::PadButton;
using platform::PadEvent;

// A pad of the standard layout, simulated by SDL.
class VirtualPad {
  public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "test pad";
        index_ = SDL_JoystickAttachVirtualEx(&desc);
        // Known only while SDL's joystick layer runs.
        if (index_ >= 0) instance_ = SDL_JoystickGetDeviceInstanceID(index_);
    }
    ~VirtualPad() { unplug(); }

    bool plugged() const { return index_ >= 0; }
    int instance() const { return instance_; }
    void set_button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(joystick(), b, down ? 1 : 0);
    }
    void set_axis(SDL_GameControllerAxis a, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick(), a, value);
    }
    void unplug() {
        if (instance_ < 0) return;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == instance_) SDL_JoystickDetachVirtual(i);
        }
        instance_ = -1;
    }

  private:
    SDL_Joystick* joystick() const { return SDL_JoystickFromInstanceID(instance_); }

    int index_ = -1;
    int instance_ = -1;
};

std::vector<PadEvent> poll(platform::SdlControllerSource& source) {
    std::vector<PadEvent> events;
    source.poll(events);
    return events;
}

TEST(SdlControllers, AVirtualPadIsOpenedReportedAndClosed) {
    platform::SdlControllerSource source;
    ASSERT_TRUE(source.available()) << source.reason();
    poll(source);
    const int before = source.open_count();

    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    std::vector<PadEvent> events = poll(source);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, PadEvent::Type::Added);
    EXPECT_EQ(events[0].pad, pad.instance());
    EXPECT_EQ(source.open_count(), before + 1);

    pad.set_button(SDL_CONTROLLER_BUTTON_A, true);
    pad.set_button(SDL_CONTROLLER_BUTTON_START, true);
    pad.set_axis(SDL_CONTROLLER_AXIS_LEFTY, -20000);
    pad.set_axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 30000);
    events = poll(source);
    // SDL reports axes before buttons within one update; the order between them is SDL's.
    std::vector<PadEvent> buttons;
    std::vector<PadEvent> axes;
    for (const PadEvent& e : events) {
        EXPECT_EQ(e.pad, pad.instance());
        (e.type == PadEvent::Type::Button ? buttons : axes).push_back(e);
    }
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].button, PadButton::South);
    EXPECT_EQ(buttons[1].button, PadButton::Start);
    EXPECT_TRUE(buttons[0].down && buttons[1].down);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(axes[0].axis, PadAxis::LeftY);
    EXPECT_EQ(axes[0].value, -20000);
    EXPECT_EQ(axes[1].axis, PadAxis::Other) << "a trigger is not the stick";

    pad.set_button(SDL_CONTROLLER_BUTTON_A, false);
    events = poll(source);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].button, PadButton::South);
    EXPECT_FALSE(events[0].down);

    const int instance = pad.instance();
    pad.unplug();
    events = poll(source);
    ASSERT_FALSE(events.empty());
    // SDL lets go of what the pad held (Start, the stick) before it reports the pad gone.
    bool start_released = false;
    bool stick_centred = false;
    for (const PadEvent& e : events) {
        start_released |=
            e.type == PadEvent::Type::Button && e.button == PadButton::Start && !e.down;
        stick_centred |= e.type == PadEvent::Type::Axis && e.axis == PadAxis::LeftY && e.value == 0;
    }
    EXPECT_TRUE(start_released);
    EXPECT_TRUE(stick_centred);
    EXPECT_EQ(events.back().type, PadEvent::Type::Removed);
    EXPECT_EQ(events.back().pad, instance);
    EXPECT_EQ(source.open_count(), before);
}

TEST(SdlControllers, WithoutSdlTheSourceIsNotAvailableAndSaysWhy) {
    const platform::SdlLibraries missing("libgorvo-missing-sdl.so.0", nullptr);
    platform::SdlControllerSource source(missing);
    EXPECT_FALSE(source.available());
    EXPECT_EQ(source.reason(), missing.error());
    EXPECT_EQ(source.reason().rfind("libgorvo-missing-sdl.so.0 could not be loaded: ", 0), 0u)
        << source.reason();
    std::vector<PadEvent> events;
    source.poll(events);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(source.open_count(), 0);
}

}  // namespace
}  // namespace gorvo::test

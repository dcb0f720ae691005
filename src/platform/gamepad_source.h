// What a game controller reports, in the program's own terms, and the source that reports it.
// The mapper and the bridge see only these types, so they run the same on a real pad and on a
// scripted one.
#pragma once

#include <string>
#include <vector>

namespace gorvo::platform {

// The buttons the standard controller layout names by position: South is the lower face button
// (A on most pads), North the upper one, West the left one, East the right one.
enum class PadButton {
    South,
    East,
    West,
    North,
    Back,
    Start,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
    Other,
};

// The left stick's axes; LeftY grows downwards. Values run from -32768 to 32767.
enum class PadAxis { LeftX, LeftY, Other };

struct PadEvent {
    enum class Type { Added, Removed, Button, Axis };
    Type type = Type::Button;
    int pad = 0;  // stays the same for a pad from plugging in to unplugging
    PadButton button = PadButton::Other;
    bool down = false;  // Button: pressed (true) or released (false)
    PadAxis axis = PadAxis::Other;
    int value = 0;  // Axis: the new position

    static PadEvent added(int pad) { return {Type::Added, pad}; }
    static PadEvent removed(int pad) { return {Type::Removed, pad}; }
    static PadEvent press(int pad, PadButton b) { return {Type::Button, pad, b, true}; }
    static PadEvent release(int pad, PadButton b) { return {Type::Button, pad, b, false}; }
    static PadEvent move(int pad, PadAxis a, int v) {
        return {Type::Axis, pad, PadButton::Other, false, a, v};
    }
};

// Delivers the events of every pad plugged in, opening pads as they arrive and closing them as
// they leave. Events are collected by polling; nothing happens between polls.
class ControllerSource {
  public:
    virtual ~ControllerSource() = default;

    // False when pads cannot be used at all on this system; reason() says why.
    virtual bool available() const = 0;
    virtual std::string reason() const = 0;
    // Appends every event that arrived since the last poll, oldest first.
    virtual void poll(std::vector<PadEvent>& out) = 0;
    // Pads open right now.
    virtual int open_count() const = 0;
    // A folder whose entries change when a pad is plugged in or out, so that a watch on it can
    // take the place of polling while no pad is open; empty when there is none.
    virtual std::string device_folder() const { return {}; }
};

}  // namespace gorvo::platform

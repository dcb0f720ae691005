// A controller source played by the test: events are queued by hand and delivered at the next
// poll; pads count as open from their Added event to their Removed event, as with SDL.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/gamepad_source.h"

namespace gorvo::test {

class FakeControllers : public platform::ControllerSource {
  public:
    bool usable = true;
    std::vector<platform::PadEvent> queued;
    int polls = 0;
    std::string folder;  // the device folder to watch, none by default

    void plug(int pad) { queued.push_back(platform::PadEvent::added(pad)); }
    void unplug(int pad) { queued.push_back(platform::PadEvent::removed(pad)); }
    void push(int pad, platform::PadButton b) {
        queued.push_back(platform::PadEvent::press(pad, b));
    }
    void lift(int pad, platform::PadButton b) {
        queued.push_back(platform::PadEvent::release(pad, b));
    }

    bool available() const override { return usable; }
    std::string reason() const override { return "no controller layer in this test"; }
    void poll(std::vector<platform::PadEvent>& out) override {
        ++polls;
        for (const platform::PadEvent& e : queued) {
            if (e.type == platform::PadEvent::Type::Added) open_.insert(e.pad);
            if (e.type == platform::PadEvent::Type::Removed) open_.erase(e.pad);
            out.push_back(e);
        }
        queued.clear();
    }
    int open_count() const override { return static_cast<int>(open_.size()); }
    std::string device_folder() const override { return folder; }

  private:
    std::set<int> open_;
};

}  // namespace gorvo::test

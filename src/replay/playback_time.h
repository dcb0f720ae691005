// The time of a recording watched in the window: real time times the speed, with every stretch
// of more than five seconds in which nothing changes on the LCD shortened to one second (half a
// second kept at each end, the middle jumped over).
#pragma once

#include <vector>

#include "core/timers.h"
#include "replay/script.h"

namespace gorvo::replay {

constexpr Millis kLongestStill = 5000;  // a still stretch longer than this is shortened
constexpr Millis kStillKept = 1000;     // to this

// The engine times at which something on the LCD changed, from a headless run of the script.
std::vector<Millis> lcd_change_times(const Script& script);

class PlaybackTime {
  public:
    // `changes` in increasing order; the stretch after the last change runs to `end`.
    PlaybackTime(const std::vector<Millis>& changes, Millis end);

    // The engine time at playback time p (milliseconds of the recording as shown).
    Millis engine_at(Millis p) const;
    // The playback time at which the engine reaches e (within a jump: the jump's start).
    Millis playback_at(Millis e) const;
    // The playback time at which the recording ends.
    Millis length() const { return playback_at(end_); }

  private:
    struct Jump {
        Millis from;    // engine time where the jump starts
        Millis length;  // engine time jumped over
    };
    std::vector<Jump> jumps_;
    Millis end_;
};

}  // namespace gorvo::replay

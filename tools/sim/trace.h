// The text trace: what a player would see and hear, printed once per virtual instant.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "core/images.h"
#include "core/timers.h"

namespace gorvo::sim {

// The images whose picture the trace follows, in printing order.
constexpr std::array<ImageId, 5> kTracedPictures = {im_panel_digit_pos_1, im_panel_digit_pos_2,
                                                    im_panel_digit_pos_3, im_panel_digit_pos_4,
                                                    btn_cross_down};

class TraceRecorder {
  public:
    // Takes the visibility of the skin images as already printed: nothing is printed for the
    // start-up state. Pictures count as `none` until printed otherwise.
    void start(const Images& images);

    // A sound, silence or settings write of the instant in progress ("sound Key",
    // "silence", "set HiScore1 50"), in the order they happen.
    void note(std::string what);

    // Prints the lines of instant t: the noted events, then pictures, then visibility changes
    // against what was last printed. Prints nothing when nothing changed.
    void flush(Millis t, const Images& images, std::ostream& out);

    // Forgets what was noted for the instant in progress (a run stopped in the middle of it).
    void discard() { pending_.clear(); }

  private:
    std::vector<std::string> pending_;
    std::array<ImageId, kTracedPictures.size()> last_picture_{};
    std::array<bool, kSkinImageCount> last_visible_{};
};

}  // namespace gorvo::sim

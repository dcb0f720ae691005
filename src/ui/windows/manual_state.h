// The manual viewer's page and its three buttons, without a window: which page is on view,
// which button images show, where they sit for a window size, and what the six input actions
// do to them. Qt-free.
#pragma once

#include <array>
#include <optional>

namespace gorvo::ui {

constexpr int kManualPageCount = 16;

enum class ManualButton { Left, Right, Close };

// The button images in stacking order, bottom to top. Each button has a pressed look (`_down`)
// beneath its released look (`_up`); hiding the released image shows the pressed one.
enum class ManualImage {
    btn_right_down,
    btn_right_up,
    btn_left_down,
    btn_left_up,
    btn_close_down,
    btn_close_up
};
constexpr int kManualImageCount = 6;

struct ManualRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool contains(int x, int y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
    bool operator==(const ManualRect&) const = default;
};

// What the pointer is over, from the top of the stack down.
struct ManualHit {
    enum class Kind { Button, PressedLook, Page };
    Kind kind = Kind::Page;
    ManualButton button = ManualButton::Left;  // for Button and PressedLook
};

class ManualState {
  public:
    ManualState(int client_width, int client_height);

    int manual_page() const { return manual_page_; }
    bool visible(ManualImage image) const { return visible_[index(image)]; }
    // The buttons keep 4 pixels from their edges: close top right, next page bottom right,
    // previous page bottom left.
    ManualRect rect(ManualImage image) const;
    ManualHit hit(int x, int y) const;

    // Vid_Show_Page: sets the page-turn buttons for manual_page (the window shows the page).
    void Vid_Show_Page();

    // Press actions show the pressed look; release actions turn the page or ask to close.
    // A turn that would leave pages 1..16 does nothing.
    void press(ManualButton button);
    // True when the release asks the window to close.
    bool release(ManualButton button);

    // Gives every shown button its released look again (a press whose release will not come).
    void cancel_presses();

  private:
    static std::size_t index(ManualImage image) { return static_cast<std::size_t>(image); }
    void show_pair(ManualButton button, bool shown);
    void turn(int step);

    int width_;
    int height_;
    int manual_page_ = 1;
    std::array<bool, kManualImageCount> visible_{};
};

// The released image of a button and the pressed one beneath it.
ManualImage released_image(ManualButton button);
ManualImage pressed_image(ManualButton button);

}  // namespace gorvo::ui

#include "ui/windows/manual_state.h"

namespace gorvo::ui {

namespace {

constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 14;
constexpr int kEdgeGap = 4;

constexpr ManualButton kButtons[] = {ManualButton::Left, ManualButton::Right, ManualButton::Close};

}  // namespace

ManualImage released_image(ManualButton button) {
    switch (button) {
        case ManualButton::Left:
            return ManualImage::btn_left_up;
        case ManualButton::Right:
            return ManualImage::btn_right_up;
        case ManualButton::Close:
            break;
    }
    return ManualImage::btn_close_up;
}

ManualImage pressed_image(ManualButton button) {
    switch (button) {
        case ManualButton::Left:
            return ManualImage::btn_left_down;
        case ManualButton::Right:
            return ManualImage::btn_right_down;
        case ManualButton::Close:
            break;
    }
    return ManualImage::btn_close_down;
}

// The previous-page pair is hidden until a page other than the first is shown.
ManualState::ManualState(int client_width, int client_height)
    : width_(client_width), height_(client_height) {
    show_pair(ManualButton::Right, true);
    show_pair(ManualButton::Close, true);
}

ManualRect ManualState::rect(ManualImage image) const {
    const int right = width_ - kEdgeGap - kButtonWidth;
    const int bottom = height_ - kEdgeGap - kButtonHeight;
    switch (image) {
        case ManualImage::btn_right_down:
        case ManualImage::btn_right_up:
            return {right, bottom, kButtonWidth, kButtonHeight};
        case ManualImage::btn_left_down:
        case ManualImage::btn_left_up:
            return {kEdgeGap, bottom, kButtonWidth, kButtonHeight};
        case ManualImage::btn_close_down:
        case ManualImage::btn_close_up:
            break;
    }
    return {right, kEdgeGap, kButtonWidth, kButtonHeight};
}

ManualHit ManualState::hit(int x, int y) const {
    for (int i = kManualImageCount - 1; i >= 0; --i) {
        const auto image = static_cast<ManualImage>(i);
        if (!visible(image) || !rect(image).contains(x, y)) continue;
        for (const ManualButton button : kButtons) {
            if (image == released_image(button)) return {ManualHit::Kind::Button, button};
            if (image == pressed_image(button)) return {ManualHit::Kind::PressedLook, button};
        }
    }
    return {};
}

void ManualState::Vid_Show_Page() {
    if (manual_page_ == 1) {
        show_pair(ManualButton::Left, false);
    } else if (manual_page_ == kManualPageCount) {
        show_pair(ManualButton::Right, false);
    } else {
        show_pair(ManualButton::Left, true);
        show_pair(ManualButton::Right, true);
    }
}

void ManualState::press(ManualButton button) {
    visible_[index(released_image(button))] = false;
}

bool ManualState::release(ManualButton button) {
    switch (button) {
        case ManualButton::Left:
            turn(-1);
            return false;
        case ManualButton::Right:
            turn(+1);
            return false;
        case ManualButton::Close:
            break;
    }
    visible_[index(ManualImage::btn_close_up)] = true;
    return true;
}

void ManualState::cancel_presses() {
    for (const ManualButton button : kButtons) {
        if (visible(pressed_image(button))) visible_[index(released_image(button))] = true;
    }
}

void ManualState::show_pair(ManualButton button, bool shown) {
    visible_[index(pressed_image(button))] = shown;
    visible_[index(released_image(button))] = shown;
}

void ManualState::turn(int step) {
    const int page = manual_page_ + step;
    if (page < 1 || page > kManualPageCount) return;
    manual_page_ = page;
    Vid_Show_Page();
}

}  // namespace gorvo::ui

#include "ui/image_roles.h"

namespace gorvo::ui {

ImageId image_at(const Images& images, int x, int y) {
    for (int i = kImageCount - 1; i >= 0; --i) {
        const auto id = static_cast<ImageId>(i);
        const ImageState& s = images[id];
        if (s.visible && s.rect.contains(x, y)) return id;
    }
    return kNoImage;
}

std::optional<Control> button_control(ImageId id) {
    switch (id) {
        case btn_game_a_top:
            return Control::GameA;
        case btn_game_b_top:
            return Control::GameB;
        case btn_time_top:
            return Control::Time;
        case btn_acl_top:
            return Control::Acl;
        case btn_jump_top:
            return Control::Jump;
        case btn_ctrlr_overlay_up:
            return Control::Up;
        case btn_ctrlr_overlay_left:
            return Control::Left;
        case btn_ctrlr_overlay_right:
            return Control::Right;
        case btn_ctrlr_overlay_down:
            return Control::Down;
        default:
            return std::nullopt;
    }
}

bool is_drag_surface(ImageId id) {
    switch (id) {
        case im_background_open:
        case im_background_closed:
        case im_background_screen_1_top:
        case im_background_screen_2_top:
        case btn_alarm_top:
        case btn_cross_top:
            return true;
        default:
            return false;
    }
}

}  // namespace gorvo::ui

#include "core/images.h"

#include <string>
#include <unordered_map>

namespace gorvo {

namespace {

std::string two_digits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

}  // namespace

ImageId image_by_name(std::string_view name) {
    // Built once: every handheld fills its tables by name, and tests build many handhelds.
    static const std::unordered_map<std::string_view, ImageId> by_name = [] {
        std::unordered_map<std::string_view, ImageId> m;
        for (int i = 0; i < kImageCount; ++i)
            m.emplace(kImageDefs[i].name, static_cast<ImageId>(i));
        return m;
    }();
    const auto it = by_name.find(name);
    return it == by_name.end() ? kNoImage : it->second;
}

Images::Images() {
    for (int i = 0; i < kImageCount; ++i) {
        state_[i].rect = kImageDefs[i].design;
        state_[i].visible = kImageDefs[i].initially_visible;
    }
    digit_pos_.fill(kNoImage);
    panel_alarm_.fill(kNoImage);
    panel_life_.fill(kNoImage);
    tobo_images_.fill(kNoImage);
    enemy_images_.fill(kNoImage);
    gorvo_images_.fill(kNoImage);
    chain_images_.fill(kNoImage);
    key_images_.fill(kNoImage);
    key_zero_images_.fill(kNoImage);

    for (int i = 1; i <= 4; ++i) {
        digit_pos_[i] = image_by_name("im_panel_digit_pos_" + std::to_string(i));
        panel_alarm_[i] = image_by_name("im_panel_alarm_" + std::to_string(i));
    }
    for (int d = 0; d <= 9; ++d)
        panel_number_[d] = image_by_name("im_panel_number_" + std::to_string(d));
    for (int i = 1; i <= 2; ++i)
        panel_life_[i] = image_by_name("im_panel_life_" + std::to_string(i));
    for (int i = 1; i <= 3; ++i)
        gorvo_images_[i] = image_by_name("im_gorvo_" + std::to_string(i));
    for (int i = 2; i <= 5; ++i) {
        chain_images_[i] = image_by_name("im_chain_" + two_digits(i));
        key_images_[i] = image_by_name("im_key_" + two_digits(i));
    }
    const char* zero_suffix[] = {"", "a", "b", "c", "d"};
    for (int i = 1; i <= 4; ++i)
        key_zero_images_[i] = image_by_name(std::string("im_key_00_") + zero_suffix[i]);

    for (int col = 1; col <= 5; ++col) {
        for (int row = 1; row <= 9; ++row) {
            tobo_images_[(col - 1) * 9 + (row - 1)] =
                image_by_name("im_tobo_" + two_digits(col) + "_" + two_digits(row));
        }
    }
    for (int col = 0; col <= 7; ++col) {
        for (int row = 1; row <= 8; ++row) {
            const std::string cell = two_digits(col) + "_" + two_digits(row);
            ImageId id = image_by_name("im_crow_" + cell);
            if (id == kNoImage) id = image_by_name("im_nokker_" + cell);
            if (id == kNoImage) id = image_by_name("im_spark_" + cell);
            enemy_images_[col * 8 + (row - 1)] = id;
        }
    }
}

ImageId Images::tobo_image(int col, int row) const {
    if (col < 1 || col > 5 || row < 1 || row > 9) return kNoImage;
    return tobo_images_[(col - 1) * 9 + (row - 1)];
}

ImageId Images::enemy_image(int col, int row) const {
    if (col < 0 || col > 7 || row < 1 || row > 8) return kNoImage;
    return enemy_images_[col * 8 + (row - 1)];
}

void Images::mark(ImageId id) {
    if (dirty_[id]) return;
    dirty_[id] = true;
    changes_.push_back({id, state_[id].rect, state_[id].visible});
}

void Images::set_visible(ImageId id, bool visible) {
    if (id == kNoImage || state_[id].visible == visible) return;
    mark(id);
    state_[id].visible = visible;
}

void Images::set_picture_from(ImageId id, ImageId source) {
    if (id == kNoImage) return;
    PicturePtr picture = source == kNoImage ? nullptr : state_[source].picture;
    if (state_[id].picture_source == source && state_[id].picture == picture) return;
    mark(id);
    state_[id].picture = std::move(picture);
    state_[id].picture_source = source;
}

void Images::set_rect(ImageId id, Rect rect) {
    if (id == kNoImage || state_[id].rect == rect) return;
    mark(id);
    state_[id].rect = rect;
}

void Images::set_own_picture(ImageId id, PicturePtr picture) {
    if (id == kNoImage) return;
    mark(id);
    state_[id].picture = std::move(picture);
    state_[id].picture_source = id;
}

std::vector<ImageChange> Images::take_changes() {
    for (const ImageChange& c : changes_)
        dirty_[c.id] = false;
    std::vector<ImageChange> out;
    out.swap(changes_);
    return out;
}

void Images::Vid_Show_All(bool visible) {
    for (int i = 1; i <= 4; ++i)
        set_visible(digit_pos_[i], true);
    const int reading[] = {0, 1, 2, 0, 0};  // 12:00
    for (int i = 1; i <= 4; ++i) {
        set_picture_from(digit_pos_[i], visible ? panel_number_[reading[i]] : kNoImage);
    }
    set_visible(im_panel_game_a, visible);
    set_visible(im_panel_game_b, visible);
    set_visible(im_panel_time_am, visible);
    set_visible(im_panel_time_colon, visible);
    set_visible(im_panel_time_pm, false);
    Vid_Show_Panel_Lives(visible ? 2 : 0);
    Vid_Show_All_Panel_Alarm(visible);
    Vid_Show_All_Gorvo(visible);
    Vid_Show_All_Tobo(visible);
    Vid_Show_All_Enemies(visible);
    Vid_Show_All_Key_Zero(visible);
    Vid_Show_All_Keys(visible);
    Vid_Show_All_Chains(visible);
}

void Images::Vid_Show_All_Panel_Alarm(bool visible) {
    for (int i = 1; i <= 4; ++i)
        set_visible(panel_alarm_[i], visible);
}

void Images::Vid_Show_All_Gorvo(bool visible) {
    for (int i = 1; i <= 3; ++i)
        set_visible(gorvo_images_[i], visible);
}

void Images::Vid_Show_All_Tobo(bool visible) {
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 5; ++col)
            set_visible(tobo_image(col, row), visible);
    }
    set_visible(im_tobo_01_03_a, visible);
    set_visible(im_tobo_01_03_b, visible);
}

void Images::Vid_Show_All_Enemies(bool visible) {
    for (int row = 1; row <= 8; ++row) {
        for (int col = 0; col <= 7; ++col)
            set_visible(enemy_image(col, row), visible);
    }
}

void Images::Vid_Show_All_Key_Zero(bool visible) {
    for (int i = 1; i <= 4; ++i)
        set_visible(key_zero_images_[i], visible);
}

void Images::Vid_Show_All_Keys(bool visible) {
    for (int i = 2; i <= 5; ++i)
        set_visible(key_images_[i], visible);
}

void Images::Vid_Show_All_Chains(bool visible) {
    for (int i = 2; i <= 5; ++i)
        set_visible(chain_images_[i], visible);
}

void Images::Vid_Show_Tobo(int col, int row, bool visible) {
    set_visible(tobo_image(col, row), visible);
}

void Images::Vid_Show_Panel_Lives(int count) {
    for (int i = 1; i <= 2; ++i)
        set_visible(panel_life_[i], i <= count);
}

void Images::Vid_Show_Panel_Score(int value, bool visible) {
    int v = value < 0 ? 0 : value;  // the game never passes a negative value
    while (v >= 1000)
        v -= 1000;
    set_picture_from(digit_pos_[1], kNoImage);
    if (visible) {
        set_picture_from(digit_pos_[2], v > 99 ? panel_number_[v / 100] : kNoImage);
        set_picture_from(digit_pos_[3], v > 9 ? panel_number_[(v / 10) % 10] : kNoImage);
        set_picture_from(digit_pos_[4], panel_number_[v % 10]);
    } else {
        for (int i = 2; i <= 4; ++i)
            set_picture_from(digit_pos_[i], kNoImage);
    }
}

}  // namespace gorvo

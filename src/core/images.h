// The picture elements of the main window: design data, run-time state, lookup tables and the
// group operations through which the game switches segments.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/image_ids.h"
#include "core/picture.h"

namespace gorvo {

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool contains(int x, int y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
    bool operator==(const Rect&) const = default;
};

enum class Cursor { Arrow, Hand, Help };

struct ImageDef {
    std::string_view name;
    Rect design;
    bool transparent;
    Cursor cursor;
    bool initially_visible;
};

constexpr int kSkinImageCount = 147;
extern const std::array<ImageDef, kImageCount> kImageDefs;
// The [Image1]..[Image147] order of the skin file; kSkinImages[0] is [Image1].
extern const std::array<ImageId, kSkinImageCount> kSkinImages;

constexpr ImageId kNoImage = kImageCount;

// Looks an image up by name; kNoImage when there is none.
ImageId image_by_name(std::string_view name);

struct ImageState {
    Rect rect;
    bool visible = false;
    PicturePtr picture;                 // may be empty: draws nothing
    ImageId picture_source = kNoImage;  // whose picture it shows (itself after a skin load)
};

// One recorded change, so that a view can repaint exactly what changed.
struct ImageChange {
    ImageId id;
    Rect old_rect;
    bool old_visible;
};

class Images {
  public:
    Images();

    const ImageState& operator[](ImageId id) const { return state_[id]; }
    bool visible(ImageId id) const { return state_[id].visible; }

    // The two primitives of the segment layer.
    void set_visible(ImageId id, bool visible);
    // Shows a copy of another image's current picture, or nothing for kNoImage.
    void set_picture_from(ImageId id, ImageId source);

    // Used by the skin loader and the window (not by the game logic).
    void set_rect(ImageId id, Rect rect);
    void set_own_picture(ImageId id, PicturePtr picture);

    // Changes since the last call, at most one entry per image, in the order first changed.
    std::vector<ImageChange> take_changes();

    // Lookup tables, with the index ranges of the game's documentation; kNoImage where a
    // grid cell has no segment.
    ImageId digit_pos(int i) const { return digit_pos_[i]; }             // 1..4
    ImageId panel_number(int d) const { return panel_number_[d]; }       // 0..9
    ImageId panel_alarm(int i) const { return panel_alarm_[i]; }         // 1..4
    ImageId panel_life(int i) const { return panel_life_[i]; }           // 1..2
    ImageId tobo_image(int col, int row) const;                          // 1..5, 1..9
    ImageId enemy_image(int col, int row) const;                         // 0..7, 1..8
    ImageId gorvo_image(int i) const { return gorvo_images_[i]; }        // 1..3
    ImageId chain_image(int i) const { return chain_images_[i]; }        // 2..5
    ImageId key_image(int i) const { return key_images_[i]; }            // 2..5
    ImageId key_zero_image(int i) const { return key_zero_images_[i]; }  // 1..4

    // Group operations.
    void Vid_Show_All(bool visible);
    void Vid_Show_All_Panel_Alarm(bool visible);
    void Vid_Show_All_Gorvo(bool visible);
    void Vid_Show_All_Tobo(bool visible);
    void Vid_Show_All_Enemies(bool visible);
    void Vid_Show_All_Key_Zero(bool visible);
    void Vid_Show_All_Keys(bool visible);
    void Vid_Show_All_Chains(bool visible);
    void Vid_Show_Tobo(int col, int row, bool visible);
    void Vid_Show_Panel_Lives(int count);
    void Vid_Show_Panel_Score(int value, bool visible);

  private:
    void mark(ImageId id);

    std::array<ImageState, kImageCount> state_{};
    std::array<bool, kImageCount> dirty_{};
    std::vector<ImageChange> changes_;

    std::array<ImageId, 5> digit_pos_{};
    std::array<ImageId, 10> panel_number_{};
    std::array<ImageId, 5> panel_alarm_{};
    std::array<ImageId, 3> panel_life_{};
    std::array<ImageId, 45> tobo_images_{};   // (col - 1) * 9 + (row - 1)
    std::array<ImageId, 64> enemy_images_{};  // col * 8 + (row - 1)
    std::array<ImageId, 4> gorvo_images_{};
    std::array<ImageId, 6> chain_images_{};
    std::array<ImageId, 6> key_images_{};
    std::array<ImageId, 5> key_zero_images_{};
};

}  // namespace gorvo

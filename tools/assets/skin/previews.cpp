#include "previews.h"

#include <QDir>
#include <QPainter>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "composer.h"

namespace gorvo::assets {

namespace {

// A neutral desk colour behind the unit, so that its outline can be judged.
const QColor kDesk(0x5a, 0x62, 0x6e);

struct Cell {
    int col;
    int row;
};

void open_case(Images& images, bool overlays) {
    images.set_visible(im_background_closed, false);
    images.set_visible(im_background_open, true);
    images.set_visible(im_background_screen_1_top, true);
    images.set_visible(im_background_screen_2_top, true);
    for (ImageId id :
         {btn_game_a_top, btn_game_b_top, btn_time_top, btn_acl_top, btn_alarm_top, btn_jump_top}) {
        images.set_visible(id, true);
    }
    images.set_visible(btn_cross_top, !overlays);
    for (ImageId id : {btn_ctrlr_overlay_up, btn_ctrlr_overlay_left, btn_ctrlr_overlay_right,
                       btn_ctrlr_overlay_down}) {
        images.set_visible(id, overlays);
    }
}

// A blank LCD with the game's panel: label, lives, alarm mark and score.
void start_play(Images& images, ImageId label, int lives, int score) {
    images.Vid_Show_All(false);
    images.set_visible(label, true);
    images.Vid_Show_Panel_Lives(lives);
    images.set_visible(im_panel_alarm_1, true);
    images.Vid_Show_Panel_Score(score, true);
    images.set_visible(im_gorvo_1, true);
}

void show_enemies(Images& images, std::initializer_list<Cell> cells) {
    for (const Cell& c : cells)
        images.set_visible(images.enemy_image(c.col, c.row), true);
}

void press_cross(Images& images, ImageId direction) {
    images.set_visible(btn_cross_down, true);
    images.set_picture_from(btn_cross_down, direction);
}

void scene_all_segments(Images& images) {
    open_case(images, true);
    images.Vid_Show_All(true);
}

void scene_sparks(Images& images) {
    open_case(images, true);
    start_play(images, im_panel_game_a, 2, 123);
    images.Vid_Show_All_Chains(true);
    images.set_visible(im_key_00_a, true);
    images.Vid_Show_Tobo(3, 6, true);
    show_enemies(images, {{2, 1},
                          {5, 1},
                          {4, 2},
                          {3, 3},
                          {2, 4},
                          {6, 4},
                          {2, 5},
                          {5, 5},
                          {0, 6},
                          {3, 6},
                          {5, 6},
                          {1, 8},
                          {4, 8},
                          {7, 8}});
}

void scene_lock(Images& images) {
    open_case(images, true);
    start_play(images, im_panel_game_b, 1, 287);
    images.set_visible(im_chain_04, true);
    images.set_visible(im_chain_05, true);
    images.set_visible(im_key_04, true);
    images.Vid_Show_Tobo(4, 1, true);
    show_enemies(images, {{1, 1}, {5, 2}, {4, 3}, {7, 4}, {3, 4}, {1, 5}, {4, 6}, {2, 8}, {6, 8}});
    press_cross(images, btn_cross_down_up);
}

void scene_key_jump(Images& images) {
    open_case(images, false);
    start_play(images, im_panel_game_a, 2, 64);
    images.Vid_Show_All_Chains(true);
    images.set_visible(im_chain_03, false);
    images.set_visible(im_key_00_c, true);
    images.Vid_Show_Tobo(1, 3, true);
    images.set_visible(im_tobo_01_03_a, true);
    images.set_visible(btn_jump_down, true);
    show_enemies(images, {{3, 1}, {6, 2}, {2, 3}, {5, 4}, {3, 5}, {1, 6}, {6, 6}, {3, 8}});
}

void scene_release(Images& images) {
    open_case(images, true);
    start_play(images, im_panel_game_b, 2, 945);
    images.set_visible(im_gorvo_1, false);
    images.set_visible(im_gorvo_2, true);
    images.Vid_Show_Tobo(5, 4, true);
    show_enemies(images, {{4, 5}, {2, 6}, {5, 8}});
}

void scene_clock(Images& images) {
    open_case(images, true);
    images.Vid_Show_All(false);
    const int digits[] = {-1, 1, 0, 4, 2};  // 10:42
    for (int i = 1; i <= 4; ++i)
        images.set_picture_from(images.digit_pos(i), images.panel_number(digits[i]));
    images.set_visible(im_panel_time_colon, true);
    images.set_visible(im_panel_time_pm, true);
    images.set_visible(btn_time_down, true);
}

void scene_pressed(Images& images) {
    open_case(images, false);
    images.Vid_Show_All(true);
    for (ImageId id :
         {btn_game_a_down, btn_game_b_down, btn_time_down, btn_acl_down, btn_jump_down}) {
        images.set_visible(id, true);
    }
    press_cross(images, btn_cross_down_right);
}

using Scene = std::function<void(Images&)>;

QImage compose_scene(const PictureSet& pictures, const Scene& scene) {
    Images images;
    attach_own_pictures(images, pictures);
    if (scene) scene(images);
    return compose(images, pictures, kDesk);
}

// The cross pad at rest and pressed in each direction, side by side.
QImage cross_pad_sheet(const PictureSet& pictures) {
    const QRect pad(0, 550, 170, 175);
    const ImageId looks[] = {kNoImage, btn_cross_down_up, btn_cross_down_down, btn_cross_down_left,
                             btn_cross_down_right};
    QImage sheet(pad.width() * 5, pad.height(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&sheet);
    for (int i = 0; i < 5; ++i) {
        const QImage frame = compose_scene(pictures, [&](Images& images) {
            open_case(images, i == 0);
            if (looks[i] != kNoImage) press_cross(images, looks[i]);
        });
        painter.drawImage(i * pad.width(), 0, frame, pad.x(), pad.y(), pad.width(), pad.height());
    }
    painter.end();
    return sheet;
}

QImage fullscreen_sheet(const PictureSet& pictures, const FullscreenLook& look) {
    QImage screen(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    screen.fill(look.background);
    QPainter painter(&screen);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!look.backdrop.isNull()) painter.drawImage(screen.rect(), look.backdrop);
    if (!look.logo.isNull()) painter.drawImage(screen.width() - look.logo.width(), 0, look.logo);
    Images images;
    attach_own_pictures(images, pictures);
    const QImage game = compose(images, pictures, Qt::transparent);
    painter.drawImage((1920 - 605) / 2, (1080 - 748) / 2, game);
    painter.end();
    return screen;
}

}  // namespace

QString write_previews(const PictureSet& pictures, const FullscreenLook& fullscreen,
                       const QString& dir) {
    if (!QDir().mkpath(dir)) return QString("cannot create %1").arg(dir);
    const std::vector<std::pair<QString, Scene>> scenes = {
        {"1-closed", nullptr},
        {"2-open-all-segments", scene_all_segments},
        {"3-game-tobo-3-6-sparks", scene_sparks},
        {"4-game-key-in-lock-4", scene_lock},
        {"5-game-jump-to-upper-key", scene_key_jump},
        {"6-game-gorvo-freed", scene_release},
        {"7-clock", scene_clock},
        {"8-buttons-pressed", scene_pressed},
    };
    std::vector<std::pair<QString, QImage>> sheets;
    for (const auto& [name, scene] : scenes)
        sheets.emplace_back(name, compose_scene(pictures, scene));
    sheets.emplace_back("9-cross-pad-directions", cross_pad_sheet(pictures));
    sheets.emplace_back("10-fullscreen", fullscreen_sheet(pictures, fullscreen));
    for (const auto& [name, image] : sheets) {
        const QString path = QDir(dir).filePath(name + ".png");
        if (!image.save(path, "PNG")) return QString("cannot write %1").arg(path);
    }
    return {};
}

}  // namespace gorvo::assets

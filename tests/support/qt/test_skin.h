// A small skin written by the tests: Config.ini with every image at its design rectangle and a
// plain-coloured PNG for each, in a folder of its own. On request every picture also gets a
// double-size companion: a chess board of the picture's colour and its inverse, so that whatever
// is drawn from a companion is told apart from the picture scaled up.
#pragma once

#include <QColor>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <set>

#include "core/image_ids.h"

namespace gorvo::test {

struct TestSkinOptions {
    // Images that get no file name: a visible one is an invisible click area.
    std::set<ImageId> without_picture;
    QString fullscreen_keys;  // extra lines of [Fullscreen]
    bool companions = false;  // an @2x picture beside every picture
};

class TestSkin {
  public:
    explicit TestSkin(const TestSkinOptions& options = {});

    std::filesystem::path config() const;
    // The colour the skin paints the image with (opaque).
    static QColor colour_of(ImageId id);
    // The companion's other colour.
    static QColor second_colour_of(ImageId id);
    // The see-through colour of the windowed presentation, which also fills the case's margins.
    static QColor see_through() { return QColor(255, 0, 255); }
    // The fullscreen background colour.
    static QColor fullscreen_background() { return QColor(0, 0, 64); }
    // Left and right margins of the closed and open case, in window pixels.
    static constexpr int kCaseMargin = 10;

  private:
    QTemporaryDir dir_;
};

}  // namespace gorvo::test

// A small skin written by the tests: Config.ini with every image at its design rectangle and a
// plain-coloured PNG for each, in a folder of its own.
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
};

class TestSkin {
  public:
    explicit TestSkin(const TestSkinOptions& options = {});

    std::filesystem::path config() const;
    // The colour the skin paints the image with (opaque).
    static QColor colour_of(ImageId id);
    // The see-through colour of the windowed presentation: magenta.
    static QColor see_through() { return QColor(255, 0, 255); }
    // The fullscreen background colour.
    static QColor fullscreen_background() { return QColor(0, 0, 64); }

  private:
    QTemporaryDir dir_;
};

}  // namespace gorvo::test

// A skin written by the tests with a double-size companion for every picture: each picture is
// one colour, its companion a chess board of that colour and its inverse, so that whatever is
// drawn from a companion is told apart from the picture scaled up.
#pragma once

#include <QColor>
#include <QTemporaryDir>
#include <filesystem>

#include "core/image_ids.h"

namespace gorvo::test {

class HidpiSkin {
  public:
    HidpiSkin();

    std::filesystem::path config() const;
    static QColor colour_of(ImageId id);
    // The companion's other colour.
    static QColor second_colour_of(ImageId id);
    // The see-through colour of the windowed presentation, which also fills the case's margins.
    static QColor see_through() { return QColor(255, 0, 255); }
    // Left and right margins of the closed and open case, in window pixels.
    static constexpr int kCaseMargin = 10;

  private:
    QTemporaryDir dir_;
};

}  // namespace gorvo::test

// The shipped skin as the tests see it: the generated Config.ini of the program folder and the
// pictures it names, decoded with Qt.
#pragma once

#include <QImage>
#include <QRect>
#include <string>

#include "core/images.h"
#include "skin/profile.h"

namespace gorvo::test {

std::string program_dir();

// Config.ini of the program folder; fails the calling test when it cannot be read.
const skin::Profile& shipped_config();

// A folder value of Config.ini (backslashes or slashes, relative to the program folder).
std::string folder_path(const std::string& value);

// The [ImageN] section of a skin image, or 0 when it has none.
int section_of(ImageId id);

// The picture that Config.ini names for a skin image, decoded; null when it names none.
QImage skin_picture(ImageId id);

// Its companion drawn at `scale` times the size (NAME@2x.png beside NAME.png); null when none.
QImage skin_picture_at(ImageId id, int scale);

// A design rectangle as a QRect.
QRect design_rect(ImageId id);

// The rectangle a picture is drawn in: its own, except for the cross pad's pressed looks,
// which the game draws in btn_cross_down.
QRect drawn_rect(ImageId id);

// The LCD segments among the skin images: everything on the screens and the panel.
bool is_segment(ImageId id);

std::string name_of(ImageId id);

}  // namespace gorvo::test

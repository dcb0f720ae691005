// The pictures of the start-up window: its background, the box picture and the three buttons.
// The window draws its own labels on top, so the background keeps calm areas where they sit.
#pragma once

#include <QImage>
#include <QString>

namespace gorvo::media {

QImage splash_background();  // 460 × 420, opaque
QImage splash_box();         // 460 × 160, opaque (shipped as JPEG)

enum class ButtonLook { Play, PlayDisabled, Help };
QImage splash_button(ButtonLook look);  // 107 × 30, rounded corners transparent

QImage about_picture();  // 116 × 160, the handheld on a transparent ground

}  // namespace gorvo::media

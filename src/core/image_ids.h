// The ids of the main window's images, in stacking order (first = bottom); the list itself,
// with each image's design data, is image_list.h.
#pragma once

namespace gorvo {

enum ImageId : int {
#define GORVO_IMAGE(id, left, top, width, height, transparent, cursor, visible) id,
#include "core/image_list.h"
#undef GORVO_IMAGE
    kImageCount
};

}  // namespace gorvo

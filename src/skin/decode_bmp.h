// BMP pictures by our own reader: 1, 2, 4, 8, 16, 24 and 32 bits per pixel, bottom-up and
// top-down, RLE4 and RLE8, bit-field masks, every header version from OS/2 1.x to V5.
#pragma once

#include "skin/decode_bytes.h"
#include "skin/pictures.h"

namespace gorvo::skin {

// A .bmp file. On failure the error is the reason only; the caller names the file.
DecodeResult decode_bmp(Bytes bytes);

// The bitmap of an icon entry: a header without file header, twice the picture's height,
// the colour bitmap followed by a 1-bit transparency mask.
DecodeResult decode_icon_bitmap(Bytes bytes);

}  // namespace gorvo::skin

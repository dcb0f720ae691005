// PNG pictures through libpng: every bit depth and colour type, palette and tRNS transparency,
// 16-bit samples (high byte kept), interlacing. Samples are taken as stored: no gamma, no
// significant-bits rescaling, no background compositing.
#pragma once

#include "skin/decode_bytes.h"
#include "skin/pictures.h"

namespace gorvo::skin {

// On failure the error is the reason only ("not a PNG file"); the caller names the file.
DecodeResult decode_png(Bytes bytes);

}  // namespace gorvo::skin

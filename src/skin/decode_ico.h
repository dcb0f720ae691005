// ICO pictures by our own reader: the largest entry of the icon, stored as a bitmap (with its
// transparency mask or alpha) or as an embedded PNG.
#pragma once

#include "skin/decode_bytes.h"
#include "skin/pictures.h"

namespace gorvo::skin {

// On failure the error is the reason only; the caller names the file.
DecodeResult decode_ico(Bytes bytes);

}  // namespace gorvo::skin

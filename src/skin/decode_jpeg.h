// JPEG pictures through libjpeg: baseline, progressive, greyscale; CMYK and YCCK converted to
// RGB. Every libjpeg warning is fatal except a missing end marker after complete image data,
// so a damaged file is refused rather than shown with a grey-filled tail.
#pragma once

#include "skin/decode_bytes.h"
#include "skin/pictures.h"

namespace gorvo::skin {

// On failure the error is the reason only; the caller names the file.
DecodeResult decode_jpeg(Bytes bytes);

}  // namespace gorvo::skin

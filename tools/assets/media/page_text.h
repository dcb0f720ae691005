// The text column of a manual page: the blocks laid out as rich text in the leaflet's style.
#pragma once

#include <QTextDocument>
#include <memory>
#include <vector>

#include "manual_text.h"

namespace gorvo::media {

// A document ready to paint at `width` pixels; its height tells whether it fits.
std::unique_ptr<QTextDocument> layout_text(const std::vector<Block>& blocks, double width,
                                           int body_px);

}  // namespace gorvo::media

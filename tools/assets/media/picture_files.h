// Saving the painted pictures in the formats the game reads, with a message on failure.
#pragma once

#include <QImage>
#include <QString>

namespace gorvo::media {

// Creates the folder if needed; the format follows the extension (png, jpg, bmp). A BMP is
// written with 24 bits per pixel, the form the manual viewer expects. Returns an empty string
// or a message naming the file.
QString save_picture(const QImage& image, const QString& path);

}  // namespace gorvo::media

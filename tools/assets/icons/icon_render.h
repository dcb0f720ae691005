// The application icon, drawn once as SVG and rendered at the sizes desktops look for.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace gorvo::icons {

struct IconRender {
    QImage image;   // size x size pixels, transparent where the icon does not paint
    QString error;  // empty on success
};

// Parses "16,24,32" into sizes of 1..1024 pixels, each once; empty on any bad entry.
std::vector<int> parse_sizes(const QString& text);

// Renders the SVG document `svg` (a file name) into a square image of `size` pixels. The
// drawing must be square: a wide or tall one would be squeezed out of shape.
IconRender render_icon(const QString& svg, int size);

// Writes `image` as PNG to `folder`/NxN/apps/`name`.png, making the folders. Returns an
// empty string or a message naming the file.
QString write_icon(const QImage& image, const QString& folder, const QString& name);

}  // namespace gorvo::icons

// gorvo250-icons: renders the application icon into the hicolor theme's PNG sizes.
//
//   gorvo250-icons SVG OUT-DIR SIZES
//
// Writes OUT-DIR/NxN/apps/NAME.png for each size in the comma-separated SIZES, NAME being the
// SVG file's base name.
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "icon_render.h"

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "gorvo250-icons: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) return fail("usage: gorvo250-icons SVG OUT-DIR SIZES");
    const QString& svg = args[1];
    const QString& out_dir = args[2];
    const std::vector<int> sizes = gorvo::icons::parse_sizes(args[3]);
    if (sizes.empty()) return fail(args[3] + ": not a list of sizes such as 16,32,48");

    const QString name = QFileInfo(svg).completeBaseName();
    for (int size : sizes) {
        const gorvo::icons::IconRender icon = gorvo::icons::render_icon(svg, size);
        if (!icon.error.isEmpty()) return fail(icon.error);
        const QString error = gorvo::icons::write_icon(icon.image, out_dir, name);
        if (!error.isEmpty()) return fail(error);
    }
    return 0;
}

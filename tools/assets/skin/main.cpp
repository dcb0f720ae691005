// gorvo250-skin-assets: renders the shipped skin from its SVG sources.
//
//   gorvo250-skin-assets --svg-dir DIR --program-dir DIR [--previews DIR] [--scales 1,2]
//
// Writes Graphics/Skin/NAME.png (and NAME@2x.png ... for further scales), Graphics/Backdrops/,
// and Config.ini into the program folder, and the preview sheets into the previews folder.
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <vector>

#include "backdrop.h"
#include "config_ini.h"
#include "previews.h"
#include "skin_pictures.h"
#include "svg_library.h"

namespace {

using namespace gorvo::assets;

struct Options {
    QString svg_dir;
    QString program_dir;
    QString previews_dir;
    std::vector<int> scales{1};
};

bool parse_scales(const QString& text, std::vector<int>& scales) {
    scales.clear();
    for (const QString& part : text.split(',')) {
        bool ok = false;
        const int scale = part.toInt(&ok);
        if (!ok || scale < 1 || scale > 4) return false;
        scales.push_back(scale);
    }
    return !scales.empty() && scales.front() == 1;
}

bool parse_options(const QStringList& args, Options& options) {
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString& key = args[i];
        const QString& value = args[i + 1];
        if (key == "--svg-dir") {
            options.svg_dir = value;
        } else if (key == "--program-dir") {
            options.program_dir = value;
        } else if (key == "--previews") {
            options.previews_dir = value;
        } else if (key == "--scales") {
            if (!parse_scales(value, options.scales)) return false;
        } else {
            return false;
        }
    }
    return args.size() % 2 == 1 && !options.svg_dir.isEmpty() && !options.program_dir.isEmpty();
}

int fail(const QString& message) {
    std::fprintf(stderr, "gorvo250-skin-assets: %s\n", qPrintable(message));
    return 1;
}

int run(const Options& options) {
    SvgLibrary svg;
    if (QString error = svg.load_folder(options.svg_dir); !error.isEmpty()) return fail(error);
    const QDir program(options.program_dir);

    PictureSet at_1x;
    for (int scale : options.scales) {
        PictureResult result = render_skin_pictures(svg, scale);
        if (!result.error.isEmpty()) return fail(result.error);
        const QString error =
            write_skin_pictures(result.pictures, program.filePath("Graphics/Skin"), scale);
        if (!error.isEmpty()) return fail(error);
        if (scale == 1) at_1x = std::move(result.pictures);
    }

    const BackdropSet backdrop = render_backdrop_set(svg);
    if (!backdrop.error.isEmpty()) return fail(backdrop.error);
    if (QString error = write_backdrop_set(backdrop, program.filePath("Graphics/Backdrops"));
        !error.isEmpty()) {
        return fail(error);
    }

    ConfigChoices choices;
    choices.backdrop_file = "Backdrop.jpg";
    choices.logo_file = "Logo.png";
    choices.backdrop_stretch = true;
    choices.background_bgr = to_bgr(backdrop.edge);
    if (QString error = write_config_ini(program.filePath("Config.ini"), choices);
        !error.isEmpty()) {
        return fail(error);
    }

    if (!options.previews_dir.isEmpty()) {
        const FullscreenLook look{backdrop.backdrop, backdrop.logo, backdrop.edge};
        if (QString error = write_previews(at_1x, look, options.previews_dir); !error.isEmpty())
            return fail(error);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Text in the art needs a font database, which needs a platform; none has to be on screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options options;
    if (!parse_options(QGuiApplication::arguments(), options)) {
        return fail(
            "usage: gorvo250-skin-assets --svg-dir DIR --program-dir DIR [--previews DIR] "
            "[--scales 1,2]");
    }
    return run(options);
}

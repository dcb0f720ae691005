// Build step: paints the start-up window's pictures and the About picture.
// Usage: gorvo-make-pictures splash <program folder>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <utility>
#include <vector>

#include "art_style.h"
#include "picture_files.h"
#include "splash_art.h"

namespace {

using gorvo::media::ButtonLook;

int fail(const QString& what) {
    QTextStream(stderr) << "gorvo-make-pictures: " << what << "\n";
    return 1;
}

int make_splash(const QString& folder) {
    const std::vector<std::pair<QString, QImage>> pictures = {
        {"Graphics/Splash/background.png", gorvo::media::splash_background()},
        {"Graphics/Splash/box.jpg", gorvo::media::splash_box()},
        {"Graphics/Splash/play.png", gorvo::media::splash_button(ButtonLook::Play)},
        {"Graphics/Splash/play_disabled.png",
         gorvo::media::splash_button(ButtonLook::PlayDisabled)},
        {"Graphics/Splash/link.png", gorvo::media::splash_button(ButtonLook::Help)},
        {"Graphics/About/picture.png", gorvo::media::about_picture()},
    };
    for (const auto& [name, image] : pictures)
        if (auto e = gorvo::media::save_picture(image, folder + "/" + name); !e.isEmpty())
            return fail(e);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Painting text needs the font database, which needs an application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (const QString e = gorvo::media::check_fonts(); !e.isEmpty()) return fail(e);
    if (args.size() == 3 && args[1] == QLatin1String("splash")) return make_splash(args[2]);
    return fail("usage: gorvo-make-pictures splash <program folder>");
}

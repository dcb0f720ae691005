// Build step: paints the start-up window's pictures, the About picture and the manual pages.
// Usage: gorvo-make-pictures splash <program folder>
//        gorvo-make-pictures manual <manual.txt> <skin drawings folder> <program folder>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <utility>
#include <vector>

#include "art_style.h"
#include "manual_pages.h"
#include "manual_text.h"
#include "picture_files.h"
#include "skin_art.h"
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

// The manual window shows exactly this many pages.
constexpr int kManualPages = 16;

int make_manual(const QString& text_path, const QString& drawings, const QString& folder) {
    QFile file(text_path);
    if (!file.open(QIODevice::ReadOnly)) return fail("cannot read " + text_path);
    const auto manual = gorvo::media::parse_manual(file.readAll().toStdString());
    if (!manual.ok()) return fail(text_path + ": " + QString::fromStdString(manual.error));
    if (manual.pages.size() != kManualPages)
        return fail(QStringLiteral("%1: %2 pages, the manual needs %3")
                        .arg(text_path)
                        .arg(manual.pages.size())
                        .arg(kManualPages));
    gorvo::media::SkinArt art;
    if (const QString e = art.load_folder(drawings); !e.isEmpty()) return fail(e);
    // Every page is painted before anything is written, so that one run lists every page
    // that needs fixing and a failed run leaves no half-made manual behind.
    std::vector<QImage> images;
    QStringList errors;
    for (int n = 1; n <= kManualPages; ++n) {
        auto page = gorvo::media::paint_manual_page(manual.pages[static_cast<size_t>(n - 1)], n,
                                                    kManualPages, art);
        if (!page.error.isEmpty()) errors << text_path + ": " + page.error;
        images.push_back(std::move(page.image));
    }
    if (!errors.isEmpty()) return fail(errors.join("\n"));
    for (int n = 1; n <= kManualPages; ++n) {
        const QString path = QStringLiteral("%1/Graphics/Manual/%2.bmp").arg(folder).arg(n);
        if (const QString e = gorvo::media::save_picture(images[static_cast<size_t>(n - 1)], path);
            !e.isEmpty())
            return fail(e);
    }
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
    if (args.size() == 5 && args[1] == QLatin1String("manual"))
        return make_manual(args[2], args[3], args[4]);
    return fail(
        "usage: gorvo-make-pictures splash <program folder>\n"
        "       gorvo-make-pictures manual <manual.txt> <skin drawings folder> <program folder>");
}

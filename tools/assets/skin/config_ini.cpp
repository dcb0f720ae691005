#include "config_ini.h"

#include <QFile>
#include <QTextStream>

#include "core/images.h"
#include "skin_pictures.h"

namespace gorvo::assets {

namespace {

QString colour_value(unsigned bgr) {
    return QString("$%1").arg(bgr, 8, 16, QChar('0'));
}

QString file_or_nil(const QString& name) {
    return name.isEmpty() ? QString("nil") : name;
}

void write_header(QTextStream& out, const ConfigChoices& c) {
    out << "; Gorvo250 - layout of the handheld: folders, window, presentations and pictures.\n"
        << "; Colours are $00BBGGRR. Each [ImageN] places one picture of the skin folder.\n"
        << "\n[Common]\n"
        << "SkinDir=Graphics\\Skin\\\n"
        << "GameWidth=605\n"
        << "GameHeight=748\n"
        << "\n[VideoMode]\n"
        << "TranspColor=$00ff00ff\n"
        << "\n[Fullscreen]\n"
        << "BackdropDir=Graphics\\Backdrops\\\n"
        << "BackdropFile=" << file_or_nil(c.backdrop_file) << "\n"
        << "BackdropStretch=" << (c.backdrop_stretch ? 1 : 0) << "\n"
        << "BgColor=" << colour_value(c.background_bgr) << "\n"
        << "GameOffsetX=Center\n"
        << "GameOffsetY=Center\n"
        << "LogoFile=" << file_or_nil(c.logo_file) << "\n"
        << "LogoPosition=1\n"
        << "\n[Manual]\n"
        << "ManualDir=Graphics\\Manual\\\n"
        << "ManualWidth=560\n"
        << "ManualHeight=365\n";
}

void write_image(QTextStream& out, int n, ImageId id) {
    const Rect& r = kImageDefs[id].design;
    const std::string_view name = kImageDefs[id].name;
    out << "\n[Image" << n << "]\n"
        << "; " << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) << "\n"
        << "Filename=" << (has_picture_file(id) ? picture_file_name(id, 1) : QString("nil")) << "\n"
        << "Left=" << r.left << "\n"
        << "Top=" << r.top << "\n"
        << "Width=" << r.width << "\n"
        << "Height=" << r.height << "\n";
}

}  // namespace

QString config_ini_text(const ConfigChoices& choices) {
    QString text;
    QTextStream out(&text);
    write_header(out, choices);
    for (int n = 1; n <= kSkinImageCount; ++n)
        write_image(out, n, kSkinImages[n - 1]);
    return text;
}

QString write_config_ini(const QString& path, const ConfigChoices& choices) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString("cannot write %1").arg(path);
    const QByteArray bytes = config_ini_text(choices).toUtf8();
    if (file.write(bytes) != bytes.size()) return QString("cannot write %1").arg(path);
    return {};
}

}  // namespace gorvo::assets

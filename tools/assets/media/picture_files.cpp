#include "picture_files.h"

#include <QDir>
#include <QFileInfo>

namespace gorvo::media {

QString save_picture(const QImage& image, const QString& path) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
    const QString ext = info.suffix().toLower();
    bool saved = false;
    if (ext == QLatin1String("bmp"))
        saved = image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    else if (ext == QLatin1String("jpg"))
        saved = image.convertToFormat(QImage::Format_RGB888).save(path, "JPEG", 92);
    else if (ext == QLatin1String("png"))
        saved = image.save(path, "PNG");
    else
        return QStringLiteral("no picture format for %1").arg(path);
    return saved ? QString() : QStringLiteral("cannot write %1").arg(path);
}

}  // namespace gorvo::media

#include "ui/windows/url_opener.h"

#include <QDesktopServices>
#include <QDir>

namespace gorvo::ui {

UrlOpener desktop_url_opener() {
    return [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

QUrl resolve_link(const QString& target) {
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty()) return {};
    // A drive letter ("C:/Games/...") would read as a one-letter scheme; an absolute path is a
    // file in any case.
    if (!QDir::isAbsolutePath(trimmed)) {
        const QUrl url(trimmed, QUrl::StrictMode);
        if (url.isValid() && url.scheme().size() > 1) return url;
    }
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(trimmed));
}

}  // namespace gorvo::ui

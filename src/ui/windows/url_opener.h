// Opening links and documents from the secondary windows. The windows never call the desktop
// directly: they are given an opener, so a test can see which address a click asked for.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace gorvo::ui {

using UrlOpener = std::function<void(const QUrl&)>;

// Hands the address to the desktop (browser, mail program, file viewer). Its result is not
// examined: a desktop that cannot open the address simply shows nothing.
UrlOpener desktop_url_opener();

// The address a link target stands for. A target with a scheme ("https:", "mailto:", "file:")
// is taken as it stands; anything else is a file name, resolved against the working directory
// the way every other relative name of the program is.
QUrl resolve_link(const QString& target);

}  // namespace gorvo::ui

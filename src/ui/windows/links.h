// What the splash and About windows point to and say about this build. The addresses are
// chosen when the program is packaged (see links.cmake); by default they are the help pages
// shipped in the program folder.
#pragma once

#include <QString>
#include <QUrl>

namespace gorvo::ui {

// A link as the windows show it: the text on the label and the address a click opens.
struct Link {
    QString caption;
    QUrl url;
};

Link project_link();  // the "website" links
Link contact_link();  // the "email" links: how to report a problem
Link help_link();     // the splash window's help button: the shipped help page

// The address for a configured link target: a bare e-mail address becomes "mailto:", a name
// without a scheme a file relative to the working directory, anything else stays as it is.
QUrl link_url(const QString& target);

// The label text for a target: a web address without its scheme, the address of a "mailto:",
// and `fallback` for a local page, whose full path means nothing to the player.
QString link_caption(const QString& target, const QString& fallback);

QString release_version();  // "1.0.0"
QString release_date();     // the build date, "2025-03-14"

}  // namespace gorvo::ui

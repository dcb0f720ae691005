#include "ui/windows/links.h"

#include <QRegularExpression>

#include "ui/windows/url_opener.h"

// The build system provides these for this file; the fall-backs keep a hand-made build honest.
#ifndef GORVO_PROJECT_URL
#define GORVO_PROJECT_URL "Help/index.html"
#endif
#ifndef GORVO_CONTACT_URL
#define GORVO_CONTACT_URL "Help/contact.html"
#endif
#ifndef GORVO_VERSION
#define GORVO_VERSION "unknown version"
#endif
#ifndef GORVO_BUILD_DATE
#define GORVO_BUILD_DATE "unknown date"
#endif

namespace gorvo::ui {

namespace {

constexpr const char* kHelpPage = "Help/index.html";

bool is_bare_mail_address(const QString& target) {
    static const QRegularExpression mail(QStringLiteral(R"(^[^\s@/:]+@[^\s@/:]+\.[^\s@/:]+$)"));
    return mail.match(target).hasMatch();
}

Link make_link(const char* target, const char* fallback_caption) {
    const QString text = QString::fromUtf8(target);
    return {link_caption(text, QString::fromUtf8(fallback_caption)), link_url(text)};
}

}  // namespace

QUrl link_url(const QString& target) {
    const QString trimmed = target.trimmed();
    if (is_bare_mail_address(trimmed)) return QUrl(QStringLiteral("mailto:") + trimmed);
    return resolve_link(trimmed);
}

QString link_caption(const QString& target, const QString& fallback) {
    const QUrl url = link_url(target);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("mailto")) return url.path();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        QString shown = url.toString(QUrl::RemoveScheme | QUrl::StripTrailingSlash);
        while (shown.startsWith(QLatin1Char('/')))
            shown.remove(0, 1);
        return shown;
    }
    return fallback;
}

Link project_link() {
    return make_link(GORVO_PROJECT_URL, "Gorvo250 help pages");
}

Link contact_link() {
    return make_link(GORVO_CONTACT_URL, "how to report a problem");
}

Link help_link() {
    return make_link(kHelpPage, "Help");
}

QString release_version() {
    return QStringLiteral(GORVO_VERSION);
}

QString release_date() {
    return QStringLiteral(GORVO_BUILD_DATE);
}

}  // namespace gorvo::ui

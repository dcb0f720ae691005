#include "ui/replays_warning.h"

#include "ui/settings_warning.h"

namespace gorvo::ui {

QString replays_not_kept_text(const QString& location) {
    return QStringLiteral(
               "Your games cannot be recorded in\n%1\n\nThe game goes on, but its replays will "
               "not be kept.")
        .arg(location);
}

void warn_replays_not_kept(QWidget* parent, const QString& location) {
    show_warning_later(parent, replays_not_kept_text(location));
}

}  // namespace gorvo::ui

// The one message that says settings will not be kept, when the settings store refuses a write.
#pragma once

#include <QString>

class QWidget;

namespace gorvo::ui {

QString settings_not_kept_text(const QString& location);

// A warning box that does not block: the game goes on while it is open. Safe to call from inside
// a game timer's handler, as it only queues the box.
void show_warning_later(QWidget* parent, const QString& text);

// Shows the message without blocking: the game goes on while it is open. Safe to call from
// inside a game timer's handler, as it only queues the message box.
void warn_settings_not_kept(QWidget* parent, const QString& location);

}  // namespace gorvo::ui

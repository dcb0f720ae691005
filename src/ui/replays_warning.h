// The one message that says the session's recording will not be kept, when the replay folder
// cannot be written.
#pragma once

#include <QString>

class QWidget;

namespace gorvo::ui {

QString replays_not_kept_text(const QString& location);
// Without blocking, like the settings warning.
void warn_replays_not_kept(QWidget* parent, const QString& location);

}  // namespace gorvo::ui

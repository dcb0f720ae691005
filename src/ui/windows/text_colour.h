// The colour of a widget's text, set through its palette so that the desktop's style keeps the
// rest of its look.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace gorvo::ui {

inline void set_text_colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace gorvo::ui

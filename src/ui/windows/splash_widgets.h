// The small controls the splash and About windows are built from: a picture that can be
// clicked, and a text link. Both are drawn as the windows' layout asks, not in the desktop's
// button style, and neither takes the keyboard focus.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QString>

namespace gorvo::ui {

// A button that is one picture. Without its picture (a file missing from the program folder)
// it falls back to a plain framed caption, so the window stays usable.
class ImageButton : public QAbstractButton {
    Q_OBJECT
  public:
    ImageButton(const QString& picture_file, const QString& fallback_caption, QWidget* parent);

    bool has_picture() const { return !picture_.isNull(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

// A label that opens something when clicked: bold underlined Arial in the given colour, hand
// cursor, and clicked() on a release over it. A caption too long for its place is shortened
// with an ellipsis rather than cut.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(const QString& caption, const QRect& place, int pixel_size, const QColor& colour,
              QWidget* parent);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

// A drop-down list whose closed box shortens a text too long for it with an ellipsis, so a cut
// entry reads as cut; the open list shows the entries in full.
class ShortenedComboBox : public QComboBox {
    Q_OBJECT
  public:
    using QComboBox::QComboBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// "Arial" at a pixel size; the font configuration picks a metric-compatible face when Arial
// itself is not installed, so the texts fit the layout's boxes.
QFont layout_font(int pixel_size, bool bold = false);

// A picture from a file relative to the working directory; null when missing or unreadable.
QPixmap load_picture(const QString& file);

// Puts a top-level window in the middle of the primary screen.
void centre_on_screen(QWidget& window);

}  // namespace gorvo::ui

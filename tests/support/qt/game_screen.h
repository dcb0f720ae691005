// Where the real program's segments are on the screen, and what a screenshot shows of them: the
// skin of the program folder placed as the program places it in its window, for tests that
// drive the real program on an X server and wait for what the screen shows.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "core/images.h"
#include "skin/profile.h"

namespace gorvo::test {

class GameScreen {
  public:
    // The skin of `program_dir` (its Config.ini) in a window whose top-left corner is at
    // `window_origin` on a screen of `screen` size; nothing when Config.ini cannot be read.
    static std::optional<GameScreen> load(const QString& program_dir, QPoint window_origin,
                                          QSize screen);

    // The screen points of a segment where its picture is opaque and no other segment can
    // cover it.
    std::vector<QPoint> segment(ImageId id) const;
    // The picture alone as the screen shows it, on a screen-sized image transparent elsewhere.
    QImage picture(ImageId id) const;

  private:
    GameScreen(QString program_dir, skin::Profile ini, QPoint origin, QSize screen);
    QRect rect(ImageId id) const;
    QImage file_picture(ImageId id) const;
    bool under_another_segment(ImageId id, QPoint p) const;

    QString program_dir_;
    skin::Profile ini_;
    QPoint origin_;
    QSize screen_;
};

// The share of `points`, among those that `reference` shows opaque, that look the same on
// `shot` (each colour channel within 16).
double alike(const std::vector<QPoint>& points, const QImage& shot, const QImage& reference);

}  // namespace gorvo::test

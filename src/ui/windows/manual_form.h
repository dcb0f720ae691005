// TManualForm, the manual viewer: a borderless window that stays on top and shows one of the
// sixteen manual pages with buttons to turn the pages and to close. Pages turn on release, by
// the buttons or the arrow keys; Esc closes; dragging the page moves the window. Created once
// at start-up, its pages decoded when first needed; afterwards only shown and hidden.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>
#include <vector>

#include "skin/skin_loader.h"
#include "ui/windows/manual_buttons.h"
#include "ui/windows/manual_state.h"

namespace gorvo::ui {

class ManualForm : public QWidget {
    Q_OBJECT
  public:
    // FormCreate: the window's size and the page folder from the [Manual] section of `config`
    // (defaults when the file or a key is missing), then the sixteen pages.
    explicit ManualForm(const std::filesystem::path& config, QWidget* parent = nullptr);
    // The same with the [Manual] settings already read.
    explicit ManualForm(const skin::ManualSettings& settings, QWidget* parent = nullptr);

    // "View manual": shows the window on the page last viewed, in front. Centred on the screen
    // the first time; afterwards where it was left.
    void open();

    int manual_page() const { return state_.manual_page(); }
    const ManualState& state() const { return state_; }
    const QImage& page_picture(int page) const;
    const QImage& shown_page() const;  // im_page_top
    // Page files that exist but could not be decoded, with the reason; they show the
    // placeholder.
    const std::vector<QString>& unreadable_pages() const;

    // The six input actions.
    void Inp_left_down();
    void Inp_left_up();
    void Inp_right_down();
    void Inp_right_up();
    void Inp_esc_down();
    void Inp_esc_up();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void load_pages() const;
    void Vid_Show_Page();
    void press(ManualButton button);
    void release(ManualButton button);
    bool key_allowed(ManualButton button) const;
    void drop_held_keys();

    ManualState state_;
    skin::ManualSettings settings_;
    mutable bool pages_loaded_ = false;
    mutable std::array<QImage, kManualPageCount> pages_;  // im_page_01 .. im_page_16
    mutable QImage page_top_;
    ManualButtonPictures buttons_;
    mutable std::vector<QString> unreadable_;
    bool placed_ = false;

    // Keys whose press ran its action and whose release is still to come.
    std::array<bool, 3> key_held_{};
    // The button that got the left mouse button: it gets the release, wherever the pointer is.
    std::optional<ManualButton> captured_;
    bool dragging_ = false;
    QPoint page_drag_;  // page_drag_x, page_drag_y
};

}  // namespace gorvo::ui

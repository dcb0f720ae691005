// TAboutForm, the About window: a picture of the handheld and a few lines about the program,
// with links to the project page and to how to report a problem. Made once, then shown and
// hidden; it does not block the game and stays above it.
#pragma once

#include <QLabel>
#include <QWidget>

#include "ui/windows/splash_widgets.h"
#include "ui/windows/url_opener.h"

namespace gorvo::ui {

class TAboutForm : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 397;
    static constexpr int kHeight = 176;

    explicit TAboutForm(UrlOpener open_url = desktop_url_opener(), QWidget* parent = nullptr);

    // The menu's "About...": shows the window, centred the first time and where the player
    // left it afterwards, and brings it to the front when it is already open.
    void show_about();

    LinkLabel* la_website_2() const { return la_website_2_; }
    LinkLabel* la_email_2() const { return la_email_2_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void add_row(int top, const QString& caption, const QString& value, bool italic = false);
    LinkLabel* add_link_row(int top, const QString& caption, const QUrl& url,
                            const QString& link_caption);

    UrlOpener open_url_;
    LinkLabel* la_website_2_ = nullptr;
    LinkLabel* la_email_2_ = nullptr;
    bool placed_ = false;
};

}  // namespace gorvo::ui

// TSplashForm, the start-up window: greets the player, offers the sound drivers and starts the
// game. It reads the stored driver and splash choice when it is made, and says what the player
// wants through its signals; the application carries out the start (sound, settings, main
// window), so the window itself starts nothing.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "core/ports.h"
#include "ui/windows/splash_start.h"
#include "ui/windows/splash_widgets.h"
#include "ui/windows/url_opener.h"

namespace gorvo::ui {

class TSplashForm : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 460;
    static constexpr int kHeight = 420;

    // Reads SoundMode (default -1) and SplashScreen (default true); writes nothing.
    explicit TSplashForm(SettingsStore& settings, UrlOpener open_url = desktop_url_opener(),
                         QWidget* parent = nullptr);

    // A driver is chosen and the box unticked: the game starts without showing this window.
    bool skip_path() const { return skip_path_; }
    // The SoundMode of the chosen list entry; -1 while none is chosen.
    int chosen_mode() const;
    bool splash_ticked() const;
    SplashChoice choice() const { return {chosen_mode(), splash_ticked()}; }
    bool start_enabled() const;

    // What the start button, Enter and 1 do: start_requested(), when the start button is
    // enabled and the game has not been started yet.
    void request_start();

    ShortenedComboBox* cb_sound() const { return cb_sound_; }
    QCheckBox* chb_splashscreen() const { return chb_splashscreen_; }
    ImageButton* btn_play() const { return btn_play_; }
    ImageButton* btn_play_disabled() const { return btn_play_disabled_; }
    ImageButton* btn_help() const { return btn_help_; }
    LinkLabel* la_website_2() const { return la_website_2_; }
    LinkLabel* la_email_2() const { return la_email_2_; }

  signals:
    // The player starts the game with the chosen driver. Emitted at most once.
    void start_requested();
    // Esc, or the window closed by the desktop before a start: the program ends, nothing is
    // stored.
    void quit_requested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void build_texts();
    void build_links();
    void build_driver_choice();
    void build_buttons();
    void read_settings(SettingsStore& settings);
    void apply_start_button_rule();
    bool handle_key(QKeyEvent* event);
    void open(const QUrl& url) const;

    UrlOpener open_url_;
    bool pictures_loaded_ = false;
    QPixmap background_;
    QPixmap box_picture_;
    ShortenedComboBox* cb_sound_ = nullptr;
    QCheckBox* chb_splashscreen_ = nullptr;
    ImageButton* btn_play_ = nullptr;
    ImageButton* btn_play_disabled_ = nullptr;
    ImageButton* btn_help_ = nullptr;
    LinkLabel* la_website_2_ = nullptr;
    LinkLabel* la_email_2_ = nullptr;
    bool skip_path_ = false;
    bool started_ = false;
    bool centred_ = false;
};

}  // namespace gorvo::ui

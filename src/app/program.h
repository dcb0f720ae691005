// The program's parts and its start-up order: settings store, the handheld with its ports, and
// the main window; then the start action that brings the closed unit into view.
#pragma once

#include <QString>
#include <memory>

#include "core/handheld.h"
#include "platform/clock_random.h"
#include "platform/no_sound.h"
#include "platform/settings_store.h"
#include "platform/system_clock.h"
#include "ui/main_window.h"

namespace gorvo::app {

class Program {
  public:
    Program();
    ~Program();

    // False when creation asked for the end of the program (the reason has been shown).
    bool created() const { return !window_->end_requested(); }
    // The start action's tail: centre the main window and enter the closed-unit mode.
    void start();

    ui::TForm1& main_window() { return *window_; }

  private:
    platform::QtSettingsStore settings_;
    platform::NoSound sound_;  // the "(no sound)" output until a sound driver is chosen
    platform::SystemClock clock_;
    platform::ClockSeededRandom random_;
    Handheld handheld_;
    std::unique_ptr<ui::TForm1> window_;
};

}  // namespace gorvo::app

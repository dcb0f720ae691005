#include "app/program.h"

#include "skin/skin_loader.h"
#include "ui/settings_warning.h"

namespace gorvo::app {

Program::Program() : handheld_(sound_, settings_, clock_, random_) {
    ui::MainWindowSetup setup;
    setup.config = skin::default_config_path();
    window_ = std::make_unique<ui::TForm1>(handheld_, settings_, std::move(setup));
    settings_.set_write_failure_handler(
        [this] { ui::warn_settings_not_kept(window_.get(), settings_.location()); });
    // The creation has already written the key bindings back: a store that refused them says so
    // now, before the player changes anything.
    if (settings_.write_failed()) ui::warn_settings_not_kept(window_.get(), settings_.location());
}

Program::~Program() = default;

void Program::start() {
    window_->start_game();
}

}  // namespace gorvo::app

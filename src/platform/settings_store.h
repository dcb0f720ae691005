// The per-user settings store over QSettings: organisation Quillmark, application Gorvo250; on
// Linux the text file $XDG_CONFIG_HOME/Quillmark/Gorvo250.conf, values in its [General] section.
// Every value is text, written and synced the moment it changes; a store that cannot keep a
// value says so once through the failure handler and goes on working from memory, so the game
// stays playable.
#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "core/ports.h"

namespace gorvo::platform {

class QtSettingsStore final : public SettingsStore {
  public:
    // The user's own store (created when missing).
    QtSettingsStore();
    // A store in the given INI file, for tools and tests.
    explicit QtSettingsStore(const QString& file);
    ~QtSettingsStore() override;

    int read_int(std::string_view name, int default_value) override;
    bool read_bool(std::string_view name, bool default_value) override;
    void write_int(std::string_view name, int value) override;
    void write_bool(std::string_view name, bool value) override;

    // Called once, at the first write the store could not keep.
    void set_write_failure_handler(std::function<void()> handler);
    bool write_failed() const { return write_failed_; }
    // Where the values live (a file name on Linux).
    QString location() const;

  private:
    void write_text(std::string_view name, const QString& text);

    std::unique_ptr<QSettings> settings_;
    std::function<void()> on_write_failure_;
    bool write_failed_ = false;
};

}  // namespace gorvo::platform

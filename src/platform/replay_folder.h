// The folder of kept recordings: $XDG_DATA_HOME/Quillmark/Gorvo250/replays (by default
// ~/.local/share/...). A session's file is written whole, to a temporary file that is then
// renamed, so that a program killed while writing leaves every earlier file as it was; the
// session's earlier file goes when its name changes, and so do the recordings no longer kept
// (replay/keeping.h). A folder that cannot be written is reported once, and play goes on.
#pragma once

#include <QString>
#include <functional>
#include <string>

namespace gorvo::platform {

class ReplayFolder {
  public:
    // The user's folder.
    ReplayFolder();
    explicit ReplayFolder(QString path);

    // Keeps the session's recording under `file_name`. False when it could not be written.
    bool keep(const std::string& file_name, const std::string& text);

    // Called once, at the first recording that could not be written.
    void set_write_failure_handler(std::function<void()> handler) {
        on_failure_ = std::move(handler);
    }
    const QString& location() const { return path_; }

  private:
    bool write(const QString& file, const std::string& text);
    void remove_unkept();
    void failed();

    QString path_;
    std::string session_file_;  // the name this session's recording was last kept under
    std::function<void()> on_failure_;
    bool failure_reported_ = false;
};

}  // namespace gorvo::platform

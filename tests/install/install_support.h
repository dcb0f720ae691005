// Running the install and the tools that check it, as a packager would from a shell.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace gorvo::install::test {

struct CommandRun {
    int exit_status = -1;  // -1 when the command did not end normally
    std::string output;    // standard output and error, interleaved
};

// Runs `command` through /bin/sh.
CommandRun run(const std::string& command);

// `text` as one shell word.
std::string quoted(const std::string& text);

// The words as one shell command line, each quoted.
std::string command_line(const std::vector<std::string>& words);

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The build folder installed for prefix /usr under a staging root, as a package holds it.
struct InstalledTree {
    std::filesystem::path root;  // the staging root (DESTDIR)
    std::string error;           // what went wrong with the install; empty when it worked

    std::filesystem::path prefix() const { return root / "usr"; }
    std::filesystem::path launcher_dir() const;  // where the launchers are (games/)
    std::filesystem::path program_dir() const;
    std::filesystem::path share() const { return prefix() / "share"; }
};

// Runs `cmake --install` of this build folder into `root`.
InstalledTree install_build(const std::filesystem::path& root);

// The regular files and symbolic links below `root`, as sorted relative paths.
std::vector<std::string> files_below(const std::filesystem::path& root);

std::string read_file(const std::filesystem::path& file);

// The text between the first `open` and the `close` after it; empty when there is none.
std::string text_between(const std::string& text, const std::string& open,
                         const std::string& close);

// Every text between `open` and `close`, in order.
std::vector<std::string> all_between(const std::string& text, const std::string& open,
                                     const std::string& close);

}  // namespace gorvo::install::test

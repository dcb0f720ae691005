#include "install_support.h"

#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace gorvo::install::test {

namespace fs = std::filesystem;

CommandRun run(const std::string& command) {
    CommandRun result;
    const std::string with_errors = "(" + command + ") 2>&1";
    FILE* pipe = ::popen(with_errors.c_str(), "r");
    if (pipe == nullptr) {
        result.output = "cannot start: " + command;
        return result;
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, got);
    const int status = ::pclose(pipe);
    if (status != -1 && WIFEXITED(status)) result.exit_status = WEXITSTATUS(status);
    return result;
}

std::string quoted(const std::string& text) {
    std::string word = "'";
    for (char c : text) {
        if (c == '\'') {
            word += "'\\''";
        } else {
            word += c;
        }
    }
    word += '\'';
    return word;
}

std::string command_line(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty()) line += ' ';
        line += quoted(word);
    }
    return line;
}

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "gorvo250-install-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path InstalledTree::launcher_dir() const {
    return prefix() / GORVO_INSTALL_LAUNCHER_DIR;
}

fs::path InstalledTree::program_dir() const {
    return prefix() / GORVO_INSTALL_PROGRAM_DIR;
}

InstalledTree install_build(const fs::path& root) {
    InstalledTree tree;
    tree.root = root;
    std::string command = "DESTDIR=" + quoted(root.string()) + " ";
    command += command_line({GORVO_CMAKE, "--install", GORVO_BUILD_DIR, "--prefix", "/usr"});
    const CommandRun install = run(command);
    if (install.exit_status != 0) tree.error = "cmake --install failed:\n" + install.output;
    return tree;
}

std::vector<std::string> files_below(const fs::path& root) {
    std::vector<std::string> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_symlink() || it->is_regular_file()) {
            files.push_back(fs::relative(it->path(), root).string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string read_file(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string text_between(const std::string& text, const std::string& open,
                         const std::string& close) {
    const std::vector<std::string> all = all_between(text, open, close);
    return all.empty() ? std::string() : all.front();
}

std::vector<std::string> all_between(const std::string& text, const std::string& open,
                                     const std::string& close) {
    std::vector<std::string> found;
    std::size_t from = 0;
    while (true) {
        const std::size_t start = text.find(open, from);
        if (start == std::string::npos) break;
        const std::size_t inner = start + open.size();
        const std::size_t end = text.find(close, inner);
        if (end == std::string::npos) break;
        found.push_back(text.substr(inner, end - inner));
        from = end + close.size();
    }
    return found;
}

}  // namespace gorvo::install::test

#include "skin/skin_paths.h"

#include <algorithm>
#include <system_error>

#include "skin/skin_loader.h"

namespace gorvo::skin {

namespace {

std::string with_slashes(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

}  // namespace

std::string folder_path(std::string_view value) {
    std::string folder = with_slashes(value);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::filesystem::path file_in_folder(const std::string& folder, std::string_view name) {
    return std::filesystem::path(folder + with_slashes(name));
}

bool is_existing_file(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

std::filesystem::path default_config_path() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "Config.ini";  // no way to find the program: its folder is assumed current
    return program.parent_path() / "Config.ini";
}

}  // namespace gorvo::skin

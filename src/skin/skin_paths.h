// Folders and files named in Config.ini, turned into the paths the program opens.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace gorvo::skin {

// A folder as written in the file: `\` and `/` both separate; a separator is appended when
// missing. An empty value stays empty: it is the working directory (never the root of the file
// system), and a file named in it is the name as it stands, so an absolute name is found.
// A relative folder stays relative, so it resolves against the working directory.
std::string folder_path(std::string_view value);

// A file named in the file, inside `folder` (from folder_path): the folder directly followed by
// the name, with `\` read as a separator.
std::filesystem::path file_in_folder(const std::string& folder, std::string_view name);

// True for an existing regular file (a folder of that name does not count).
bool is_existing_file(const std::filesystem::path& file);

}  // namespace gorvo::skin

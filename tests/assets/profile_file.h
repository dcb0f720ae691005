// A small reader of Windows profile (INI) files for the tests: sections and keys compared
// without regard to case, values trimmed, the first occurrence of a key wins.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace gorvo::test {

class ProfileFile {
  public:
    // False when the file cannot be read.
    bool load(const std::string& path);
    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    bool has_section(const std::string& section) const;

  private:
    std::map<std::string, std::map<std::string, std::string>> sections_;
};

}  // namespace gorvo::test

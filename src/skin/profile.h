// Config.ini read the way the platform's profile functions read it: sections of key/value
// lines, names compared without regard to case, the first occurrence winning, a default for
// anything missing. Works on text in memory, so that any byte sequence can be fed to it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace gorvo::skin {

class Profile {
  public:
    // Longest value a read returns; longer values are cut.
    static constexpr std::size_t kMaxValueLength = 2047;

    static Profile parse(std::string_view text);
    // No value when the file cannot be read.
    static std::optional<Profile> load(const std::filesystem::path& file);

    // The value of `key` in the first section named `section`; no value when either is missing.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    std::string read_string(std::string_view section, std::string_view key,
                            std::string_view default_value) const;
    // The default also stands in for a value that is not an integer (see parse_integer).
    std::int32_t read_int(std::string_view section, std::string_view key,
                          std::int32_t default_value) const;

  private:
    using Section = std::map<std::string, std::string>;  // lower-cased key -> value

    static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);

    void add_line(std::string_view line, std::size_t& current);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> index_;  // lower-cased name -> first section
};

}  // namespace gorvo::skin

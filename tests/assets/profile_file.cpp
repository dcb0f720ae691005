#include "profile_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace gorvo::test {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string trim(const std::string& s) {
    const auto begin = s.find_first_not_of(" \t\r");
    if (begin == std::string::npos) return {};
    const auto end = s.find_last_not_of(" \t\r");
    return s.substr(begin, end - begin + 1);
}

}  // namespace

bool ProfileFile::load(const std::string& path) {
    std::ifstream in(path);
    if (!in) return false;
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        const std::string text = trim(line);
        if (text.empty() || text[0] == ';') continue;
        if (text.front() == '[' && text.back() == ']') {
            section = lower(trim(text.substr(1, text.size() - 2)));
            sections_[section];
            continue;
        }
        const auto eq = text.find('=');
        if (eq == std::string::npos) continue;
        sections_[section].emplace(lower(trim(text.substr(0, eq))), trim(text.substr(eq + 1)));
    }
    return true;
}

std::optional<std::string> ProfileFile::value(const std::string& section,
                                              const std::string& key) const {
    const auto s = sections_.find(lower(section));
    if (s == sections_.end()) return std::nullopt;
    const auto k = s->second.find(lower(key));
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

bool ProfileFile::has_section(const std::string& section) const {
    return sections_.count(lower(section)) != 0;
}

}  // namespace gorvo::test

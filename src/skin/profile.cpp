#include "skin/profile.h"

#include <fstream>
#include <iterator>

#include "skin/integer_text.h"

namespace gorvo::skin {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && is_blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// One matching pair of surrounding quotes goes; the blanks inside stay.
std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Cuts to the longest value a read returns, without splitting a UTF-8 character.
std::string_view cut(std::string_view value) {
    if (value.size() <= Profile::kMaxValueLength) return value;
    std::size_t end = Profile::kMaxValueLength;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
        --end;
    return value.substr(0, end);
}

// The next line of `text` from `pos`: up to CR, LF or CRLF, and only up to a NUL within it.
std::string_view next_line(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    pos = end;
    if (pos < text.size()) {
        const bool crlf = text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n';
        pos += crlf ? 2 : 1;
    }
    std::string_view line = text.substr(start, end - start);
    const std::size_t nul = line.find('\0');
    return nul == std::string_view::npos ? line : line.substr(0, nul);
}

}  // namespace

Profile Profile::parse(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    Profile profile;
    std::size_t current = kNoSection;  // lines before the first section cannot be read
    std::size_t pos = 0;
    while (pos < text.size())
        profile.add_line(trim(next_line(text, pos)), current);
    return profile;
}

void Profile::add_line(std::string_view line, std::size_t& current) {
    if (line.empty()) return;
    const std::size_t close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos) {
        const std::string name = lower(trim(line.substr(1, close - 1)));
        const auto [it, added] = index_.try_emplace(name, sections_.size());
        if (added) sections_.emplace_back();
        // Only the first section of a name is ever searched.
        current = added ? sections_.size() - 1 : kNoSection;
        return;
    }
    const std::size_t equals = line.find('=');
    if (current == kNoSection || equals == std::string_view::npos) return;
    const std::string_view value = cut(unquote(trim(line.substr(equals + 1))));
    sections_[current].try_emplace(lower(trim(line.substr(0, equals))), value);
}

std::optional<Profile> Profile::load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return parse(text);
}

std::optional<std::string> Profile::find(std::string_view section, std::string_view key) const {
    const auto s = index_.find(lower(section));
    if (s == index_.end()) return std::nullopt;
    const Section& entries = sections_[s->second];
    const auto k = entries.find(lower(key));
    if (k == entries.end()) return std::nullopt;
    return k->second;
}

std::string Profile::read_string(std::string_view section, std::string_view key,
                                 std::string_view default_value) const {
    std::optional<std::string> value = find(section, key);
    return value ? std::move(*value) : std::string(default_value);
}

std::int32_t Profile::read_int(std::string_view section, std::string_view key,
                               std::int32_t default_value) const {
    const std::optional<std::string> value = find(section, key);
    if (!value) return default_value;
    return parse_integer(*value).value_or(default_value);
}

}  // namespace gorvo::skin

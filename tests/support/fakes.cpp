#include "support/fakes.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "core/stored_settings.h"

namespace gorvo::test {

int RecordingSound::count(const std::string& what) const {
    return static_cast<int>(std::count(events.begin(), events.end(), what));
}

namespace {

// The program reads and writes only the settings of its table: a name outside it is a typo.
void expect_stored(std::string_view name) {
    if (stored::find(name) == nullptr) {
        throw std::invalid_argument("not a stored setting: " + std::string(name));
    }
}

}  // namespace

int MemorySettings::read_int(std::string_view name, int default_value) {
    expect_stored(name);
    auto it = values.find(std::string(name));
    if (it == values.end()) return default_value;
    int v = 0;
    const std::string& text = it->second;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return default_value;
    return v;
}

bool MemorySettings::read_bool(std::string_view name, bool default_value) {
    return read_int(name, default_value ? 1 : 0) != 0;
}

void MemorySettings::write_int(std::string_view name, int value) {
    expect_stored(name);
    values[std::string(name)] = std::to_string(value);
    writes.push_back(std::string(name) + "=" + std::to_string(value));
}

void MemorySettings::write_bool(std::string_view name, bool value) {
    write_int(name, value ? 1 : 0);
}

int ScriptedRandom::draw(int n) {
    asked.push_back(n);
    int v = 0;
    if (next < values.size()) {
        v = values[next++];
    } else if (!values.empty()) {
        v = values.back();
    }
    return v % n;
}

int SeededRandom::draw(int n) {
    std::uniform_int_distribution<int> dist(0, n - 1);
    return dist(engine_);
}

}  // namespace gorvo::test

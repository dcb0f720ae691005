#include "replay/keeping.h"

#include <algorithm>
#include <limits>
#include <set>

#include "replay/values.h"

namespace gorvo::replay {

namespace {

constexpr std::string_view kSuffix = ".txt";

// "YYYY-MM-DD_HH-MM-SS": digits where the pattern has 9.
bool is_stamp(std::string_view s) {
    constexpr std::string_view pattern = "9999-99-99_99-99-99";
    if (s.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool digit = s[i] >= '0' && s[i] <= '9';
        if (pattern[i] == '9' ? !digit : s[i] != pattern[i]) return false;
    }
    return true;
}

}  // namespace

std::string recording_file_name(const RecordingName& name) {
    return name.stamp + "_game-" + name.game + "_" + std::to_string(name.score) +
           std::string(kSuffix);
}

std::optional<RecordingName> parse_recording_file_name(std::string_view file_name) {
    constexpr std::size_t kStamp = 19;
    constexpr std::string_view kGame = "_game-";
    if (!file_name.ends_with(kSuffix)) return std::nullopt;
    file_name.remove_suffix(kSuffix.size());
    if (file_name.size() < kStamp + kGame.size() + 3) return std::nullopt;
    const std::string_view stamp = file_name.substr(0, kStamp);
    if (!is_stamp(stamp) || file_name.substr(kStamp, kGame.size()) != kGame) return std::nullopt;
    const char game = file_name[kStamp + kGame.size()];
    if ((game != 'A' && game != 'B') || file_name[kStamp + kGame.size() + 1] != '_')
        return std::nullopt;
    const auto score = parse_unsigned(file_name.substr(kStamp + kGame.size() + 2),
                                      std::numeric_limits<int>::max());
    if (!score) return std::nullopt;
    return RecordingName{std::string(stamp), game, static_cast<int>(*score)};
}

std::vector<std::string> recordings_to_remove(const std::vector<std::string>& file_names) {
    struct Entry {
        std::string file;
        RecordingName name;
    };
    std::vector<Entry> entries;
    for (const std::string& f : file_names) {
        if (auto name = parse_recording_file_name(f)) entries.push_back({f, *name});
    }
    std::set<std::string> kept;
    // The most recent first; of one start, the file name decides, so the choice is stable.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.name.stamp != b.name.stamp ? a.name.stamp > b.name.stamp : a.file > b.file;
    });
    for (std::size_t i = 0; i < entries.size() && i < kKeptRecent; ++i)
        kept.insert(entries[i].file);
    // The best of each game; of equal scores, the earlier session (it got there first).
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.name.score != b.name.score ? a.name.score > b.name.score
                                            : a.name.stamp < b.name.stamp;
    });
    for (const char game : {'A', 'B'}) {
        int taken = 0;
        for (const Entry& e : entries) {
            if (e.name.game != game || taken == kKeptBestPerGame) continue;
            kept.insert(e.file);
            ++taken;
        }
    }
    std::vector<std::string> removed;
    for (const Entry& e : entries) {
        if (!kept.contains(e.file)) removed.push_back(e.file);
    }
    std::sort(removed.begin(), removed.end());
    return removed;
}

}  // namespace gorvo::replay

// Which recordings are kept, by their file names alone. A name shows the session's start, the
// game of its best score and that score: "2026-12-08_17-57-12_game-A_123.txt". Of the folder's
// recordings the 20 most recent stay, and the 5 best of each game; the others go.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gorvo::replay {

constexpr int kKeptRecent = 20;
constexpr int kKeptBestPerGame = 5;

struct RecordingName {
    std::string stamp;  // "2026-12-08_17-57-12": the session's start, local time
    char game = 'A';    // the game of the best score: 'A' or 'B'
    int score = 0;      // the best score of the session
};

// `stamp` as in RecordingName.
std::string recording_file_name(const RecordingName& name);
// Nothing for a name that is not a recording's (other files in the folder are left alone).
std::optional<RecordingName> parse_recording_file_name(std::string_view file_name);

// Of these file names, the recordings to remove.
std::vector<std::string> recordings_to_remove(const std::vector<std::string>& file_names);

}  // namespace gorvo::replay

// The values one burst of the settings writer stores: every setting of the game, each with a
// value that tells the rounds apart (booleans alternate with the round).
#pragma once

#include <string>
#include <vector>

namespace gorvo::fault {

struct BurstValue {
    std::string name;
    int value = 0;
    bool boolean = false;
};

inline std::vector<BurstValue> burst_values(int round) {
    std::vector<BurstValue> values{
        {"SoundMode", round % 3, false},           {"SplashScreen", round % 2, true},
        {"FullscreenMode", (round + 1) % 2, true}, {"CtrlrOverlay", round % 2, true},
        {"HiScore1", round * 7 % 1000, false},     {"HiScore2", round * 13 % 1000, false}};
    for (int n = 1; n <= 9; ++n)
        values.push_back({"Key" + std::to_string(n), 1 + (round + n) % 44, false});
    return values;
}

}  // namespace gorvo::fault

#include "ui/windows/keys_clashes.h"

namespace gorvo::ui {

KeyClashes find_key_clashes(const KeyChoices& choices) {
    KeyClashes result;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        for (std::size_t j = 0; j < choices.size(); ++j) {
            if (i == j || choices[i] != choices[j]) continue;
            result.clashing[i] = true;
            result.any = true;
        }
    }
    return result;
}

}  // namespace gorvo::ui

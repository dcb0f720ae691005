#include "replay/script_settings.h"

#include "core/stored_settings.h"

namespace gorvo::replay {

ScriptSettings::ScriptSettings(const Header& header) {
    values_[std::string(stored::kHiScore1.name)] = header.hiscore_a.value_or(0);
    values_[std::string(stored::kHiScore2.name)] = header.hiscore_b.value_or(0);
    values_[std::string(stored::kCtrlrOverlay.name)] = header.overlay.value_or(true) ? 1 : 0;
}

int ScriptSettings::read_int(std::string_view name, int default_value) {
    const auto it = values_.find(name);
    return it == values_.end() ? default_value : it->second;
}

bool ScriptSettings::read_bool(std::string_view name, bool default_value) {
    return read_int(name, default_value ? 1 : 0) != 0;
}

void ScriptSettings::write_int(std::string_view name, int value) {
    values_[std::string(name)] = value;
}

void ScriptSettings::write_bool(std::string_view name, bool value) {
    write_int(name, value ? 1 : 0);
}

}  // namespace gorvo::replay

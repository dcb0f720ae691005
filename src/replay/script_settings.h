// The settings store of a script run: the stored values a script's header gives (HiScore1,
// HiScore2, CtrlrOverlay; 0, 0 and 1 when not given), every write kept in memory, so that
// playing a recording back never touches the player's own settings.
#pragma once

#include <map>
#include <string>

#include "core/ports.h"
#include "replay/script.h"

namespace gorvo::replay {

class ScriptSettings final : public SettingsStore {
  public:
    explicit ScriptSettings(const Header& header);
    int read_int(std::string_view name, int default_value) override;
    bool read_bool(std::string_view name, bool default_value) override;
    void write_int(std::string_view name, int value) override;
    void write_bool(std::string_view name, bool value) override;

  private:
    std::map<std::string, int, std::less<>> values_;
};

}  // namespace gorvo::replay

#include <optional>

#include "skin/profile.h"
#include "skin/size_limits.h"
#include "skin/skin_loader.h"
#include "skin/skin_paths.h"

namespace gorvo::skin {

ManualSettings read_manual_settings(const std::filesystem::path& config) {
    ManualSettings settings;
    const std::optional<Profile> ini =
        is_existing_file(config) ? Profile::load(config) : std::nullopt;
    if (!ini) return settings;  // the message for a missing file belongs to the skin load
    settings.dir = folder_path(ini->read_string("Manual", "ManualDir", "Graphics\\Manual\\"));
    settings.height = clamp_size(ini->read_int("Manual", "ManualHeight", settings.height));
    settings.width = clamp_size(ini->read_int("Manual", "ManualWidth", settings.width));
    return settings;
}

}  // namespace gorvo::skin

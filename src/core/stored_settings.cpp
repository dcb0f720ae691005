#include "core/stored_settings.h"

namespace gorvo::stored {

const StoredSetting* find(std::string_view name) {
    for (const StoredSetting& key : kKeys) {
        if (key.name == name) return &key;
    }
    for (const StoredSetting* s :
         {&kHiScore1, &kHiScore2, &kSoundMode, &kSplashScreen, &kFullscreenMode, &kCtrlrOverlay}) {
        if (s->name == name) return s;
    }
    return nullptr;
}

}  // namespace gorvo::stored

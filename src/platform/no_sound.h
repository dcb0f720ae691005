// The "(no sound)" output: the game runs silently. A real choice of the player, not a stand-in.
#pragma once

#include "core/ports.h"

namespace gorvo::platform {

class NoSound final : public SoundOutput {
  public:
    void play(Sound) override {}
    void silence() override {}
};

}  // namespace gorvo::platform

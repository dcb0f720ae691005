// The local wall-clock time of the machine.
#pragma once

#include "core/ports.h"

namespace gorvo::platform {

class SystemClock final : public WallClock {
  public:
    LocalTime now() override;
};

}  // namespace gorvo::platform

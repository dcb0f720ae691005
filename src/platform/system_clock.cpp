#include "platform/system_clock.h"

#include <ctime>

namespace gorvo::platform {

LocalTime SystemClock::now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return LocalTime{local.tm_hour, local.tm_min};
}

}  // namespace gorvo::platform

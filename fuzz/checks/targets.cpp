#include "checks/targets.h"

#include <array>

namespace gorvo::fuzz {
namespace {

constexpr std::array<Target, 7> kTargets = {{
    {"profile", check_profile},
    {"png", check_png},
    {"jpeg", check_jpeg},
    {"bmp", check_bmp},
    {"ico", check_ico},
    {"script", check_script},
    {"replay", check_replay},
}};

}  // namespace

std::span<const Target> targets() {
    return kTargets;
}

const Target* find_target(std::string_view name) {
    for (const Target& target : kTargets) {
        if (target.name == name) return &target;
    }
    return nullptr;
}

}  // namespace gorvo::fuzz

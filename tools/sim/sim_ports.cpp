#include "sim/sim_ports.h"

namespace gorvo::sim {

void TraceSound::play(Sound sound) {
    trace_.note("sound " + std::string(sound_name(sound)));
}

void TraceSound::silence() {
    trace_.note("silence");
}

int TraceSettings::read_int(std::string_view name, int default_value) {
    auto it = values_.find(name);
    return it == values_.end() ? default_value : it->second;
}

bool TraceSettings::read_bool(std::string_view name, bool default_value) {
    return read_int(name, default_value ? 1 : 0) != 0;
}

void TraceSettings::write_int(std::string_view name, int value) {
    values_[std::string(name)] = value;
    trace_.note("set " + std::string(name) + " " + std::to_string(value));
}

void TraceSettings::write_bool(std::string_view name, bool value) {
    write_int(name, value ? 1 : 0);
}

}  // namespace gorvo::sim

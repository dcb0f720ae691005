#include "counting_library.h"

namespace gorvo::test {

using platform::SampleHandle;

void CountingLibrary::set_output(platform::SoundBackend backend) {
    calls.push_back(backend == platform::SoundBackend::Preferred ? "set_output Preferred"
                                                                 : "set_output Direct");
}

platform::OutputStart CountingLibrary::init(int mix_rate, int channels) {
    calls.push_back("init " + std::to_string(mix_rate) + " " + std::to_string(channels));
    if (!init_error.empty()) return {false, init_error};
    return {true, {}};
}

SampleHandle CountingLibrary::load(const std::string& path) {
    calls.push_back("load " + path);
    if (missing_files.count(path) != 0) return {};
    return {next_id_++};
}

bool CountingLibrary::play(SampleHandle sample) {
    calls.push_back("play " + std::to_string(sample.id));
    return !sample.empty();
}

void CountingLibrary::stop_all() {
    calls.push_back("stop_all");
}

void CountingLibrary::free(SampleHandle sample) {
    calls.push_back("free " + std::to_string(sample.id));
}

void CountingLibrary::close() {
    calls.push_back("close");
}

std::vector<std::string> CountingLibrary::calls_of(const std::string& word) const {
    std::vector<std::string> found;
    for (const std::string& c : calls) {
        if (c.rfind(word, 0) == 0) found.push_back(c);
    }
    return found;
}

}  // namespace gorvo::test

// A sound library that only counts: every call is recorded as a line of text, loads succeed or
// fail by path, and the output start can be made to fail.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/sound_library.h"

namespace gorvo::test {

class CountingLibrary : public platform::SoundLibrary {
  public:
    // "set_output Direct", "init 22050 64", "load Sound/Chain.wav", "play 3", "stop_all",
    // "free 0", "close", in call order.
    std::vector<std::string> calls;
    std::string init_error;               // init fails with this reason when not empty
    std::set<std::string> missing_files;  // loads of these paths give the empty handle

    void set_output(platform::SoundBackend backend) override;
    platform::OutputStart init(int mix_rate, int channels) override;
    platform::SampleHandle load(const std::string& path) override;
    bool play(platform::SampleHandle sample) override;
    void stop_all() override;
    void free(platform::SampleHandle sample) override;
    void close() override;

    // The calls that start with the given word ("load", "free", ...).
    std::vector<std::string> calls_of(const std::string& word) const;

  private:
    std::uint32_t next_id_ = 1;
};

}  // namespace gorvo::test

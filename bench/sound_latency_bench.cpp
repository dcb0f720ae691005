// gorvo250-bench-sound: the time from Snd_Play to the first non-silent sample leaving the mixer,
// through the game's own sound start and SDL's disk output (written in real time, so a sample
// leaves when its buffer is written). The mixer's output is watched as it is handed to SDL; a
// sample's moment is its buffer's moment plus its place in the buffer. Run with the program
// folder as argument: the samples are read from its Sound folder, as the game does.
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "figures.h"
#include "platform/sound_game.h"
#include "platform/sound_sdl_mixer.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kPlays = 200;
constexpr int kDiskDriverMode = 1;  // a driver of our own list; SDL_AUDIODRIVER picks the disk

class MemorySettings : public gorvo::SettingsStore {
  public:
    int read_int(std::string_view name, int d) override {
        const auto it = values_.find(std::string(name));
        return it == values_.end() ? d : it->second;
    }
    bool read_bool(std::string_view name, bool d) override { return read_int(name, d) != 0; }
    void write_int(std::string_view name, int v) override { values_[std::string(name)] = v; }
    void write_bool(std::string_view name, bool v) override { write_int(name, v ? 1 : 0); }

  private:
    std::map<std::string, int, std::less<>> values_;
};

// Filled on SDL's audio thread.
struct OutputWatch {
    int rate = 0;
    int channels = 0;
    std::atomic<bool> armed{false};
    std::atomic<Clock::rep> heard{0};  // steady clock of the first non-silent sample
    std::atomic<int> buffer_frames{0};
};

void watch_output(void* data, Uint8* stream, int len) {
    auto* watch = static_cast<OutputWatch*>(data);
    const Clock::time_point now = Clock::now();
    const int samples = len / static_cast<int>(sizeof(Sint16));
    watch->buffer_frames = samples / watch->channels;
    if (!watch->armed) return;
    const auto* pcm = reinterpret_cast<const Sint16*>(stream);
    for (int i = 0; i < samples; ++i) {
        if (pcm[i] == 0) continue;
        const auto offset = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(static_cast<double>(i / watch->channels) / watch->rate));
        watch->heard = (now + offset).time_since_epoch().count();
        watch->armed = false;
        return;
    }
}

// One Snd_Play, at a random phase of the output's buffers; nothing when it was never heard.
std::optional<double> one_play(gorvo::platform::GameSound& sound, OutputWatch& watch,
                               std::mt19937& random) {
    sound.silence();
    std::this_thread::sleep_for(std::chrono::milliseconds(60 + random() % 30));
    watch.heard = 0;
    watch.armed = true;
    const Clock::time_point played = Clock::now();
    sound.play(gorvo::Sound::Step);
    const Clock::time_point give_up = played + 1s;
    while (watch.heard == 0 && Clock::now() < give_up)
        std::this_thread::sleep_for(200us);
    watch.armed = false;
    if (watch.heard == 0) return std::nullopt;
    const Clock::time_point heard{Clock::duration(watch.heard.load())};
    return std::chrono::duration<double, std::milli>(heard - played).count();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gorvo250-bench-sound <program folder>\n");
        return 2;
    }
    std::error_code error;
    std::filesystem::current_path(argv[1], error);
    if (error) {
        std::fprintf(stderr, "cannot enter %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    const std::filesystem::path out = std::filesystem::temp_directory_path() / "gorvo250-bench.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);

    MemorySettings settings;
    gorvo::platform::SdlMixerLibrary library;
    gorvo::platform::GameSound sound(library, settings);
    const gorvo::platform::SoundStart started = sound.start(kDiskDriverMode);
    if (!started.go_on) {
        gorvo::bench::print_missing("sound_latency_ms", "ms",
                                    "the sound did not start: " + started.message);
        return 0;
    }
    OutputWatch watch;
    Uint16 format = 0;
    Mix_QuerySpec(&watch.rate, &format, &watch.channels);
    Mix_SetPostMix(watch_output, &watch);

    std::mt19937 random(250);
    std::vector<double> ms;
    for (int i = 0; i < kPlays; ++i) {
        if (const std::optional<double> latency = one_play(sound, watch, random)) {
            ms.push_back(*latency);
        }
    }
    Mix_SetPostMix(nullptr, nullptr);
    sound.shutdown();
    std::filesystem::remove(out, error);
    if (ms.empty()) {
        gorvo::bench::print_missing("sound_latency_ms", "ms", "no play was heard in the output");
        return 0;
    }
    const double buffer_ms = 1000.0 * watch.buffer_frames / watch.rate;
    using gorvo::bench::percentile;
    gorvo::bench::print_figure("sound_latency_ms", percentile(ms, 0.99), "ms");
    gorvo::bench::print_note(
        "sound latency (p99 of %zu plays): p50 %.1f ms, max %.1f ms; output %d Hz, buffer %d "
        "frames = %.1f ms; a real device adds its own queue, about one more buffer (target: at "
        "most 30 ms)",
        ms.size(), percentile(ms, 0.5), percentile(ms, 1.0), watch.rate, watch.buffer_frames.load(),
        buffer_ms);
    return 0;
}

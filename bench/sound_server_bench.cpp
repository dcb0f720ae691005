// gorvo250-bench-sound-server: the time from Snd_Play to the sound's first sample in a sound
// server's output, through the game's own sound start on its sound-server driver. The server is a
// PulseAudio of the benchmark's own on a private runtime folder, with a null sink whose monitor
// is recorded (the sound tests' set-up); a sound has appeared when the recorder has handed over
// the piece of the recording that holds its first sample. A long constant sound played
// afterwards must come out without a gap: a gap is an underrun of the output. Run with the
// program folder as argument: the samples are read from its Sound folder, as the game does.
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "figures.h"
#include "platform/sound_game.h"
#include "platform/sound_sdl_mixer.h"
#include "pulse_server.h"

namespace {

using namespace std::chrono_literals;
using gorvo::test::SteadyClock;

constexpr int kPlays = 200;
constexpr int kServerDriverMode = 0;      // "Sound server (PipeWire / PulseAudio)"
constexpr std::int16_t kThreshold = 300;  // the null sink's silence is exactly zero
constexpr std::int16_t kLongLevel = 3000;
constexpr double kLongSeconds = 3.0;
// A recorded stretch of silence at least this long inside the long sound is a gap.
constexpr double kGapSeconds = 0.002;
constexpr int kRecorderLatencyMs = 2;

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

// The recording as it grows: each piece the recorder hands over is stamped with the moment it
// was found in the file, which is when that sound appeared in the server's output, at the latest.
class GrowingRecording {
  public:
    explicit GrowingRecording(gorvo::test::fs::path file) : file_(std::move(file)) {}

    // Reads what has been added since the last look.
    void look() {
        std::ifstream in(file_, std::ios::binary);
        in.seekg(static_cast<std::streamoff>(bytes_read_));
        char buffer[1 << 14];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
            const auto got = static_cast<std::size_t>(in.gcount());
            pending_.insert(pending_.end(), buffer, buffer + got);
            bytes_read_ += got;
        }
        const std::size_t whole = pending_.size() / 2 * 2;
        if (whole == 0) return;
        pieces_.push_back({samples_.size(), SteadyClock::now()});
        for (std::size_t i = 0; i < whole; i += 2) {
            const auto lo = static_cast<std::uint8_t>(pending_[i]);
            const auto hi = static_cast<std::uint8_t>(pending_[i + 1]);
            samples_.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | hi << 8)));
        }
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(whole));
    }
    // Looks again and again for `d`.
    void follow(SteadyClock::duration d) {
        const auto until = SteadyClock::now() + d;
        while (SteadyClock::now() < until) {
            look();
            std::this_thread::sleep_for(500us);
        }
    }
    // Follows the recording until a sample louder than silence comes after sample `from`;
    // when it was seen, or nothing within `limit`.
    std::optional<SteadyClock::time_point> sound_after(std::size_t from,
                                                       SteadyClock::duration limit) {
        const auto until = SteadyClock::now() + limit;
        std::size_t next = from;
        while (SteadyClock::now() < until) {
            look();
            for (; next < samples_.size(); ++next) {
                if (std::abs(samples_[next]) > kThreshold) return seen_at(next);
            }
            std::this_thread::sleep_for(500us);
        }
        return std::nullopt;
    }
    std::size_t size() const { return samples_.size(); }
    const std::vector<std::int16_t>& samples() const { return samples_; }

  private:
    struct Piece {
        std::size_t first;
        SteadyClock::time_point seen;
    };
    SteadyClock::time_point seen_at(std::size_t sample) const {
        const auto piece =
            std::upper_bound(pieces_.begin(), pieces_.end(), sample,
                             [](std::size_t s, const Piece& p) { return s < p.first; });
        return std::prev(piece)->seen;
    }

    gorvo::test::fs::path file_;
    std::uintmax_t bytes_read_ = 0;
    std::vector<char> pending_;
    std::vector<std::int16_t> samples_;
    std::vector<Piece> pieces_;
};

// Stretches of silence of at least kGapSeconds between the first and the last loud sample
// from sample `from` on.
int gaps_after(const std::vector<std::int16_t>& samples, std::size_t from) {
    const auto loud = [](std::int16_t s) { return std::abs(s) > kThreshold; };
    const auto begin =
        std::find_if(samples.begin() + static_cast<std::ptrdiff_t>(from), samples.end(), loud);
    if (begin == samples.end()) return -1;
    const auto end = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const auto gap = static_cast<std::size_t>(std::ceil(kGapSeconds * gorvo::test::kRecordRate));
    int gaps = 0;
    std::size_t quiet = 0;
    for (auto it = begin; it != end; ++it) {
        quiet = loud(*it) ? 0 : quiet + 1;
        if (quiet == gap) ++gaps;
    }
    return gaps;
}

struct Run {
    std::vector<double> latencies_ms;
    int gaps = -1;
    int buffer_frames = 0;
};

Run measure(gorvo::platform::SdlMixerLibrary& library, gorvo::platform::GameSound& sound,
            GrowingRecording& recording, const gorvo::test::fs::path& long_wav) {
    Run run;
    std::mt19937 random(250);
    recording.follow(300ms);
    for (int i = 0; i < kPlays; ++i) {
        // At a random phase of the output's buffers, after the previous sound has ended.
        recording.follow(std::chrono::milliseconds(60 + random() % 40));
        const std::size_t before = recording.size();
        const SteadyClock::time_point asked = SteadyClock::now();
        sound.play(gorvo::Sound::Step);
        if (const auto heard = recording.sound_after(before, 1s)) {
            run.latencies_ms.push_back(
                std::chrono::duration<double, std::milli>(*heard - asked).count());
        }
    }
    recording.follow(300ms);
    const gorvo::platform::SampleHandle long_sound = library.load(long_wav.string());
    const std::size_t before = recording.size();
    library.play(long_sound);
    recording.follow(std::chrono::duration_cast<SteadyClock::duration>(
        std::chrono::duration<double>(kLongSeconds + 0.5)));
    run.gaps = gaps_after(recording.samples(), before);
    library.free(long_sound);
    return run;
}

void report(const Run& run, const std::string& server) {
    using gorvo::bench::percentile;
    if (run.latencies_ms.empty()) {
        gorvo::bench::print_missing("sound_server_latency_ms", "ms",
                                    "no play was heard in the server's output");
        return;
    }
    gorvo::bench::print_figure("sound_server_latency_ms", percentile(run.latencies_ms, 0.99), "ms");
    gorvo::bench::print_figure("sound_server_gaps", run.gaps, "", 0);
    gorvo::bench::print_note(
        "sound through %s (null sink, its monitor recorded in pieces of 2 ms): p99 of %zu of %d "
        "plays from Snd_Play to the piece holding the first sample, p50 %.1f ms, max %.1f ms; "
        "SDL buffer %d frames at 22050 Hz; a %.0f s constant sound came out with %d gaps of "
        "%.0f ms or more (targets: at most 40 ms, no gaps)",
        server.c_str(), run.latencies_ms.size(), kPlays, percentile(run.latencies_ms, 0.5),
        percentile(run.latencies_ms, 1.0), run.buffer_frames, kLongSeconds, run.gaps,
        kGapSeconds * 1000);
}

int bench(const char* program_dir) {
    namespace test = gorvo::test;
    if (const std::string missing = test::missing_pulse_programs(); !missing.empty()) {
        gorvo::bench::print_missing("sound_server_latency_ms", "ms", "not installed: " + missing);
        return 0;
    }
    test::TempDir scratch;
    // The game's own choice of driver for the sound servers, not one named in the environment.
    test::ScopedEnv no_named_driver("SDL_AUDIODRIVER", std::nullopt);
    test::PrivateSoundSession session(scratch.path() / "runtime");
    test::PulseServer server(session, 20s);
    if (!server.ready()) {
        gorvo::bench::print_missing("sound_server_latency_ms", "ms", server.failure());
        return 0;
    }
    const test::fs::path long_wav = scratch.path() / "long.wav";
    test::write_constant_wav(long_wav, static_cast<int>(kLongSeconds * test::kRate), kLongLevel);
    test::ScopedCwd cwd(program_dir);
    // Handed over every 2 ms: the moment a piece is seen is at most that late.
    test::MonitorRecording recorder(scratch.path() / "monitor.raw", kRecorderLatencyMs);
    if (!recorder.wait_for(0.2, 10s)) {
        gorvo::bench::print_missing("sound_server_latency_ms", "ms", recorder.failure());
        return 0;
    }
    GrowingRecording recording(scratch.path() / "monitor.raw");
    MemorySettings settings;
    gorvo::platform::SdlMixerLibrary library;
    gorvo::platform::GameSound sound(library, settings);
    const gorvo::platform::SoundStart started = sound.start(kServerDriverMode);
    if (!started.go_on) {
        gorvo::bench::print_missing("sound_server_latency_ms", "ms",
                                    "the sound did not start: " + started.message);
        return 0;
    }
    Run run = measure(library, sound, recording, long_wav);
    run.buffer_frames = gorvo::platform::SdlMixerLibrary::kBufferFrames;
    sound.shutdown();
    report(run, "a PulseAudio server of its own");
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The server and the recorder are run as Qt processes.
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gorvo250-bench-sound-server <program folder>\n");
        return 2;
    }
    return bench(argv[1]);
}

// What the sound tests need around the real library: a scratch folder, environment and working
// directory changes that undo themselves, test WAV files and the disk driver's output.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/ports.h"

namespace gorvo::test {

// What the game says when the chain sample cannot be used.
inline const std::string kFolderMessage =
    "Sound folder unproperly installed. Please reinstall the game.";

namespace fs = std::filesystem;

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// Sets (or, with nullopt, removes) an environment variable until the end of the scope.
class ScopedEnv {
  public:
    ScopedEnv(std::string name, std::optional<std::string> value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

class ScopedCwd {
  public:
    explicit ScopedCwd(const fs::path& dir);
    ~ScopedCwd();
    ScopedCwd(const ScopedCwd&) = delete;
    ScopedCwd& operator=(const ScopedCwd&) = delete;

  private:
    fs::path old_;
};

// Test samples are in the mixer's own format (22050 Hz, 16-bit stereo), so the output of the
// disk driver holds them unchanged: a sample of constant level shows as frames of that level.
constexpr int kRate = 22050;
constexpr int kFrameBytes = 4;

void write_constant_wav(const fs::path& file, int frames, std::int16_t level);
// Sound/<name>.wav for all ten sounds under dir, except the one given; each a constant level.
void write_sound_folder(const fs::path& dir, int frames, std::int16_t level,
                        std::optional<Sound> except = std::nullopt);

// Waits (polling, at most `limit`) until the file holds at least `bytes`; false on time-out.
bool wait_for_size(const fs::path& file, std::uintmax_t bytes, std::chrono::seconds limit);
// The left-channel values of a raw 16-bit stereo file.
std::vector<std::int16_t> read_left_channel(const fs::path& file);

}  // namespace gorvo::test

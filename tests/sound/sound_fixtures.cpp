#include "sound_fixtures.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace gorvo::test {

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "gorvo-sound-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

ScopedEnv::ScopedEnv(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) old_ = old;
    if (value) {
        setenv(name_.c_str(), value->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

ScopedEnv::~ScopedEnv() {
    if (old_) {
        setenv(name_.c_str(), old_->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

ScopedCwd::ScopedCwd(const fs::path& dir) : old_(fs::current_path()) {
    fs::current_path(dir);
}

ScopedCwd::~ScopedCwd() {
    std::error_code ignored;
    fs::current_path(old_, ignored);
}

namespace {

void put_u32(std::ofstream& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void put_u16(std::ofstream& out, std::uint16_t v) {
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
}

}  // namespace

void write_constant_wav(const fs::path& file, int frames, std::int16_t level) {
    const auto data_bytes = static_cast<std::uint32_t>(frames) * kFrameBytes;
    std::ofstream out(file, std::ios::binary);
    out.write("RIFF", 4);
    put_u32(out, 36 + data_bytes);
    out.write("WAVEfmt ", 8);
    put_u32(out, 16);
    put_u16(out, 1);  // PCM
    put_u16(out, 2);  // stereo
    put_u32(out, kRate);
    put_u32(out, kRate * kFrameBytes);
    put_u16(out, kFrameBytes);
    put_u16(out, 16);
    out.write("data", 4);
    put_u32(out, data_bytes);
    const auto raw = static_cast<std::uint16_t>(level);
    for (int i = 0; i < frames * 2; ++i)
        put_u16(out, raw);
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void write_sound_folder(const fs::path& dir, int frames, std::int16_t level,
                        std::optional<Sound> except) {
    fs::create_directories(dir / "Sound");
    for (int i = 0; i < kSoundCount; ++i) {
        const auto s = static_cast<Sound>(i);
        if (except && *except == s) continue;
        write_constant_wav(dir / "Sound" / (std::string(sound_name(s)) + ".wav"), frames, level);
    }
}

bool wait_for_size(const fs::path& file, std::uintmax_t bytes, std::chrono::seconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < until) {
        std::error_code ec;
        if (fs::file_size(file, ec) >= bytes && !ec) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::vector<std::int16_t> read_left_channel(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::int16_t> left;
    char frame[kFrameBytes];
    while (in.read(frame, kFrameBytes)) {
        const auto lo = static_cast<std::uint8_t>(frame[0]);
        const auto hi = static_cast<std::uint8_t>(frame[1]);
        left.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8))));
    }
    return left;
}

}  // namespace gorvo::test

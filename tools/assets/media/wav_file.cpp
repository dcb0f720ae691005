#include "wav_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace gorvo::media {

namespace {

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void put_u16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put_tag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> wav_bytes(const std::vector<std::int16_t>& samples, int rate) {
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBits = 16;
    constexpr std::uint16_t kBlockAlign = kChannels * kBits / 8;
    const auto data_size = static_cast<std::uint32_t>(samples.size() * kBlockAlign);
    std::vector<std::uint8_t> out;
    out.reserve(44 + data_size);
    put_tag(out, "RIFF");
    put_u32(out, 36 + data_size);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put_u32(out, 16);
    put_u16(out, 1);  // PCM
    put_u16(out, kChannels);
    put_u32(out, static_cast<std::uint32_t>(rate));
    put_u32(out, static_cast<std::uint32_t>(rate) * kBlockAlign);
    put_u16(out, kBlockAlign);
    put_u16(out, kBits);
    put_tag(out, "data");
    put_u32(out, data_size);
    for (std::int16_t s : samples)
        put_u16(out, static_cast<std::uint16_t>(s));
    return out;
}

std::string write_wav(const std::string& path, const std::vector<std::int16_t>& samples, int rate) {
    const auto bytes = wav_bytes(samples, rate);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return "cannot create " + path + ": " + std::strerror(errno);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) return "cannot write " + path + ": " + std::strerror(errno);
    return {};
}

}  // namespace gorvo::media

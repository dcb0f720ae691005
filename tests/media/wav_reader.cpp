#include "wav_reader.h"

#include <fstream>
#include <iterator>

namespace gorvo::media::test {

namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16) |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

int u16(const std::vector<std::uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8;
}

bool tag_at(const std::vector<std::uint8_t>& b, size_t at, const char* tag) {
    return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4) ==
           tag;
}

}  // namespace

WavInfo read_wav(const std::vector<std::uint8_t>& b) {
    WavInfo w;
    if (b.size() < 12 || !tag_at(b, 0, "RIFF") || !tag_at(b, 8, "WAVE")) {
        w.error = "not a RIFF/WAVE file";
        return w;
    }
    if (u32(b, 4) != b.size() - 8) w.error = "RIFF size does not match the file";
    bool have_format = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const size_t size = u32(b, at + 4);
        const size_t body = at + 8;
        if (body + size > b.size()) {
            w.error = "chunk runs past the end";
            return w;
        }
        if (tag_at(b, at, "fmt ") && size >= 16) {
            have_format = true;
            w.format = u16(b, body);
            w.channels = u16(b, body + 2);
            w.rate = static_cast<int>(u32(b, body + 4));
            w.bits = u16(b, body + 14);
        } else if (tag_at(b, at, "data") && w.bits == 16) {
            for (size_t i = body; i + 1 < body + size; i += 2)
                w.samples.push_back(static_cast<std::int16_t>(u16(b, i)));
        }
        at = body + size + (size & 1);
    }
    if (!have_format) w.error = "no fmt chunk";
    return w;
}

WavInfo read_wav_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        WavInfo w;
        w.error = "cannot open " + path;
        return w;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    return read_wav(bytes);
}

double zero_crossing_hz(const std::vector<std::int16_t>& s, size_t from, size_t to, int rate) {
    int crossings = 0;
    for (size_t i = from + 1; i < to && i < s.size(); ++i)
        if ((s[i - 1] < 0) != (s[i] < 0)) ++crossings;
    const double seconds = static_cast<double>(to - from) / rate;
    return crossings / 2.0 / seconds;
}

}  // namespace gorvo::media::test

// Helpers for the picture decoder tests: a small JSON reader for the corpus manifest, PAM
// files, and building picture files in memory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/picture.h"

namespace gorvo::test {

// A parsed JSON value; only what the manifest needs.
struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> fields;

    const Json* find(const std::string& key) const;
    std::string string_or(const std::string& key, const std::string& fallback) const;
    std::optional<double> number_at(const std::string& key) const;
};

// Parses a JSON document; nullopt (and a reason in error) when it is not valid JSON.
std::optional<Json> parse_json(const std::string& text, std::string& error);

std::vector<std::uint8_t> read_bytes(const std::filesystem::path& file);

// A PAM file with TUPLTYPE RGB_ALPHA, 8 bits; nullopt when unreadable.
std::optional<Picture> read_pam(const std::filesystem::path& file);

// Little-endian writers for building headers by hand.
void put_u16(std::vector<std::uint8_t>& out, std::uint32_t value);
void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value);

// A BMP file built field by field. Palette entries are 0x00RRGGBB; masks are written after a
// 40-byte header for bit-field compression, inside larger headers otherwise.
struct BmpSpec {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t header_size = 40;
    std::vector<std::uint32_t> palette;
    std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    std::vector<std::uint8_t> pixels;       // stored rows, as written to the file
};
std::vector<std::uint8_t> make_bmp(const BmpSpec& spec);

// An icon file holding the given entries (each a bitmap without file header, or a PNG file).
std::vector<std::uint8_t> make_ico(const std::vector<std::vector<std::uint8_t>>& entries);

// A file of the corpus, or of the test data folder.
std::vector<std::uint8_t> corpus_file(const std::string& name);

// RGBA of one pixel as a short text, for readable failure messages.
std::string pixel_text(const Picture& picture, int x, int y);

}  // namespace gorvo::test

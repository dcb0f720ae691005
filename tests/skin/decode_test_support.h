// Helpers for the picture decoder tests: the corpus manifest, PAM files, and picture files
// built in memory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/picture.h"

namespace gorvo::test {

// One manifest entry's scalar fields as text ("32", "accept", "true"); fields of the nested
// header object as "header.width".
using ManifestEntry = std::map<std::string, std::string>;
std::vector<ManifestEntry> read_manifest(const std::filesystem::path& file);

std::vector<std::uint8_t> read_bytes(const std::filesystem::path& file);
std::vector<std::uint8_t> corpus_file(const std::string& name);

// A PAM file with TUPLTYPE RGB_ALPHA, 8 bits; nullopt when unreadable.
std::optional<Picture> read_pam(const std::filesystem::path& file);

// A BMP file (40-byte header, or 124 with masks inside). Palette entries are 0x00RRGGBB;
// masks (red, green, blue, alpha) follow a 40-byte header when compression is bit fields.
struct BmpFields {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t header_size = 40;
    std::vector<std::uint32_t> palette;
    std::uint32_t masks[4] = {0, 0, 0, 0};
    std::vector<std::uint8_t> pixels;  // as stored in the file
};
std::vector<std::uint8_t> make_bmp(const BmpFields& bmp);

// An icon file holding the given entries (bitmaps without file header, or PNG files).
std::vector<std::uint8_t> make_ico(const std::vector<std::vector<std::uint8_t>>& entries);

// RGBA of one pixel as text, for readable expectations: "(255,0,0,255)".
std::string pixel_text(const Picture& picture, int x, int y);

}  // namespace gorvo::test

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

// RGBA of one pixel as a short text, for readable failure messages.
std::string pixel_text(const Picture& picture, int x, int y);

}  // namespace gorvo::test

#include "decode_test_support.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>

namespace gorvo::test {
namespace {

// A JSON string's content (escapes reduced to the escaped character) or a bare literal;
// leaves at on the token's last character.
std::string json_token(const std::string& text, std::size_t& at) {
    std::string token;
    if (text[at] == '"') {
        while (++at < text.size() && text[at] != '"') {
            if (text[at] == '\\') ++at;
            if (at < text.size()) token += text[at];
        }
        return token;
    }
    while (at < text.size() &&
           std::string_view(",:}] \t\r\n").find(text[at]) == std::string::npos) {
        token += text[at++];
    }
    --at;
    return token;
}

void put_u16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put_u16(out, value & 0xFFFF);
    put_u16(out, value >> 16);
}

}  // namespace

// Walks the document keeping the key of every open object; entries are the objects three
// levels down (document, "entries" array, entry).
std::vector<ManifestEntry> read_manifest(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = read_bytes(file);
    const std::string text(bytes.begin(), bytes.end());
    std::vector<ManifestEntry> entries;
    std::vector<std::string> open;
    std::string key;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '{' || c == '[') {
            open.push_back(key);
            if (c == '{' && open.size() == 3) entries.emplace_back();
            key.clear();
        } else if ((c == '}' || c == ']') && !open.empty()) {
            open.pop_back();
        } else if (c == '"' || c == '-' || std::isalnum(static_cast<unsigned char>(c))) {
            const std::string token = json_token(text, at);
            std::size_t next = at + 1;
            while (next < text.size() && std::isspace(static_cast<unsigned char>(text[next])))
                ++next;
            if (next < text.size() && text[next] == ':') {
                key = token;
                continue;
            }
            if (!entries.empty() && open.size() == 3) entries.back()[key] = token;
            if (!entries.empty() && open.size() == 4 && open[3] == "header") {
                entries.back()["header." + key] = token;
            }
            key.clear();
        }
    }
    return entries;
}

std::vector<std::uint8_t> read_bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> corpus_file(const std::string& name) {
    return read_bytes(std::filesystem::path(GORVO_CORPUS_DIR) / name);
}

std::optional<Picture> read_pam(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = read_bytes(file);
    const std::string text(bytes.begin(), bytes.end());
    const std::size_t end = text.find("ENDHDR\n");
    if (text.rfind("P7\n", 0) != 0 || end == std::string::npos) return std::nullopt;
    std::istringstream header(text.substr(3, end - 3));
    Picture picture;
    std::map<std::string, std::string> fields;
    for (std::string key, value; header >> key >> value;)
        fields[key] = value;
    picture.width = std::stoi(fields["WIDTH"]);
    picture.height = std::stoi(fields["HEIGHT"]);
    const std::size_t data = end + 7;
    if (fields["DEPTH"] != "4" || fields["MAXVAL"] != "255" ||
        bytes.size() != data + static_cast<std::size_t>(picture.width) * picture.height * 4) {
        return std::nullopt;
    }
    picture.rgba.assign(bytes.begin() + static_cast<std::ptrdiff_t>(data), bytes.end());
    return picture;
}

std::vector<std::uint8_t> make_bmp(const BmpFields& bmp) {
    const bool masks_after = bmp.header_size == 40 && bmp.compression == 3;
    const std::uint32_t extra =
        (masks_after ? 12 : 0) + static_cast<std::uint32_t>(bmp.palette.size() * 4);
    const std::uint32_t offset = 14 + bmp.header_size + extra;
    std::vector<std::uint8_t> out = {'B', 'M'};
    for (std::uint32_t field :
         {offset + static_cast<std::uint32_t>(bmp.pixels.size()), 0u, offset, bmp.header_size,
          static_cast<std::uint32_t>(bmp.width), static_cast<std::uint32_t>(bmp.height)}) {
        put_u32(out, field);
    }
    put_u16(out, 1);
    put_u16(out, bmp.bits);
    for (std::uint32_t field :
         {bmp.compression, 0u, 2835u, 2835u, static_cast<std::uint32_t>(bmp.palette.size()), 0u}) {
        put_u32(out, field);
    }
    const int mask_count = masks_after ? 3 : bmp.header_size >= 56 ? 4 : 0;
    for (int i = 0; i < mask_count; ++i)
        put_u32(out, bmp.masks[i]);
    out.resize(14 + bmp.header_size + (masks_after ? 12 : 0), 0);
    for (std::uint32_t colour : bmp.palette)
        put_u32(out, colour);
    out.insert(out.end(), bmp.pixels.begin(), bmp.pixels.end());
    return out;
}

std::vector<std::uint8_t> make_ico(const std::vector<std::vector<std::uint8_t>>& entries) {
    std::vector<std::uint8_t> out;
    put_u16(out, 0);
    put_u16(out, 1);
    put_u16(out, static_cast<std::uint32_t>(entries.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const auto& entry : entries) {
        put_u32(out, 0);  // listed size 0 x 0: readers must look at the data itself
        put_u16(out, 1);
        put_u16(out, 32);
        put_u32(out, static_cast<std::uint32_t>(entry.size()));
        put_u32(out, offset);
        offset += static_cast<std::uint32_t>(entry.size());
    }
    for (const auto& entry : entries)
        out.insert(out.end(), entry.begin(), entry.end());
    return out;
}

std::string pixel_text(const Picture& picture, int x, int y) {
    const std::uint8_t* p = picture.pixel(x, y);
    return "(" + std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]) +
           "," + std::to_string(p[3]) + ")";
}

}  // namespace gorvo::test

#include "decode_test_support.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace gorvo::test {
namespace {

class JsonParser {
  public:
    explicit JsonParser(const std::string& text) : text_(text) {}

    bool parse(Json& out) {
        if (!value(out)) return false;
        skip_space();
        return at_ == text_.size() || fail("text after the document");
    }
    std::string error;

  private:
    bool fail(const std::string& why) {
        if (error.empty()) error = why + " at offset " + std::to_string(at_);
        return false;
    }
    void skip_space() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }
    bool literal(const char* word) {
        const std::string w(word);
        if (text_.compare(at_, w.size(), w) != 0) return fail("unknown literal");
        at_ += w.size();
        return true;
    }
    bool value(Json& out) {
        skip_space();
        if (at_ >= text_.size()) return fail("unexpected end");
        const char c = text_[at_];
        if (c == '{') return object(out);
        if (c == '[') return array(out);
        if (c == '"') {
            out.kind = Json::Kind::String;
            return string(out.text);
        }
        if (c == 't' || c == 'f') {
            out.kind = Json::Kind::Bool;
            out.boolean = c == 't';
            return literal(c == 't' ? "true" : "false");
        }
        if (c == 'n') return literal("null");
        return number(out);
    }
    bool number(Json& out) {
        const char* start = text_.c_str() + at_;
        char* end = nullptr;
        out.number = std::strtod(start, &end);
        if (end == start) return fail("bad value");
        out.kind = Json::Kind::Number;
        at_ += static_cast<std::size_t>(end - start);
        return true;
    }
    bool string(std::string& out) {
        ++at_;  // opening quote
        while (at_ < text_.size() && text_[at_] != '"') {
            char c = text_[at_++];
            if (c == '\\') {
                if (at_ >= text_.size()) return fail("bad escape");
                c = text_[at_++];
                if (c == 'u') {
                    // Non-ASCII text only appears in notes: keep a placeholder.
                    if (at_ + 4 > text_.size()) return fail("bad escape");
                    at_ += 4;
                    c = '?';
                } else if (c == 'n') {
                    c = '\n';
                } else if (c == 't') {
                    c = '\t';
                }
            }
            out.push_back(c);
        }
        if (at_ >= text_.size()) return fail("unterminated string");
        ++at_;
        return true;
    }
    bool array(Json& out) {
        out.kind = Json::Kind::Array;
        ++at_;
        skip_space();
        if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
        while (true) {
            Json item;
            if (!value(item)) return false;
            out.items.push_back(std::move(item));
            skip_space();
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
            return fail("expected , or ]");
        }
    }
    bool object(Json& out) {
        out.kind = Json::Kind::Object;
        ++at_;
        skip_space();
        if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
        while (true) {
            skip_space();
            std::string key;
            if (at_ >= text_.size() || text_[at_] != '"' || !string(key))
                return fail("expected key");
            skip_space();
            if (at_ >= text_.size() || text_[at_] != ':') return fail("expected :");
            ++at_;
            Json item;
            if (!value(item)) return false;
            out.fields.emplace(std::move(key), std::move(item));
            skip_space();
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
            return fail("expected , or }");
        }
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

// The next token of a PAM header line set.
bool header_token(std::istream& in, std::string& token) {
    while (in >> token) {
        if (token[0] != '#') return true;
        std::string rest;
        std::getline(in, rest);
    }
    return false;
}

}  // namespace

const Json* Json::find(const std::string& key) const {
    auto it = fields.find(key);
    return it == fields.end() ? nullptr : &it->second;
}

std::string Json::string_or(const std::string& key, const std::string& fallback) const {
    const Json* v = find(key);
    return v != nullptr && v->kind == Kind::String ? v->text : fallback;
}

std::optional<double> Json::number_at(const std::string& key) const {
    const Json* v = find(key);
    if (v == nullptr || v->kind != Kind::Number) return std::nullopt;
    return v->number;
}

std::optional<Json> parse_json(const std::string& text, std::string& error) {
    JsonParser parser(text);
    Json out;
    if (!parser.parse(out)) {
        error = parser.error;
        return std::nullopt;
    }
    return out;
}

std::vector<std::uint8_t> read_bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<Picture> read_pam(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = read_bytes(file);
    const std::string text(bytes.begin(), bytes.end());
    const std::size_t end = text.find("ENDHDR\n");
    if (text.rfind("P7\n", 0) != 0 || end == std::string::npos) return std::nullopt;
    std::istringstream header(text.substr(3, end - 3));
    Picture picture;
    int depth = 0, maxval = 0;
    std::string key, value;
    while (header_token(header, key) && header_token(header, value)) {
        if (key == "WIDTH") picture.width = std::stoi(value);
        if (key == "HEIGHT") picture.height = std::stoi(value);
        if (key == "DEPTH") depth = std::stoi(value);
        if (key == "MAXVAL") maxval = std::stoi(value);
    }
    const std::size_t size = static_cast<std::size_t>(picture.width) * picture.height * 4;
    const std::size_t data = end + 7;
    if (depth != 4 || maxval != 255 || bytes.size() != data + size) return std::nullopt;
    picture.rgba.assign(bytes.begin() + static_cast<std::ptrdiff_t>(data), bytes.end());
    return picture;
}

void put_u16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put_u16(out, value & 0xFFFF);
    put_u16(out, value >> 16);
}

std::vector<std::uint8_t> make_bmp(const BmpSpec& spec) {
    const bool masks_after =
        spec.header_size == 40 && (spec.compression == 3 || spec.compression == 6);
    const std::uint32_t mask_bytes = masks_after ? (spec.compression == 6 ? 16 : 12) : 0;
    const auto palette_bytes = static_cast<std::uint32_t>(spec.palette.size() * 4);
    const std::uint32_t offset = 14 + spec.header_size + mask_bytes + palette_bytes;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put_u32(out, offset + static_cast<std::uint32_t>(spec.pixels.size()));
    put_u32(out, 0);
    put_u32(out, offset);
    put_u32(out, spec.header_size);
    put_u32(out, static_cast<std::uint32_t>(spec.width));
    put_u32(out, static_cast<std::uint32_t>(spec.height));
    put_u16(out, 1);
    put_u16(out, spec.bits);
    put_u32(out, spec.compression);
    put_u32(out, static_cast<std::uint32_t>(spec.pixels.size()));
    put_u32(out, 2835);
    put_u32(out, 2835);
    put_u32(out, static_cast<std::uint32_t>(spec.palette.size()));
    put_u32(out, 0);
    // Masks: inside headers of 52 bytes and more (alpha from 56), else after a 40-byte one.
    const int mask_count = masks_after              ? static_cast<int>(mask_bytes / 4)
                           : spec.header_size >= 56 ? 4
                           : spec.header_size >= 52 ? 3
                                                    : 0;
    for (int i = 0; i < mask_count; ++i)
        put_u32(out, spec.masks[i]);
    out.resize(14 + spec.header_size + mask_bytes, 0);
    for (std::uint32_t colour : spec.palette)
        put_u32(out, colour);
    out.insert(out.end(), spec.pixels.begin(), spec.pixels.end());
    return out;
}

std::vector<std::uint8_t> make_ico(const std::vector<std::vector<std::uint8_t>>& entries) {
    std::vector<std::uint8_t> out;
    put_u16(out, 0);
    put_u16(out, 1);
    put_u16(out, static_cast<std::uint32_t>(entries.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const auto& entry : entries) {
        // The directory's own size bytes are left at 0: readers must look at the data.
        put_u32(out, 0);
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

std::vector<std::uint8_t> corpus_file(const std::string& name) {
    return read_bytes(std::filesystem::path(GORVO_CORPUS_DIR) / name);
}

std::string pixel_text(const Picture& picture, int x, int y) {
    const std::uint8_t* p = picture.pixel(x, y);
    return "(" + std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]) +
           "," + std::to_string(p[3]) + ")";
}

}  // namespace gorvo::test

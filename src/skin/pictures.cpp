#include "skin/pictures.h"

#include <fstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "skin/decode_bmp.h"
#include "skin/decode_ico.h"
#include "skin/decode_jpeg.h"
#include "skin/decode_png.h"
#include "skin/picture_limits.h"

namespace gorvo::skin {
namespace {

// No picture this program accepts needs a larger file; reading one would only waste time.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{512} << 20;

using Decoder = DecodeResult (*)(Bytes);

struct Format {
    std::string_view extension;
    std::string_view name;
    Decoder decoder;  // null: a format refused with a message
};

constexpr Format kFormats[] = {
    {"png", "PNG", decode_png}, {"jpg", "JPEG", decode_jpeg}, {"jpeg", "JPEG", decode_jpeg},
    {"bmp", "BMP", decode_bmp}, {"ico", "ICO", decode_ico},   {"wmf", "WMF", nullptr},
    {"emf", "EMF", nullptr},
};

// The text after the file name's last dot, as written; empty when the name has no dot. Both
// separators count, so a dot in a folder name is never taken for an extension.
std::string extension_of(const std::filesystem::path& file) {
    const std::string text = file.string();
    const std::size_t name_start = text.find_last_of("/\\");
    const std::size_t dot = text.find_last_of('.');
    if (dot == std::string::npos || (name_start != std::string::npos && dot < name_start))
        return {};
    return text.substr(dot + 1);
}

bool same_without_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

const Format* format_for(std::string_view extension) {
    for (const Format& format : kFormats) {
        if (same_without_case(format.extension, extension)) return &format;
    }
    return nullptr;
}

// Reads the whole file; on failure returns the reason.
std::string read_file(const std::filesystem::path& file, std::vector<std::uint8_t>& out) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) return "it is a folder";
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) return error.message();
    if (size > kMaxFileBytes) return "the file is too large";
    std::ifstream in(file, std::ios::binary);
    if (!in) return "the file cannot be opened";
    out.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) return "the file cannot be read";
    return {};
}

}  // namespace

DecodeResult load_picture(const std::filesystem::path& file) {
    const std::string extension = extension_of(file);
    const Format* format = format_for(extension);
    if (format == nullptr)
        return DecodeResult::failure("Unknown picture file extension (." + extension + ")");
    const std::string quoted = "'" + file.string() + "'";
    if (format->decoder == nullptr) {
        return DecodeResult::failure(
            "Cannot show picture " + quoted + ": " + std::string(format->name) +
            " pictures (Windows metafiles) are not supported; please use PNG");
    }
    std::vector<std::uint8_t> bytes;
    if (std::string problem = read_file(file, bytes); !problem.empty()) {
        return DecodeResult::failure("Cannot read picture file " + quoted + ": " + problem);
    }
    DecodeResult result = format->decoder(bytes);
    if (!result) {
        result.error = "Cannot decode " + std::string(format->name) + " picture " + quoted + ": " +
                       result.error;
    }
    return result;
}

std::shared_ptr<Picture> placeholder_picture() {
    constexpr int kSide = 10;
    auto picture = allocate_picture(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const bool outline = x == 0 || y == 0 || x == kSide - 1 || y == kSide - 1;
            picture->pixel(x, y)[0] = outline ? 0 : 255;
        }
    }
    return picture;
}

void apply_colour_key(Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return;
    const std::uint8_t* key = picture.pixel(0, picture.height - 1);
    const std::uint8_t r = key[0], g = key[1], b = key[2];
    for (std::size_t i = 0; i + 3 < picture.rgba.size(); i += 4) {
        if (picture.rgba[i] == r && picture.rgba[i + 1] == g && picture.rgba[i + 2] == b) {
            picture.rgba[i + 3] = 0;
        }
    }
    picture.has_alpha = true;
}

}  // namespace gorvo::skin

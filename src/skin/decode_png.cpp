#include "skin/decode_png.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include "skin/picture_limits.h"

namespace gorvo::skin {
namespace {

// Everything libpng's callbacks touch. It outlives the functions that call setjmp, so a
// longjmp never skips a destructor: those functions hold nothing but plain pointers.
struct PngReader {
    Bytes bytes;
    std::size_t position = 0;
    png_structp png = nullptr;
    png_infop info = nullptr;
    char message[200] = {};

    // Header facts, valid after read_header succeeded.
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    bool has_alpha = false;
    std::size_t row_bytes = 0;

    ~PngReader() {
        if (png != nullptr)
            png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
    }
};

PngReader& reader_of(png_structp png) {
    return *static_cast<PngReader*>(png_get_io_ptr(png));
}

void on_error(png_structp png, png_const_charp message) {
    auto* reader = static_cast<PngReader*>(png_get_error_ptr(png));
    std::snprintf(reader->message, sizeof reader->message, "%s", message);
    png_longjmp(png, 1);
}

// Warnings concern ancillary chunks that libpng has already dropped; the pixels are intact.
void on_warning(png_structp, png_const_charp) {}

// Ancillary chunks that say nothing about the stored samples: text, colour management,
// histograms, physical size, time, Exif. tRNS stays: it is transparency.
constexpr png_byte kUnusedChunks[] =
    "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0"
    "pHYs\0sBIT\0sCAL\0sPLT\0sRGB\0sTER\0tEXt\0tIME\0zTXt";

void on_read(png_structp png, png_bytep out, png_size_t count) {
    PngReader& reader = reader_of(png);
    if (count > reader.bytes.size() - reader.position) png_error(png, "unexpected end of file");
    std::memcpy(out, reader.bytes.data() + reader.position, count);
    reader.position += count;
}

// Asks for 8-bit RGBA whatever the stored format, as stored (no gamma).
void request_rgba(png_structp png, png_infop info, PngReader& reader) {
    const png_byte colour_type = png_get_color_type(png, info);
    reader.has_alpha =
        (colour_type & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_set_expand(png);
    png_set_strip_16(png);
    if ((colour_type & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
    if (!reader.has_alpha) png_set_filler(png, 0xff, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

// Reads the header and settles the output format. Holds no object with a destructor.
bool read_header(PngReader* reader) {
    if (setjmp(png_jmpbuf(reader->png)) != 0) return false;
    png_set_read_fn(reader->png, reader, on_read);
    png_set_user_limits(reader->png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    png_set_chunk_malloc_max(reader->png, png_alloc_size_t{8} << 20);
    // libpng only warns about a chunk over that limit and then allocates its claimed length
    // (up to 2 GiB for a few bytes of file). Chunks that never reach the pixels are passed over
    // in small reads instead of being kept.
    png_set_keep_unknown_chunks(reader->png, PNG_HANDLE_CHUNK_NEVER, kUnusedChunks,
                                sizeof kUnusedChunks / 5);
    png_read_info(reader->png, reader->info);
    reader->width = png_get_image_width(reader->png, reader->info);
    reader->height = png_get_image_height(reader->png, reader->info);
    return true;
}

bool settle_format(PngReader* reader) {
    if (setjmp(png_jmpbuf(reader->png)) != 0) return false;
    request_rgba(reader->png, reader->info, *reader);
    reader->row_bytes = png_get_rowbytes(reader->png, reader->info);
    return true;
}

// Decodes every row into rows prepared by the caller. The file's end (IEND and anything after
// the image data) is not read: a picture whose pixels are all there is usable.
bool read_rows(PngReader* reader, png_bytepp rows) {
    if (setjmp(png_jmpbuf(reader->png)) != 0) return false;
    png_read_image(reader->png, rows);
    return true;
}

DecodeResult damaged(const PngReader& reader) {
    return DecodeResult::failure(std::string("damaged data (") + reader.message + ")");
}

}  // namespace

DecodeResult decode_png(Bytes bytes) {
    if (bytes.empty()) return DecodeResult::failure("the file is empty");
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0)
        return DecodeResult::failure("not a PNG file");

    PngReader reader;
    reader.bytes = bytes;
    reader.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &reader, on_error, on_warning);
    if (reader.png != nullptr) reader.info = png_create_info_struct(reader.png);
    if (reader.info == nullptr) return DecodeResult::failure("out of memory");

    if (!read_header(&reader)) return damaged(reader);
    const std::string size_problem = picture_size_problem(reader.width, reader.height);
    if (!size_problem.empty()) return DecodeResult::failure(size_problem);
    if (!settle_format(&reader)) return damaged(reader);
    if (reader.row_bytes != std::size_t{reader.width} * 4)
        return DecodeResult::failure("unsupported pixel format");

    auto picture =
        allocate_picture(static_cast<int>(reader.width), static_cast<int>(reader.height));
    picture->has_alpha = reader.has_alpha;
    std::vector<png_bytep> rows(reader.height);
    for (png_uint_32 y = 0; y < reader.height; ++y)
        rows[y] = picture->pixel(0, static_cast<int>(y));
    if (!read_rows(&reader, rows.data())) return damaged(reader);
    return DecodeResult{picture, {}};
}

}  // namespace gorvo::skin

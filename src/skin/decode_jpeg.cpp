#include "skin/decode_jpeg.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <cstddef>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>

#include "skin/picture_limits.h"

namespace gorvo::skin {
namespace {

// A progressive file may hold any number of scans, each a full pass over the picture; real
// encoders write about a dozen. Far more is a file made to keep the decoder busy.
constexpr int kMaxScans = 500;
// Progressive pictures keep all coefficients in memory: about 2 bytes per sample.
constexpr long kMaxLibraryMemory = 768L << 20;

struct ErrorManager {
    jpeg_error_mgr pub;  // first, so that libjpeg's pointer to it is a pointer to this
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool end_may_be_missing;
};

// Everything libjpeg's callbacks touch. It outlives the functions that call setjmp, so a
// longjmp never skips a destructor: those functions hold nothing but plain pointers.
struct JpegReader {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    jpeg_progress_mgr progress{};
    bool created = false;

    ~JpegReader() {
        if (created) jpeg_destroy_decompress(&cinfo);
    }
};

ErrorManager& errors_of(j_common_ptr cinfo) {
    return *reinterpret_cast<ErrorManager*>(cinfo->err);
}

[[noreturn]] void on_error(j_common_ptr cinfo) {
    ErrorManager& errors = errors_of(cinfo);
    errors.pub.format_message(cinfo, errors.message);
    std::longjmp(errors.jump, 1);
}

// libjpeg reports damaged scan data only as a warning and fills the damage with grey; a skin
// picture like that is refused. One warning is tolerated: the end of the file while the scan
// lines of a single-scan picture are read. libjpeg reads ahead and supplies the missing
// end-of-image marker itself; had pixel data been missing, a second warning ("premature end
// of data segment") follows and refuses the file. In a multi-scan file the end can come between
// scans, leaving a blurred picture, so it is refused there.
void on_message(j_common_ptr cinfo, int level) {
    if (level >= 0) return;  // trace output
    if (cinfo->err->msg_code == JWRN_JPEG_EOF && errors_of(cinfo).end_may_be_missing) {
        cinfo->err->num_warnings++;
        return;
    }
    on_error(cinfo);
}

void on_progress(j_common_ptr cinfo) {
    if (!cinfo->is_decompressor) return;
    auto* decompressor = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompressor->input_scan_number > kMaxScans) {
        ErrorManager& errors = errors_of(cinfo);
        std::snprintf(errors.message, sizeof errors.message, "Too many scans (over %d)", kMaxScans);
        std::longjmp(errors.jump, 1);
    }
}

// Reads the header and chooses the output colour space. Holds no object with a destructor.
bool read_header(JpegReader* reader, Bytes bytes) {
    reader->cinfo.err = jpeg_std_error(&reader->errors.pub);
    reader->errors.pub.error_exit = on_error;
    reader->errors.pub.emit_message = on_message;
    if (setjmp(reader->errors.jump) != 0) return false;
    jpeg_create_decompress(&reader->cinfo);
    reader->created = true;
    reader->cinfo.mem->max_memory_to_use = kMaxLibraryMemory;
    reader->progress.progress_monitor = on_progress;
    reader->cinfo.progress = &reader->progress;
    jpeg_mem_src(&reader->cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&reader->cinfo, TRUE);
    switch (reader->cinfo.jpeg_color_space) {
        case JCS_GRAYSCALE:
            reader->cinfo.out_color_space = JCS_GRAYSCALE;
            break;
        case JCS_CMYK:
        case JCS_YCCK:
            reader->cinfo.out_color_space = JCS_CMYK;
            break;
        default:
            reader->cinfo.out_color_space = JCS_RGB;
            break;
    }
    return true;
}

std::uint8_t scale(unsigned a, unsigned b) {
    return static_cast<std::uint8_t>((a * b + 127) / 255);
}

// One decoded row into RGBA. CMYK as written by Adobe software is stored inverted (255 - C);
// without that marker the values are the plain inks.
void convert_row(const jpeg_decompress_struct& cinfo, const JSAMPLE* in, std::uint8_t* out) {
    const bool inverted = cinfo.saw_Adobe_marker != 0;
    for (JDIMENSION x = 0; x < cinfo.output_width; ++x, out += 4) {
        switch (cinfo.output_components) {
            case 1:
                out[0] = out[1] = out[2] = in[x];
                break;
            case 3:
                out[0] = in[3 * x];
                out[1] = in[3 * x + 1];
                out[2] = in[3 * x + 2];
                break;
            default: {
                const JSAMPLE* ink = in + 4 * x;
                const unsigned k = inverted ? ink[3] : 255u - ink[3];
                for (int c = 0; c < 3; ++c)
                    out[c] = scale(inverted ? ink[c] : 255u - ink[c], k);
                break;
            }
        }
    }
}

// Decodes every scan line into the picture's buffer. Holds no object with a destructor.
bool read_pixels(JpegReader* reader, std::uint8_t* rgba) {
    if (setjmp(reader->errors.jump) != 0) return false;
    j_decompress_ptr cinfo = &reader->cinfo;
    jpeg_start_decompress(cinfo);
    reader->errors.end_may_be_missing = !jpeg_has_multiple_scans(cinfo);
    // The caller sized the buffer from the header; libjpeg must deliver exactly that.
    if (cinfo->output_width != cinfo->image_width || cinfo->output_height != cinfo->image_height ||
        (cinfo->output_components != 1 && cinfo->output_components != 3 &&
         cinfo->output_components != 4)) {
        std::snprintf(reader->errors.message, sizeof reader->errors.message,
                      "Unsupported output format");
        return false;
    }
    const JDIMENSION row_samples =
        cinfo->output_width * static_cast<JDIMENSION>(cinfo->output_components);
    JSAMPARRAY row = cinfo->mem->alloc_sarray(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                              row_samples, 1);
    const std::size_t stride = std::size_t{cinfo->output_width} * 4;
    while (cinfo->output_scanline < cinfo->output_height) {
        std::uint8_t* out = rgba + std::size_t{cinfo->output_scanline} * stride;
        if (jpeg_read_scanlines(cinfo, row, 1) != 1) return false;
        convert_row(*cinfo, row[0], out);
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

}  // namespace

DecodeResult decode_jpeg(Bytes bytes) {
    if (bytes.empty()) return DecodeResult::failure("the file is empty");
    JpegReader reader;
    if (!read_header(&reader, bytes)) return DecodeResult::failure(reader.errors.message);
    const std::string size_problem =
        picture_size_problem(reader.cinfo.image_width, reader.cinfo.image_height);
    if (!size_problem.empty()) return DecodeResult::failure(size_problem);

    auto picture = allocate_picture(static_cast<int>(reader.cinfo.image_width),
                                    static_cast<int>(reader.cinfo.image_height));
    if (!read_pixels(&reader, picture->rgba.data())) {
        return DecodeResult::failure(reader.errors.message[0] != '\0' ? reader.errors.message
                                                                      : "the file ends too early");
    }
    return DecodeResult{picture, {}};
}

}  // namespace gorvo::skin

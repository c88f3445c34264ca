// JPEG files through libjpeg (IJG API 6): baseline and progressive, grayscale, YCbCr, RGB and
// CMYK/YCCK (Adobe's inverted CMYK), converted to RGB.
//
// libjpeg reports a fatal error by calling error_exit, which must not return. Ours longjmps back
// into the function that made the libjpeg call; those functions hold only plain data, so the
// jump skips no destructor, and the C++ caller turns the failure into EInvalidGraphic with
// libjpeg's message code. libjpeg never writes to stderr and never ends the process.
//
// A file that ends before its picture data is complete is an error, not a picture padded with
// grey: both a premature end of the file and a scan cut short by the next marker are refused.
#include "ui/bitmap.h"

#include "ui/errors.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <string>

// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace ui {
namespace {

// Upper bound for libjpeg's own buffers (the whole-picture coefficients of a progressive file);
// a larger need fails with a JPEG error instead of exhausting memory.
constexpr long kMaxJpegMemory = 512L * 1024 * 1024;
// A progressive file has a handful of scans; thousands only cost time.
constexpr int kMaxScans = 256;

// One decoding: libjpeg's structures and the jump target of error_exit. Plain data only.
struct Decoder {
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    jpeg_source_mgr source;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    int errorCode;
};

Decoder& decoderOf(j_common_ptr info) {
    return *static_cast<Decoder*>(info->client_data);
}

void errorExit(j_common_ptr info) {
    Decoder& decoder = decoderOf(info);
    decoder.errorCode = info->err->msg_code;
    std::longjmp(decoder.jump, 1);
}

// Warnings (level -1) describe damage libjpeg has worked round; those that mean the data ended
// early are errors here. Trace messages (level >= 0) are not wanted.
void emitMessage(j_common_ptr info, int level) {
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_HIT_MARKER || code == JWRN_JPEG_EOF)) errorExit(info);
}

void outputMessage(j_common_ptr) {}

// The source is the whole file in memory: there is never more to fetch.
void initSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr info) {
    ERREXIT(info, JERR_INPUT_EOF);
    return FALSE;
}

void skipInputData(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    jpeg_source_mgr& source = *info->src;
    if (static_cast<unsigned long>(count) > source.bytes_in_buffer) ERREXIT(info, JERR_INPUT_EOF);
    source.next_input_byte += count;
    source.bytes_in_buffer -= static_cast<std::size_t>(count);
}

void termSource(j_decompress_ptr) {}

void progressMonitor(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        ERREXIT(info, JERR_BAD_PROGRESSION);
}

// Sets up libjpeg on `bytes` and reads the header. False when libjpeg failed.
bool readHeader(Decoder& decoder, std::string_view bytes) {
    if (setjmp(decoder.jump)) return false;
    decoder.info.err = jpeg_std_error(&decoder.error);
    decoder.error.error_exit = errorExit;
    decoder.error.emit_message = emitMessage;
    decoder.error.output_message = outputMessage;
    decoder.info.client_data = &decoder;
    jpeg_create_decompress(&decoder.info);
    decoder.info.mem->max_memory_to_use = kMaxJpegMemory;

    decoder.source.next_input_byte = reinterpret_cast<const JOCTET*>(bytes.data());
    decoder.source.bytes_in_buffer = bytes.size();
    decoder.source.init_source = initSource;
    decoder.source.fill_input_buffer = fillInputBuffer;
    decoder.source.skip_input_data = skipInputData;
    decoder.source.resync_to_restart = jpeg_resync_to_restart;
    decoder.source.term_source = termSource;
    decoder.info.src = &decoder.source;
    decoder.progress.progress_monitor = progressMonitor;
    decoder.info.progress = &decoder.progress;

    jpeg_read_header(&decoder.info, TRUE);
    return true;
}

unsigned multiply255(unsigned a, unsigned b) {
    return (a * b + 127) / 255;
}

void convertRow(const JSAMPLE* source, std::uint32_t* target, std::size_t width,
                J_COLOR_SPACE space, bool adobeInverted) {
    for (std::size_t x = 0; x < width; ++x) {
        unsigned r, g, b;
        if (space == JCS_GRAYSCALE) {
            r = g = b = source[x];
        } else if (space == JCS_CMYK) {
            const JSAMPLE* p = source + 4 * x;
            // Adobe stores 255 - ink; others store the ink itself.
            const unsigned c = adobeInverted ? p[0] : 255u - p[0];
            const unsigned m = adobeInverted ? p[1] : 255u - p[1];
            const unsigned y = adobeInverted ? p[2] : 255u - p[2];
            const unsigned k = adobeInverted ? p[3] : 255u - p[3];
            r = multiply255(c, k);
            g = multiply255(m, k);
            b = multiply255(y, k);
        } else {
            const JSAMPLE* p = source + 3 * x;
            r = p[0];
            g = p[1];
            b = p[2];
        }
        target[x] = r << 16 | g << 8 | b;
    }
}

// Decodes the picture whose header readHeader has read into `bitmap`'s pixels, which hold
// width * height entries. False when libjpeg failed.
bool readPixels(Decoder& decoder, Bitmap& bitmap) {
    if (setjmp(decoder.jump)) return false;
    jpeg_decompress_struct& info = decoder.info;
    jpeg_start_decompress(&info);
    if (info.output_width != static_cast<JDIMENSION>(bitmap.width) ||
        info.output_height != static_cast<JDIMENSION>(bitmap.height))
        ERREXIT(&info, JERR_IMAGE_TOO_BIG);
    std::uint32_t* pixels = bitmap.pixels.data();
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    const std::size_t width = info.output_width;
    while (info.output_scanline < info.output_height) {
        std::uint32_t* target = pixels + static_cast<std::size_t>(info.output_scanline) * width;
        if (jpeg_read_scanlines(&info, row, 1) != 1) ERREXIT(&info, JERR_INPUT_EOF);
        convertRow(row[0], target, width, info.out_color_space, info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    return true;
}

[[noreturn]] void jpegError(int code) {
    throw EInvalidGraphic("JPEG error #" + std::to_string(code));
}

struct DecoderGuard {
    Decoder& decoder;
    ~DecoderGuard() { jpeg_destroy_decompress(&decoder.info); }
};

} // namespace

Bitmap decodeJpeg(std::string_view bytes) {
    Decoder decoder{};
    DecoderGuard guard{decoder};
    if (!readHeader(decoder, bytes)) jpegError(decoder.errorCode);

    jpeg_decompress_struct& info = decoder.info;
    if (!pictureSizeAllowed(info.image_width, info.image_height)) jpegError(JERR_IMAGE_TOO_BIG);
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        info.out_color_space = JCS_CMYK;
        break;
    default: // YCbCr and RGB; libjpeg refuses other colour spaces
        info.out_color_space = JCS_RGB;
        break;
    }

    Bitmap bitmap;
    bitmap.width = static_cast<int>(info.image_width);
    bitmap.height = static_cast<int>(info.image_height);
    bitmap.pixels.resize(static_cast<std::size_t>(bitmap.width) *
                         static_cast<std::size_t>(bitmap.height));
    if (!readPixels(decoder, bitmap)) jpegError(decoder.errorCode);
    return bitmap;
}

} // namespace ui

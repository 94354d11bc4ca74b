#include "framework/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace {
// libjpeg reports fatal errors through error_exit, which must not return. C++ exceptions may
// not cross libjpeg's C frames, so the error manager jumps back to DecodeJpeg, which throws.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

void IgnoreMessage(j_common_ptr, int) {}

// Owns the decompressor; jpeg_destroy_decompress is safe at any stage after creation.
struct Decompressor {
    jpeg_decompress_struct Info{};
    ~Decompressor() { jpeg_destroy_decompress(&Info); }
};

// Runs every libjpeg call that may fail. Only trivially destructible locals live here, so the
// long jump skips no destructor.
bool Decode(Decompressor& d, ErrorManager& errors, const uint8_t* data, size_t size,
            TDecodedJpeg& out, std::vector<JSAMPLE>& row) {
    if (setjmp(errors.Jump))
        return false;
    jpeg_create_decompress(&d.Info);
    jpeg_mem_src(&d.Info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&d.Info, TRUE);
    const bool cmyk = d.Info.jpeg_color_space == JCS_CMYK || d.Info.jpeg_color_space == JCS_YCCK;
    d.Info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    if (static_cast<uint64_t>(d.Info.image_width) * d.Info.image_height > kMaxJpegPixels) {
        std::snprintf(errors.Message, sizeof errors.Message, "JPEG picture of %u x %u is too large",
                      d.Info.image_width, d.Info.image_height);
        return false;
    }
    jpeg_start_decompress(&d.Info);
    out.Width = static_cast<int>(d.Info.output_width);
    out.Height = static_cast<int>(d.Info.output_height);
    out.Pixels.assign(static_cast<size_t>(out.Width) * out.Height, 0);
    row.resize(static_cast<size_t>(out.Width) * d.Info.output_components);
    while (d.Info.output_scanline < d.Info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        const JDIMENSION y = d.Info.output_scanline;
        if (jpeg_read_scanlines(&d.Info, rows, 1) != 1)
            break;
        uint32_t* dest = &out.Pixels[static_cast<size_t>(y) * out.Width];
        const JSAMPLE* s = row.data();
        for (int x = 0; x < out.Width; ++x) {
            uint32_t r, g, b;
            if (cmyk) {
                // Adobe writes CMYK inverted: the samples are already 255 - ink.
                const uint32_t k = s[4 * x + 3];
                r = s[4 * x] * k / 255;
                g = s[4 * x + 1] * k / 255;
                b = s[4 * x + 2] * k / 255;
            } else {
                r = s[3 * x];
                g = s[3 * x + 1];
                b = s[3 * x + 2];
            }
            dest[x] = (r << 16) | (g << 8) | b;
        }
    }
    jpeg_finish_decompress(&d.Info);
    return true;
}
} // namespace

TDecodedJpeg DecodeJpeg(const uint8_t* data, size_t size) {
    if (!data || size == 0)
        throw EJpegError("empty JPEG data");
    if (size > static_cast<size_t>(static_cast<unsigned long>(-1)))
        throw EJpegError("JPEG data too large");
    ErrorManager errors{};
    Decompressor d;
    d.Info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = ErrorExit;
    errors.Base.emit_message = IgnoreMessage;
    TDecodedJpeg out;
    std::vector<JSAMPLE> row;
    if (!Decode(d, errors, data, size, out, row))
        throw EJpegError(std::string("invalid JPEG data: ") + errors.Message);
    return out;
}

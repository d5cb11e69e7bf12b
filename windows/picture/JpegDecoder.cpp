#include "JpegDecoder.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE

#include <jpeglib.h>

#include "PictureMessages.h"
#include "SorvitaError.h"

// The functions that call libjpeg keep to plain C data: longjmp skips
// destructors, so nothing with one may live between setjmp and the calls.

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int code;
};

[[noreturn]] void ExitOnError(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    manager->code = cinfo->err->msg_code;
    std::longjmp(manager->jump, 1);
}

void SilentOutput(j_common_ptr) {}

// Warnings (a truncated file, corrupt entropy data) are not shown.
void SilentEmit(j_common_ptr, int) {}

void InstallErrorManager(jpeg_decompress_struct& cinfo, ErrorManager& manager)
{
    cinfo.err = jpeg_std_error(&manager.pub);
    manager.pub.error_exit = ExitOnError;
    manager.pub.output_message = SilentOutput;
    manager.pub.emit_message = SilentEmit;
    manager.code = 0;
}

// Returns 0, or libjpeg's msg_code when it rejected the header.
int ReadHeaderRaw(const std::uint8_t* data, std::size_t size, JpegHeader* header)
{
    jpeg_decompress_struct cinfo;
    ErrorManager manager;
    InstallErrorManager(cinfo, manager);
    if (setjmp(manager.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return manager.code != 0 ? manager.code : -1;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);

    header->width = static_cast<int>(cinfo.image_width);
    header->height = static_cast<int>(cinfo.image_height);
    header->grayscale = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    header->progressive = cinfo.progressive_mode != FALSE;

    jpeg_destroy_decompress(&cinfo);
    return 0;
}

struct DecodeContext {
    ErrorManager errors;
    jpeg_progress_mgr progress;
    JpegDecodeStatus* status;
};

// Called between units of input: stops a file that keeps sending scans, as
// djpeg's -maxscans does.
void LimitScans(j_common_ptr cinfo)
{
    if (!cinfo->is_decompressor)
        return;
    auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->input_scan_number > MaxJpegScans) {
        auto* context = static_cast<DecodeContext*>(cinfo->client_data);
        context->status->scanLimitHit = true;
        context->errors.code = 0;
        std::longjmp(context->errors.jump, 1);
    }
}

J_COLOR_SPACE OutputSpace(JpegPixelFormat format)
{
    switch (format) {
    case JpegPixelFormat::Bgrx8888:
        return JCS_EXT_BGRX;
    case JpegPixelFormat::Xrgb8888:
        return JCS_EXT_XRGB;
    case JpegPixelFormat::Rgb888:
        break;
    }
    return JCS_EXT_RGB;
}

// One row of CMYK samples to the caller's layout. Adobe's files store the
// inks inverted (255 = no ink), which is what libjpeg hands back for them.
void CmykRowToRgb(const JSAMPLE* cmyk, std::uint8_t* out, JDIMENSION width, bool inverted, JpegPixelFormat format)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        const auto r = static_cast<std::uint8_t>((c * k + 127) / 255);
        const auto g = static_cast<std::uint8_t>((m * k + 127) / 255);
        const auto b = static_cast<std::uint8_t>((y * k + 127) / 255);
        switch (format) {
        case JpegPixelFormat::Rgb888:
            out[0] = r, out[1] = g, out[2] = b;
            out += 3;
            break;
        case JpegPixelFormat::Bgrx8888:
            out[0] = b, out[1] = g, out[2] = r, out[3] = 0xFF;
            out += 4;
            break;
        case JpegPixelFormat::Xrgb8888:
            out[0] = 0xFF, out[1] = r, out[2] = g, out[3] = b;
            out += 4;
            break;
        }
    }
}

constexpr int RowsPerRead = 16;

void DecodeRaw(const std::uint8_t* data, std::size_t size, std::uint8_t* pixels, std::ptrdiff_t stride,
               JpegPixelFormat format, JpegDecodeStatus* status)
{
    jpeg_decompress_struct cinfo;
    DecodeContext context;
    context.status = status;
    InstallErrorManager(cinfo, context.errors);
    if (setjmp(context.errors.jump)) {
        status->errorCode = context.errors.code;
        if (!status->scanLimitHit && status->errorCode == 0)
            status->errorCode = -1;
        jpeg_destroy_decompress(&cinfo);
        return;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.client_data = &context;
    context.progress.progress_monitor = LimitScans;
    cinfo.progress = &context.progress;

    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);

    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : OutputSpace(format);
    jpeg_start_decompress(&cinfo);

    JSAMPARRAY cmykRows = nullptr;
    if (cmyk) {
        cmykRows = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                              cinfo.output_width * 4, RowsPerRead);
    }
    const bool inverted = cinfo.saw_Adobe_marker != FALSE;

    JSAMPROW rows[RowsPerRead];
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION first = cinfo.output_scanline;
        JDIMENSION wanted = cinfo.output_height - first;
        if (wanted > RowsPerRead)
            wanted = RowsPerRead;
        for (JDIMENSION i = 0; i < wanted; ++i)
            rows[i] = cmyk ? cmykRows[i] : pixels + static_cast<std::ptrdiff_t>(first + i) * stride;
        const JDIMENSION got = jpeg_read_scanlines(&cinfo, rows, wanted);
        if (cmyk) {
            for (JDIMENSION i = 0; i < got; ++i) {
                CmykRowToRgb(cmykRows[i], pixels + static_cast<std::ptrdiff_t>(first + i) * stride,
                             cinfo.output_width, inverted, format);
            }
        }
        status->rowsDecoded = static_cast<int>(cinfo.output_scanline);
        if (got == 0)
            break;
    }

    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
}

} // namespace

JpegHeader ReadJpegHeader(const std::uint8_t* data, std::size_t size)
{
    JpegHeader header;
    const int code = ReadHeaderRaw(data, size, &header);
    if (code != 0)
        throw SorvitaError(JpegErrorMessage(code));
    return header;
}

int BytesPerPixel(JpegPixelFormat format)
{
    return format == JpegPixelFormat::Rgb888 ? 3 : 4;
}

JpegDecodeStatus DecodeJpegInto(const std::uint8_t* data, std::size_t size, std::uint8_t* pixels,
                                std::ptrdiff_t stride, JpegPixelFormat format)
{
    JpegDecodeStatus status;
    DecodeRaw(data, size, pixels, stride, format, &status);
    return status;
}

JpegDecodeResult DecodeJpegRgb(const std::uint8_t* data, std::size_t size)
{
    JpegDecodeResult result;
    JpegHeader header;
    if (const int code = ReadHeaderRaw(data, size, &header); code != 0) {
        result.status.errorCode = code;
        return result;
    }
    result.width = header.width;
    result.height = header.height;
    if (static_cast<std::int64_t>(header.width) * header.height > MaxPicturePixels) {
        result.status.tooLarge = true;
        return result;
    }
    const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(header.width) * 3;
    result.pixels.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(header.height), 0);
    result.status = DecodeJpegInto(data, size, result.pixels.data(), stride, JpegPixelFormat::Rgb888);
    return result;
}

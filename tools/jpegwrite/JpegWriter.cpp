#include "JpegWriter.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char text[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->text);
    std::longjmp(err->jump, 1);
}

// Plain C-style so that nothing with a destructor lives across the setjmp.
// Returns false with err->text set when the compressor gave up.
bool Compress(const std::uint8_t* pixels, int width, int height, const JpegWriteOptions& options,
              ErrorManager* err, unsigned char** buffer, unsigned long* size)
{
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&err->pub);
    err->pub.error_exit = ErrorExit;
    if (setjmp(err->jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);

    const int components = options.grayscale ? 1 : 3;
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = options.grayscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (options.progressive)
        jpeg_simple_progression(&cinfo);

    jpeg_start_compress(&cinfo, TRUE);
    const std::size_t stride = static_cast<std::size_t>(width) * static_cast<std::size_t>(components);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels + stride * cinfo.next_scanline);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

std::vector<std::uint8_t> EncodeJpeg(const std::uint8_t* pixels, int width, int height,
                                     const JpegWriteOptions& options)
{
    if (width <= 0 || height <= 0 || pixels == nullptr)
        throw std::runtime_error("JPEG encoder: empty picture");

    ErrorManager err{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = Compress(pixels, width, height, options, &err, &buffer, &size);
    std::vector<std::uint8_t> out;
    if (ok)
        out.assign(buffer, buffer + size);
    std::free(buffer);
    if (!ok)
        throw std::runtime_error(std::string("JPEG encoder: ") + err.text);
    return out;
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        throw std::runtime_error("cannot write " + path);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

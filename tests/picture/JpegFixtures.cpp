#include "JpegFixtures.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

#include "JpegWriter.h"

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void ErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

struct CompressJob {
    const std::uint8_t* pixels;
    int width;
    int height;
    int components;
    J_COLOR_SPACE inSpace;
    J_COLOR_SPACE fileSpace;
    bool adobe;
    const jpeg_scan_info* scans;
    int scanCount;
};

// No object with a destructor between setjmp and the libjpeg calls.
bool Compress(const CompressJob& job, unsigned char** buffer, unsigned long* size)
{
    jpeg_compress_struct cinfo;
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = ErrorExit;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);
    cinfo.image_width = static_cast<JDIMENSION>(job.width);
    cinfo.image_height = static_cast<JDIMENSION>(job.height);
    cinfo.input_components = job.components;
    cinfo.in_color_space = job.inSpace;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_set_colorspace(&cinfo, job.fileSpace);
    cinfo.write_Adobe_marker = job.adobe ? TRUE : FALSE;
    if (job.scans) {
        cinfo.scan_info = job.scans;
        cinfo.num_scans = job.scanCount;
    }
    jpeg_start_compress(&cinfo, TRUE);
    const std::size_t stride = static_cast<std::size_t>(job.width) * static_cast<std::size_t>(job.components);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(job.pixels + stride * cinfo.next_scanline);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

Bytes RunCompress(const CompressJob& job)
{
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = Compress(job, &buffer, &size);
    Bytes out;
    if (ok)
        out.assign(buffer, buffer + size);
    std::free(buffer);
    if (!ok)
        throw std::runtime_error("test JPEG encoder failed");
    return out;
}

// Offset of the frame header's marker (SOF0..SOF2).
std::size_t FindFrameHeader(const Bytes& jpeg)
{
    std::size_t at = 2;
    while (at + 4 <= jpeg.size()) {
        if (jpeg[at] != 0xFF)
            throw std::runtime_error("test fixture: marker expected");
        const std::uint8_t marker = jpeg[at + 1];
        if (marker >= 0xC0 && marker <= 0xC2)
            return at;
        at += 2 + ((std::size_t{jpeg[at + 2]} << 8) | jpeg[at + 3]);
    }
    throw std::runtime_error("test fixture: no frame header");
}

} // namespace

std::vector<std::uint8_t> QuadrantPixels(int width, int height, Rgb topLeft, Rgb topRight, Rgb bottomLeft,
                                         Rgb bottomRight)
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            const Rgb c = bottom ? (right ? bottomRight : bottomLeft) : (right ? topRight : topLeft);
            std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                       static_cast<std::size_t>(x)) * 3];
            p[0] = c.r, p[1] = c.g, p[2] = c.b;
        }
    }
    return pixels;
}

Bytes QuadrantJpeg(int width, int height, bool progressive, int quality)
{
    const auto pixels = QuadrantPixels(width, height, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255});
    return EncodeJpeg(pixels.data(), width, height, JpegWriteOptions{quality, progressive, false});
}

Bytes FlatGreyJpeg(int width, int height, std::uint8_t level, bool progressive)
{
    const std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), level);
    return EncodeJpeg(pixels.data(), width, height, JpegWriteOptions{95, progressive, true});
}

Bytes FlatCmykJpeg(int width, int height, std::uint8_t c, std::uint8_t m, std::uint8_t y, std::uint8_t k,
                   bool adobe, bool ycck)
{
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), {c, m, y, k});
    return RunCompress({pixels.data(), width, height, 4, JCS_CMYK, ycck ? JCS_YCCK : JCS_CMYK, adobe, nullptr, 0});
}

Bytes ManyScanJpeg(int width, int height, int scans)
{
    constexpr int AcCoefficients = 63;
    constexpr int MaxRefinements = 10; // the compressor's bound on Al for 8-bit samples
    if (scans < 1 + AcCoefficients || scans > 1 + AcCoefficients * (1 + MaxRefinements))
        throw std::runtime_error("test fixture: scan count out of range");

    std::vector<jpeg_scan_info> script;
    script.push_back({1, {0, 0, 0, 0}, 0, 0, 0, 0}); // DC
    int extra = scans - 1 - AcCoefficients;
    for (int k = 1; k <= AcCoefficients; ++k) {
        const int refinements = std::min(extra, MaxRefinements);
        extra -= refinements;
        script.push_back({1, {0, 0, 0, 0}, k, k, 0, refinements});
        for (int a = refinements; a >= 1; --a)
            script.push_back({1, {0, 0, 0, 0}, k, k, a, a - 1});
    }

    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint8_t>((i * 7) & 0xFF);
    return RunCompress({pixels.data(), width, height, 1, JCS_GRAYSCALE, JCS_GRAYSCALE, false, script.data(),
                        static_cast<int>(script.size())});
}

void SetFrameSize(Bytes& jpeg, int width, int height)
{
    const std::size_t at = FindFrameHeader(jpeg);
    jpeg[at + 5] = static_cast<std::uint8_t>(height >> 8);
    jpeg[at + 6] = static_cast<std::uint8_t>(height & 0xFF);
    jpeg[at + 7] = static_cast<std::uint8_t>(width >> 8);
    jpeg[at + 8] = static_cast<std::uint8_t>(width & 0xFF);
}

void SetQuantTableOfFirstComponent(Bytes& jpeg, std::uint8_t table)
{
    const std::size_t at = FindFrameHeader(jpeg);
    jpeg[at + 10 + 2] = table;
}

void AppendSecondFrameHeader(Bytes& jpeg)
{
    const std::size_t at = FindFrameHeader(jpeg);
    const std::size_t length = 2 + ((std::size_t{jpeg[at + 2]} << 8) | jpeg[at + 3]);
    const Bytes frame(jpeg.begin() + static_cast<std::ptrdiff_t>(at),
                      jpeg.begin() + static_cast<std::ptrdiff_t>(at + length));
    if (jpeg.size() < 2 || jpeg[jpeg.size() - 2] != 0xFF || jpeg.back() != 0xD9)
        throw std::runtime_error("test fixture: no end-of-image marker");
    jpeg.insert(jpeg.end() - 2, frame.begin(), frame.end());
}

int CountScans(const Bytes& jpeg)
{
    // Entropy-coded data stuffs every 0xFF with 0x00, so FF DA is always a marker.
    int count = 0;
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
        count += jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA;
    return count;
}

void CutImageData(Bytes& jpeg, double fraction)
{
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA) {
            const std::size_t data = i + 2 + ((std::size_t{jpeg[i + 2]} << 8) | jpeg[i + 3]);
            jpeg.resize(data + static_cast<std::size_t>(static_cast<double>(jpeg.size() - data) * fraction));
            return;
        }
    }
    throw std::runtime_error("test fixture: no scan");
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The program's JPEG decoding, on libjpeg-turbo. No Qt here: the picture tool
// and the benchmarks use it on its own.

struct JpegHeader {
    int width = 0;
    int height = 0;
    bool grayscale = false;
    bool progressive = false;
};

// Reads the header of a whole JPEG file held in memory. Throws SorvitaError
// "JPEG error #%d" with libjpeg's own msg_code when the decoder rejects it
// (no start-of-image marker, a damaged frame header, ...). Empty data is the
// caller's business: libjpeg rejects it here with JERR_INPUT_EMPTY. The pixel
// limit is not applied here but by CheckPictureSize (PictureFile.h), which can
// name the file.
JpegHeader ReadJpegHeader(const std::uint8_t* data, std::size_t size);

// Pictures above this many pixels are refused: a header may claim up to
// 65500 x 65500 (12 GB at 24 bits), far beyond any photograph the quiz shows.
inline constexpr std::int64_t MaxPicturePixels = 100'000'000;

// A deliberately crafted progressive file can hold thousands of scans, each of
// which passes over the whole image. Ordinary encoders write about 10 (libjpeg's
// simple progression: 10 for colour, 6 for greyscale); 500 leaves fifty times
// that margin for hand-tuned scan scripts while bounding the worst case.
inline constexpr int MaxJpegScans = 500;

// Pixel layouts the decoder can write straight into a caller's buffer.
enum class JpegPixelFormat {
    Rgb888,   ///< 3 bytes per pixel: R, G, B
    Bgrx8888, ///< 4 bytes per pixel: B, G, R, 0xFF (QImage::Format_RGB32 on little-endian)
    Xrgb8888, ///< 4 bytes per pixel: 0xFF, R, G, B (QImage::Format_RGB32 on big-endian)
};

int BytesPerPixel(JpegPixelFormat format);

struct JpegDecodeStatus {
    int errorCode = 0;         ///< libjpeg's msg_code of the fatal error; 0 when none
    bool scanLimitHit = false; ///< stopped after MaxJpegScans scans (errorCode stays 0)
    bool tooLarge = false;     ///< DecodeJpegRgb only: above MaxPicturePixels, nothing decoded
    int rowsDecoded = 0;       ///< rows from the top that hold decoded pixels

    bool Complete() const { return errorCode == 0 && !scanLimitHit && !tooLarge; }
};

// Decodes at full size into `pixels`, rows top to bottom, `stride` bytes apart;
// the buffer must hold header.height rows of header.width pixels. Greyscale is
// expanded to colour; CMYK and YCCK are converted to RGB (Adobe's inverted CMYK
// included). Warnings are silent: a truncated file decodes with libjpeg's grey
// tail and reports no error. Never throws; rows past rowsDecoded are untouched.
JpegDecodeStatus DecodeJpegInto(const std::uint8_t* data, std::size_t size, std::uint8_t* pixels,
                                std::ptrdiff_t stride, JpegPixelFormat format);

struct JpegDecodeResult {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; ///< RGB888, width * 3 bytes per row, rows past rowsDecoded zero
    JpegDecodeStatus status;
};

// Reads the header and decodes to RGB888. A header that fails gives an empty
// result with the header's error code, one above MaxPicturePixels an empty
// result marked tooLarge (width and height set); nothing here throws.
JpegDecodeResult DecodeJpegRgb(const std::uint8_t* data, std::size_t size);

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Encodes pictures with libjpeg-turbo's compressor. Used by the artwork and
// demo-picture generators and by tests that need JPEG fixtures.
struct JpegWriteOptions {
    int quality = 85;
    bool progressive = false;
    bool grayscale = false;  ///< write one component (input must then be 1 byte per pixel)
};

// Encodes width x height pixels, 3 bytes per pixel (R, G, B), rows top to bottom,
// or 1 byte per pixel when options.grayscale is set. Deterministic: the same
// input gives the same bytes.
std::vector<std::uint8_t> EncodeJpeg(const std::uint8_t* pixels, int width, int height,
                                     const JpegWriteOptions& options = {});

// Writes bytes to a file, replacing it; throws std::runtime_error naming the path.
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// JPEG files for the picture tests, made in memory. Plain RGB and greyscale go
// through the project's encoder; CMYK and long scan scripts need the
// compressor's own settings.

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    std::uint8_t r, g, b;
};

// width x height pixels, 3 bytes each, split in four flat quadrants.
std::vector<std::uint8_t> QuadrantPixels(int width, int height, Rgb topLeft, Rgb topRight, Rgb bottomLeft,
                                         Rgb bottomRight);

Bytes QuadrantJpeg(int width, int height, bool progressive = false, int quality = 95);
Bytes FlatGreyJpeg(int width, int height, std::uint8_t level, bool progressive = false);

// A flat colour stored as four components. `adobe` writes the Adobe marker,
// whose files hold inverted inks (255 = none); `ycck` stores it as YCCK.
Bytes FlatCmykJpeg(int width, int height, std::uint8_t c, std::uint8_t m, std::uint8_t y, std::uint8_t k,
                   bool adobe, bool ycck);

// A valid greyscale progressive file of exactly `scans` scans (64..694).
Bytes ManyScanJpeg(int width, int height, int scans);

// Edits of a sound file's frame header.
void SetFrameSize(Bytes& jpeg, int width, int height);
void SetQuantTableOfFirstComponent(Bytes& jpeg, std::uint8_t table);
// A second frame header after the image data: the decoder fails on it only
// after the last row.
void AppendSecondFrameHeader(Bytes& jpeg);

// Keeps the headers and the first `fraction` of the data after the first scan header.
void CutImageData(Bytes& jpeg, double fraction);

// Number of start-of-scan markers.
int CountScans(const Bytes& jpeg);

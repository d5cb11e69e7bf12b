#pragma once

#include <cstdint>
#include <vector>

class QImage;

// The falcon photograph behind the quiz window and on its intro panel: a
// peregrine perched on a dead branch against a summer sky, painted rather than
// photographed so that the program carries no third-party picture.

inline constexpr int FalconWidth = 1488;
inline constexpr int FalconHeight = 1984;
inline constexpr int FalconJpegQuality = 85;

// The painting at FalconWidth x FalconHeight, before film grain.
QImage PaintFalcon();

// The painting with film grain, as RGB bytes (3 a pixel, rows top to bottom):
// what goes into the JPEG.
std::vector<std::uint8_t> FalconPixels();

// The baseline JPEG of FalconPixels().
std::vector<std::uint8_t> FalconJpeg();

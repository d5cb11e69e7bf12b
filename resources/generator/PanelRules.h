#pragma once

#include <cstdint>
#include <vector>

// The two-tone decoration bitmap shared by the quiz window's right panel and
// the start page: yellow above a straight diagonal, pale yellow below it.

inline constexpr int PanelWidth = 181;
inline constexpr int PanelHeight = 269;
inline constexpr int PanelPaleRowLeft = 202;   ///< first pale row of column 0
inline constexpr int PanelPaleRowRight = 94;   ///< first pale row of the last column

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb PanelYellow{255, 255, 0};
inline constexpr Rgb PanelPaleYellow{255, 255, 128};

// First pale row of a column, rows counted from 0 at the top. The boundary is
// the straight line from (0, PanelPaleRowLeft) to (PanelWidth - 1,
// PanelPaleRowRight), rounded half up, so it climbs by 0 or 1 row per column.
constexpr int PanelPaleStartRow(int column)
{
    constexpr int rise = PanelPaleRowLeft - PanelPaleRowRight;
    constexpr int span = PanelWidth - 1;
    return PanelPaleRowLeft - (2 * rise * column + span) / (2 * span);
}

// The panel as RGB pixels, 3 bytes each, rows top to bottom.
std::vector<std::uint8_t> PanelPixels();

// Size in bytes of one stored row of a 24-bit BMP: 3 bytes a pixel, padded to 4.
constexpr std::uint32_t BmpRowStride(int width)
{
    return (static_cast<std::uint32_t>(width) * 3u + 3u) & ~3u;
}

inline constexpr std::uint32_t BmpHeaderSize = 14 + 40;

constexpr std::uint32_t BmpFileSize(int width, int height)
{
    return BmpHeaderSize + BmpRowStride(width) * static_cast<std::uint32_t>(height);
}

// An uncompressed 24-bit BMP (BITMAPFILEHEADER + BITMAPINFOHEADER, rows stored
// bottom-up in B, G, R order, each padded to 4 bytes) from RGB pixels given
// top to bottom.
std::vector<std::uint8_t> EncodeBmp24(const std::uint8_t* rgbPixels, int width, int height);

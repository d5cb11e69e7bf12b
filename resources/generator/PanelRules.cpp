#include "PanelRules.h"

#include <cstddef>
#include <stdexcept>

namespace {

void PutLe16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
}

// 96 dots per inch, the resolution Windows stamps on screen bitmaps.
constexpr std::uint32_t PixelsPerMetre = 3780;

} // namespace

std::vector<std::uint8_t> PanelPixels()
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(PanelWidth) * PanelHeight * 3);
    for (int row = 0; row < PanelHeight; ++row) {
        for (int column = 0; column < PanelWidth; ++column) {
            const Rgb c = row >= PanelPaleStartRow(column) ? PanelPaleYellow : PanelYellow;
            const std::size_t at = (static_cast<std::size_t>(row) * PanelWidth + static_cast<std::size_t>(column)) * 3;
            pixels[at] = c.r;
            pixels[at + 1] = c.g;
            pixels[at + 2] = c.b;
        }
    }
    return pixels;
}

std::vector<std::uint8_t> EncodeBmp24(const std::uint8_t* rgbPixels, int width, int height)
{
    if (width <= 0 || height <= 0 || rgbPixels == nullptr)
        throw std::invalid_argument("BMP encoder: empty picture");

    const std::uint32_t stride = BmpRowStride(width);
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out;
    out.reserve(BmpFileSize(width, height));

    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    PutLe32(out, BmpFileSize(width, height));
    PutLe16(out, 0);
    PutLe16(out, 0);
    PutLe32(out, BmpHeaderSize);

    // BITMAPINFOHEADER; a positive height means bottom-up rows.
    PutLe32(out, 40);
    PutLe32(out, static_cast<std::uint32_t>(width));
    PutLe32(out, static_cast<std::uint32_t>(height));
    PutLe16(out, 1);   // planes
    PutLe16(out, 24);  // bits per pixel
    PutLe32(out, 0);   // BI_RGB
    PutLe32(out, imageSize);
    PutLe32(out, PixelsPerMetre);
    PutLe32(out, PixelsPerMetre);
    PutLe32(out, 0);   // colours used
    PutLe32(out, 0);   // important colours

    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    for (int row = height - 1; row >= 0; --row) {
        const std::uint8_t* src = rgbPixels + static_cast<std::size_t>(row) * rowBytes;
        for (int column = 0; column < width; ++column) {
            out.push_back(src[column * 3 + 2]);
            out.push_back(src[column * 3 + 1]);
            out.push_back(src[column * 3]);
        }
        for (std::size_t pad = rowBytes; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

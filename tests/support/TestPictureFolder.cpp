#include "TestPictureFolder.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "JpegWriter.h"
#include "SeedCatalogue.h"

namespace {

std::vector<std::uint8_t> FlatJpeg(int width, int height, SeedColour c)
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        pixels[i] = static_cast<std::uint8_t>(c.red);
        pixels[i + 1] = static_cast<std::uint8_t>(c.green);
        pixels[i + 2] = static_cast<std::uint8_t>(c.blue);
    }
    return EncodeJpeg(pixels.data(), width, height, {.quality = 95});
}

} // namespace

SeedColour ColourOf(std::int32_t seed, int view)
{
    return {20 + 6 * seed, 40 + 50 * view, 200};
}

std::int32_t SeedOfRed(int red)
{
    const int seed = (red - 20 + 3) / 6;
    if (red < 17 || seed < 0 || seed >= SeedCount || std::abs(ColourOf(seed, 0).red - red) > 2)
        return -1;
    return seed;
}

void MakeTestPictureFolder(const std::string& dir, int width, int height)
{
    namespace fs = std::filesystem;
    const fs::path obr = fs::path(dir) / "obr";
    for (int view = 0; view < ViewCount; ++view)
        fs::create_directories(obr / std::to_string(view));
    WriteFileBytes((obr / "neni.jpg").string(), FlatJpeg(width, height, {128, 128, 128}));
    WriteFileBytes((obr / "neni2.jpg").string(), FlatJpeg(width, height, {160, 160, 160}));
    for (std::int32_t seed = 0; seed < SeedCount; ++seed) {
        const PicturePaths paths = SeedPicturePaths(seed);
        for (int view = 0; view < ViewCount; ++view) {
            const std::string& path = paths[static_cast<std::size_t>(view)];
            if (path.find("neni") == std::string::npos)
                WriteFileBytes((fs::path(dir) / path).string(), FlatJpeg(width, height, ColourOf(seed, view)));
        }
    }
}

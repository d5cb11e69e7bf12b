#include "ToolsTestSupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "JpegDecoder.h"
#include "JpegWriter.h"
#include "PicturesTool.h"

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "sorvita-tools-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::vector<std::uint8_t> ReadBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes)
{
    fs::create_directories(file.parent_path());
    WriteFileBytes(file.string(), bytes);
}

std::vector<std::uint8_t> RampJpeg(int width, int height)
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                       static_cast<std::size_t>(x)) * 3];
            p[0] = static_cast<std::uint8_t>(x * 255 / std::max(1, width - 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / std::max(1, height - 1));
            p[2] = 128;
        }
    }
    return EncodeJpeg(pixels.data(), width, height);
}

std::pair<int, int> JpegSize(const fs::path& file)
{
    const std::vector<std::uint8_t> bytes = ReadBytes(file);
    const JpegHeader header = ReadJpegHeader(bytes.data(), bytes.size());
    return {header.width, header.height};
}

std::set<std::string> FilesUnder(const fs::path& folder)
{
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files.insert(entry.path().lexically_relative(folder).generic_string());
    }
    return files;
}

fs::path BuiltDemoFolder()
{
    return fs::path(SORVITA_DEMO_FOLDER);
}

ToolRun RunTool(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunPicturesTool(arguments, out, err);
    return {status, out.str(), err.str()};
}

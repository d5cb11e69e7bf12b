#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with its contents.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// A baseline JPEG of a smooth colour ramp, w x h.
std::vector<std::uint8_t> RampJpeg(int width, int height);

// The width and height in a JPEG file's header.
std::pair<int, int> JpegSize(const std::filesystem::path& file);

// Every file under a folder, '/'-separated and relative to it.
std::set<std::string> FilesUnder(const std::filesystem::path& folder);

// The demo picture folder that the build drew (target sorvita_demo_pictures).
std::filesystem::path BuiltDemoFolder();

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};
ToolRun RunTool(const std::vector<std::string>& arguments);

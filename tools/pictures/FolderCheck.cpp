#include "FolderCheck.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "JpegDecoder.h"
#include "PictureFile.h"
#include "PictureMessages.h"
#include "PictureSet.h"
#include "SorvitaError.h"

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Shown(const ExpectedPicture& picture)
{
    if (picture.seed < 0)
        return picture.view == 2 ? "placeholder for a missing view 2" : "placeholder for missing views 0 and 1";
    return SeedLabel(picture.seed) + ", view " + std::to_string(picture.view);
}

// The program's own name for the file, as its error messages print it.
std::string ProgramPath(const ExpectedPicture& picture)
{
    std::string path = std::string(PictureFolder) + PathSeparator + picture.path;
    std::replace(path.begin(), path.end(), '/', PathSeparator);
    return path;
}

// A guess at what a file that is not a JPEG really is, from its first bytes.
std::string KindOf(const std::vector<std::uint8_t>& bytes)
{
    const auto starts = [&bytes](std::string_view magic, std::size_t at = 0) {
        return bytes.size() >= at + magic.size() &&
               std::equal(magic.begin(), magic.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                          [](char m, std::uint8_t b) { return static_cast<std::uint8_t>(m) == b; });
    };
    if (starts("\x89PNG"))
        return "a PNG picture";
    if (starts("GIF8"))
        return "a GIF picture";
    if (starts("BM"))
        return "a BMP picture";
    if (starts("RIFF") && starts("WEBP", 8))
        return "a WebP picture";
    if (starts("ftyp", 4))
        return "a HEIC or other camera picture";
    const std::size_t probe = std::min<std::size_t>(bytes.size(), 512);
    const bool text = probe > 0 && std::all_of(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(probe),
                                               [](std::uint8_t b) { return b >= 0x20 || b == '\n' || b == '\r' || b == '\t'; });
    return text ? "text" : "";
}

void CheckOne(const fs::path& folder, const ExpectedPicture& picture, const std::set<std::string>& present,
              FolderReport& report)
{
    const std::string path = (folder / picture.path).string();
    const std::string what = " (" + Shown(picture) + ")";
    const auto problem = [&](const std::string& text) { report.problems.push_back({path, text + what}); };

    std::error_code error;
    if (!fs::exists(folder / picture.path, error)) {
        std::string text = "missing: the quiz would stop with \"" + CannotOpenFileMessage(ProgramPath(picture)) + "\"";
        for (const std::string& other : present) {
            if (Lower(other) == picture.path) {
                text += "; there is " + other + ", but names must be in lower case";
                break;
            }
        }
        problem(text);
        return;
    }

    std::shared_ptr<const Picture> loaded;
    try {
        loaded = LoadPictureFile(path);
    } catch (const SorvitaError& e) {
        std::string text = std::string("the quiz cannot load it: \"") + e.what() + "\"";
        try {
            const std::string kind = KindOf(ReadWholeFile(path));
            if (!kind.empty())
                text += "; it is " + kind + ", not a JPEG";
        } catch (const SorvitaError&) {
        }
        problem(text);
        return;
    }

    const std::vector<std::uint8_t>& data = loaded->JpegData();
    if (data.empty()) {
        static const std::uint8_t nothing = 0;
        problem("empty file (0 bytes): the quiz would show \"" +
                JpegErrorMessage(DecodeJpegRgb(&nothing, 0).status.errorCode) + "\" when it first draws it");
        return;
    }
    const JpegDecodeResult decoded = DecodeJpegRgb(data.data(), data.size());
    if (decoded.status.errorCode != 0) {
        problem("damaged: decoding stops with \"" + JpegErrorMessage(decoded.status.errorCode) +
                "\", which the quiz would show when it first draws it");
        return;
    }
    if (!decoded.status.Complete()) {
        problem("the quiz would refuse to draw it: \"" + TooManyScansMessage(MaxJpegScans, path) + "\"");
        return;
    }

    ++report.good;
    if (data.size() < 2 || data[data.size() - 2] != 0xFF || data[data.size() - 1] != 0xD9)
        report.hints.push_back({path, "the file seems cut short (no end marker): its lower part may show grey" + what});
    const SlotBox box = SlotBoxes[static_cast<std::size_t>(picture.view)];
    if (!box.shrinks && (loaded->Width() > box.width || loaded->Height() > box.height))
        report.hints.push_back({path, std::to_string(loaded->Width()) + " x " + std::to_string(loaded->Height()) +
                                          " is larger than its " + std::to_string(box.width) + " x " +
                                          std::to_string(box.height) +
                                          " slot, which does not shrink pictures: only the top-left part shows" +
                                          what});
}

} // namespace

FolderReport CheckPictureFolder(const fs::path& folder, const std::function<void(int done, int total)>& progress)
{
    FolderReport report;
    const auto& expected = ExpectedPictures();
    report.expected = static_cast<int>(expected.size());

    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        report.problems.push_back({folder.string(), fs::exists(folder, error)
                                                        ? "not a folder"
                                                        : "no such folder: the quiz would find none of its pictures"});
        return report;
    }

    // Every file under the folder, by its '/'-separated name inside it.
    std::set<std::string> present;
    for (auto it = fs::recursive_directory_iterator(folder, fs::directory_options::skip_permission_denied, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_directory(error))
            present.insert(it->path().lexically_relative(folder).generic_string());
    }

    int done = 0;
    for (const ExpectedPicture& picture : expected) {
        CheckOne(folder, picture, present, report);
        if (progress)
            progress(++done, report.expected);
    }

    for (const std::string& name : present) {
        const bool read = std::any_of(expected.begin(), expected.end(),
                                      [&name](const ExpectedPicture& e) { return e.path == name; });
        if (!read)
            report.hints.push_back({(folder / name).string(), "never read by the program"});
    }
    return report;
}

#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FolderCheck.h"

class QImage;
class QString;

// Builds a picture folder from a teacher's own photographs.
//
// Naming rule, inside the source folder:
//   <view>/<seed>.<ext>    the program's own layout, e.g. 3/17.jpg
//   <seed>-<view>.<ext>    directly in the folder, e.g. 17-3.jpg or "Oves pluchatý-3.jpg"
// <view> is 0..3; <seed> is the seed number 0..38 or its catalogue name, in
// any case, with or without diacritics, "_" allowed for a space
// ("oves_pluchaty-3.jpg"). <ext> is jpg or jpeg (read by the program's own
// decoder, camera orientation applied), png or bmp.

struct PhotoSlot {
    int seed;
    int view;

    friend bool operator==(const PhotoSlot&, const PhotoSlot&) = default;
};

// The seed and view a file stands for by the naming rule, from its path
// relative to the source folder; nothing when the name does not follow it.
// The extension is not judged here.
std::optional<PhotoSlot> ParsePhotoName(const std::filesystem::path& relative);

// The seed whose catalogue name matches, ignoring case, diacritics and "_" for
// spaces; -1 when none does.
int SeedByName(const QString& name);

// Which way up a JPEG's camera meant it (EXIF orientation 1..8); 1 when the
// file says nothing.
int JpegOrientation(const std::vector<std::uint8_t>& jpeg);

// Turns pixels stored in camera orientation `orientation` upright.
QImage Upright(const QImage& image, int orientation);

struct ImportReport {
    int written = 0;               ///< files written into the picture folder
    int photos = 0;                ///< of those, made from the teacher's photographs
    std::vector<Finding> errors;   ///< source files that could not be used
    std::vector<Finding> warnings; ///< photographs the quiz never shows, files not following the rule
    // Seeds with a view the quiz shows but no photograph for it (a placeholder stands in).
    std::vector<std::pair<int, std::vector<int>>> lacking;

    bool Ok() const { return errors.empty(); }
};

// Reads the photographs in `source` by the naming rule, shrinks each to fit the
// slot it will be shown in (never enlarging) and writes the complete picture
// folder into `folder`: every file the program reads, a placeholder for each
// view without a photograph. `log` receives a line per photograph.
// Throws std::runtime_error when the folders themselves are unusable.
ImportReport ImportPictureFolder(const std::filesystem::path& source, const std::filesystem::path& folder,
                                 const std::function<void(const std::string& line)>& log = {});

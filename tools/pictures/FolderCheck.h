#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Judges a picture folder the way the program will read it: every file it
// asks for loaded with the program's own loader and then fully decoded, as the
// first draw does.

struct Finding {
    std::string path; ///< the file, as folder + name
    std::string text; ///< what is wrong, for a teacher
};

struct FolderReport {
    int expected = 0;              ///< files the program reads
    int good = 0;                  ///< of those, fine
    std::vector<Finding> problems; ///< each makes the quiz show an error
    std::vector<Finding> hints;    ///< worth knowing, harmless to the quiz

    bool Ok() const { return problems.empty(); }
};

FolderReport CheckPictureFolder(const std::filesystem::path& folder,
                                const std::function<void(int done, int total)>& progress = {});

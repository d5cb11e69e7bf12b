#pragma once

#include <filesystem>
#include <functional>

class QImage;

// Called after each file with the number written so far and the total.
using FolderProgress = std::function<void(int done, int total)>;

// Writes the complete demo picture folder into `folder` (the "obr" folder
// itself): every file the program reads, drawn afresh, replacing files of the
// same names. Throws std::runtime_error naming the path when a file cannot be
// written.
void WriteDemoFolder(const std::filesystem::path& folder, const FolderProgress& progress = {});

// A sheet of the demo pictures of seeds [first, first + count): one row per
// seed, its four views side by side at their own size, for looking them over.
QImage DrawContactSheet(int first, int count);

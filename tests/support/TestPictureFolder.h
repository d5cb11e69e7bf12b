#pragma once

#include <cstdint>
#include <string>

// A picture folder for tests: every file the quiz reads, each a small flat
// JPEG whose colour tells the seed and view it stands for, so a test that
// sees a slot's pixels knows which seed is shown.
struct SeedColour {
    int red;
    int green;
    int blue;
};

// Red carries the seed (6 steps apart, safe against JPEG rounding), green the view.
SeedColour ColourOf(std::int32_t seed, int view);
// The seed whose colour is nearest to red, or -1 when none is near.
std::int32_t SeedOfRed(int red);

// Writes DIR/obr with all 126 files (the two placeholders grey).
// width/height: the size of every picture.
void MakeTestPictureFolder(const std::string& dir, int width = 64, int height = 48);

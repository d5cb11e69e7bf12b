#pragma once

#include <array>
#include <string>
#include <vector>

#include "SeedCatalogue.h"

// The picture folder as the program reads it, and the boxes its pictures are
// shown in.

// A seed slot of the quiz window. Views 0, 1 and 3 shrink a larger picture to
// fit (keeping its aspect, never enlarging); view 2 shows its picture at its
// own size from the top-left corner and cuts it at the box.
struct SlotBox {
    int width;
    int height;
    bool shrinks;
};
inline constexpr std::array<SlotBox, ViewCount> SlotBoxes = {{
    {233, 233, true},
    {233, 233, true},
    {460, 260, false},
    {161, 289, true},
}};

// Of the view 2 box, only these parts show in the quiz window: the slots of
// views 0 and 1 lie over the rest. Picture coordinates.
inline constexpr int View2OpenColumnWidth = 136; ///< the left strip, full height
inline constexpr int View2OpenRowTop = 160;      ///< and below this row,
inline constexpr int View2OpenRowWidth = 296;    ///< up to this column

struct ExpectedPicture {
    std::string path; ///< inside the picture folder, '/'-separated: "0/17.jpg", "neni.jpg"
    int seed;         ///< -1 for a placeholder
    int view;         ///< the slot it is shown in (neni.jpg: 0, neni2.jpg: 2)
};

// Every file the program reads, in the order it asks for them: seed by seed,
// each path once, placeholders where they first occur.
const std::vector<ExpectedPicture>& ExpectedPictures();

// A seed and its catalogue name for messages: "seed 17 (Oves pluchatý)".
std::string SeedLabel(int seed);

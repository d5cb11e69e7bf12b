#include "PictureDrawRect.h"

#include <ostream>

#include <gtest/gtest.h>

namespace {

enum Flags : unsigned { None = 0, Stretch = 1, Proportional = 2, Center = 4 };

struct DrawRectCase {
    const char* name;
    int w, h, W, H;
    unsigned flags;
    PictureRect expected;
};

void PrintTo(const DrawRectCase& c, std::ostream* out)
{
    *out << c.name;
}

class PictureDrawRectTable : public testing::TestWithParam<DrawRectCase> {};

TEST_P(PictureDrawRectTable, PlacesThePicture)
{
    const DrawRectCase& c = GetParam();
    const PictureRect r = PictureDrawRect(c.w, c.h, c.W, c.H, c.flags & Stretch, c.flags & Proportional, c.flags & Center);
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top);
    EXPECT_EQ(r.width, c.expected.width);
    EXPECT_EQ(r.height, c.expected.height);
}

constexpr unsigned PC = Proportional | Center;

INSTANTIATE_TEST_SUITE_P(
    Cases, PictureDrawRectTable,
    testing::Values(
        // The 233 x 233 seed slots, Proportional and Center.
        DrawRectCase{"Slot233_Landscape640x480", 640, 480, 233, 233, PC, {0, 29, 233, 174}},
        DrawRectCase{"Slot233_Portrait480x640", 480, 640, 233, 233, PC, {29, 0, 174, 233}},
        DrawRectCase{"Slot233_SmallNotEnlarged", 200, 150, 233, 233, PC, {16, 41, 200, 150}},
        DrawRectCase{"Slot233_ExactFitUnscaled", 233, 233, 233, 233, PC, {0, 0, 233, 233}},
        DrawRectCase{"Slot233_OnePixelWider", 234, 100, 233, 233, PC, {0, 67, 233, 99}},
        DrawRectCase{"Slot233_TallNarrow", 100, 300, 233, 233, PC, {78, 0, 77, 233}},
        DrawRectCase{"Slot233_TallerOnly", 100, 234, 233, 233, PC, {67, 0, 99, 233}},
        // The 161 x 289 slot, Proportional alone.
        DrawRectCase{"Slot161_Landscape", 640, 480, 161, 289, Proportional, {0, 0, 161, 120}},
        DrawRectCase{"Slot161_PortraitRefitToWidth", 480, 640, 161, 289, Proportional, {0, 0, 161, 214}},
        DrawRectCase{"Slot161_SmallUnscaled", 150, 100, 161, 289, Proportional, {0, 0, 150, 100}},
        // The intro photograph: one pixel short of the right edge.
        DrawRectCase{"Intro409x545", 1488, 1984, 409, 545, Proportional, {0, 0, 408, 545}},
        // No flag: natural size from the corner, whether larger or smaller.
        DrawRectCase{"NoFlag_Larger", 640, 480, 460, 260, None, {0, 0, 640, 480}},
        DrawRectCase{"NoFlag_Smaller", 100, 50, 460, 260, None, {0, 0, 100, 50}},
        // Center alone moves a larger picture up and left, truncating toward zero.
        DrawRectCase{"CenterOnly_LargerOddDifference", 641, 481, 460, 260, Center, {-90, -110, 641, 481}},
        // Stretch alone fills the box whatever the aspect.
        DrawRectCase{"Stretch_Shrinks", 1488, 1984, 449, 585, Stretch, {0, 0, 449, 585}},
        DrawRectCase{"Stretch_Enlarges", 181, 269, 321, 585, Stretch, {0, 0, 321, 585}},
        DrawRectCase{"Stretch_EmptyPicture", 0, 0, 50, 40, Stretch, {0, 0, 50, 40}},
        // Stretch with Proportional enlarges keeping the aspect.
        DrawRectCase{"StretchProportional_Enlarges", 100, 50, 300, 300, Stretch | Proportional, {0, 0, 300, 150}},
        DrawRectCase{"StretchProportionalCenter_Square", 10, 10, 300, 200, Stretch | PC, {50, 0, 200, 200}},
        // Proportional with a zero dimension falls back to the whole box.
        DrawRectCase{"Proportional_ZeroHeightLargerWidth", 500, 0, 233, 233, PC, {0, 0, 233, 233}},
        DrawRectCase{"Proportional_EmptyPictureNotScaled", 0, 0, 233, 233, PC, {116, 116, 0, 0}}),
    [](const testing::TestParamInfo<DrawRectCase>& info) { return std::string(info.param.name); });

} // namespace

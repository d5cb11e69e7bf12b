#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "PanelRules.h"

namespace {

struct BoundaryCase {
    int column;
    int firstPaleRow;
};

void PrintTo(const BoundaryCase& c, std::ostream* os)
{
    *os << "column " << c.column << " -> row " << c.firstPaleRow;
}

class PanelBoundaryTest : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(PanelBoundaryTest, FirstPaleRow)
{
    EXPECT_EQ(PanelPaleStartRow(GetParam().column), GetParam().firstPaleRow);
}

// 108 rows over 180 columns: 0.6 a column, halves rounded up.
INSTANTIATE_TEST_SUITE_P(Columns, PanelBoundaryTest,
                         ::testing::Values(BoundaryCase{0, 202}, BoundaryCase{1, 201}, BoundaryCase{2, 201},
                                           BoundaryCase{3, 200}, BoundaryCase{5, 199}, BoundaryCase{90, 148},
                                           BoundaryCase{179, 95}, BoundaryCase{180, 94}),
                         [](const auto& info) { return "column" + std::to_string(info.param.column); });

// A picture small enough to spell out byte by byte: 2 x 2, so every row
// carries two bytes of padding and the rows must come out bottom first.
TEST(BmpLayout, StoresRowsBottomUpInBgrOrder)
{
    const std::vector<std::uint8_t> rgb = {
        1, 2, 3,    4, 5, 6,     // top row
        7, 8, 9,    10, 11, 12,  // bottom row
    };
    const std::vector<std::uint8_t> bmp = EncodeBmp24(rgb.data(), 2, 2);
    ASSERT_EQ(bmp.size(), 54u + 2 * 8);
    const std::vector<std::uint8_t> pixels(bmp.begin() + 54, bmp.end());
    const std::vector<std::uint8_t> expected = {
        9, 8, 7,    12, 11, 10,  0, 0,
        3, 2, 1,    6, 5, 4,     0, 0,
    };
    EXPECT_EQ(pixels, expected);
}

} // namespace

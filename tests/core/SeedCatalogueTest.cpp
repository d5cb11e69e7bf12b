#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "SeedCatalogue.h"

namespace {

struct PathCase {
    std::int32_t seed;
    PicturePaths paths;
    friend void PrintTo(const PathCase& c, std::ostream* os) { *os << "seed " << c.seed; }
};

class PicturePathRule : public ::testing::TestWithParam<PathCase> {};

TEST_P(PicturePathRule, NamesTheFourViews)
{
    EXPECT_EQ(SeedPicturePaths(GetParam().seed), GetParam().paths);
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, PicturePathRule,
    ::testing::Values(
        PathCase{0, {"obr/0/0.jpg", "obr/1/0.jpg", "obr/2/0.jpg", "obr/3/0.jpg"}},
        PathCase{5, {"obr/0/5.jpg", "obr/1/5.jpg", "obr/2/5.jpg", "obr/3/5.jpg"}},
        PathCase{4, {"obr/neni.jpg", "obr/neni.jpg", "obr/2/4.jpg", "obr/3/4.jpg"}},
        PathCase{17, {"obr/0/17.jpg", "obr/1/17.jpg", "obr/neni2.jpg", "obr/3/17.jpg"}},
        PathCase{21, {"obr/neni.jpg", "obr/neni.jpg", "obr/neni2.jpg", "obr/3/21.jpg"}},
        PathCase{38, {"obr/neni.jpg", "obr/neni.jpg", "obr/neni2.jpg", "obr/3/38.jpg"}}),
    [](const auto& info) { return "Seed" + std::to_string(info.param.seed); });

TEST(PicturePathRule, OnlyFlagValueOneMeansPresent)
{
    EXPECT_EQ(SeedPicturePaths(7, 2, 2), (PicturePaths{"obr/neni.jpg", "obr/neni.jpg", "obr/neni2.jpg", "obr/3/7.jpg"}));
    EXPECT_EQ(SeedPicturePaths(7, -1, 1), (PicturePaths{"obr/neni.jpg", "obr/neni.jpg", "obr/2/7.jpg", "obr/3/7.jpg"}));
}

TEST(SeedCatalogue, FlagsSelectTheDocumentedViews)
{
    const std::set<int> without01{4, 6, 7, 8, 21, 23, 24, 26, 35, 38};
    const std::set<int> without2{17, 21, 23, 24, 25, 27, 28, 30, 31, 35, 36, 38};
    for (int seed = 0; seed < SeedCount; ++seed) {
        EXPECT_EQ(HasViews01[static_cast<std::size_t>(seed)], without01.count(seed) ? 0 : 1) << seed;
        EXPECT_EQ(HasView2[static_cast<std::size_t>(seed)], without2.count(seed) ? 0 : 1) << seed;
    }
}

TEST(SeedCatalogue, PickListHoldsEveryNameOnce)
{
    EXPECT_EQ(PickListHigh, 38);
    EXPECT_EQ(PickList.front(), "Bob koňský");
    EXPECT_EQ(PickList.back(), "Žito seté");
    std::multiset<std::string_view> names(SeedNames.begin(), SeedNames.end());
    std::multiset<std::string_view> picks(PickList.begin(), PickList.end());
    EXPECT_EQ(names, picks);
    EXPECT_EQ(std::set<std::string_view>(SeedNames.begin(), SeedNames.end()).size(), 39u);

    for (std::string_view name : SeedNames) {
        EXPECT_FALSE(name.empty());
        EXPECT_NE(name.front(), ' ') << name;
        EXPECT_NE(name.back(), ' ') << name;
        EXPECT_EQ(name.find("  "), std::string_view::npos) << name;
    }
}

// Names are compared byte for byte, so every Czech letter must be the one
// precomposed UTF-8 character, never a base letter plus a combining mark.
TEST(SeedCatalogue, NamesArePrecomposedUtf8)
{
    EXPECT_EQ(SeedNames[30], "\xC5\x98" "epka olejn\xC3\xA1");  // Řepka olejná
    EXPECT_EQ(SeedNames[2], "\xC4\x8C" "irok cukrov\xC3\xBD");  // Čirok cukrový
    for (std::string_view name : SeedNames)
        EXPECT_EQ(name.find("\xCC"), std::string_view::npos) << name;  // U+0300..U+033F
}

} // namespace

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The built-in seed catalogue: answer names, which photographs exist, and the
// order of the beginner's pick list. Names are UTF-8.

inline constexpr std::int32_t SeedCount = 39;

extern const std::array<std::string_view, SeedCount> SeedNames;
extern const std::array<std::string_view, SeedCount> PickList;
// Highest PickList index that the list fill uses; the fill covers 0..PickListHigh.
extern const std::int32_t PickListHigh;
// 1 = the seed has photographs of views 0 and 1; anything else = neither.
extern const std::array<std::int32_t, SeedCount> HasViews01;
// 1 = the seed has a photograph of view 2; anything else = none.
extern const std::array<std::int32_t, SeedCount> HasView2;

inline constexpr int ViewCount = 4;

// Joins the folder and file names of picture paths. A Windows build gets the
// backslash that teachers' folders were first described with.
#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

inline constexpr std::string_view PictureFolder = "obr";
inline constexpr std::string_view Placeholder01 = "neni.jpg";  ///< stands in for a missing view 0 or 1
inline constexpr std::string_view Placeholder2 = "neni2.jpg";  ///< stands in for a missing view 2

using PicturePaths = std::array<std::string, ViewCount>;

// The four relative picture paths of a seed, in view order 0..3. Composes
// strings only; touches no file.
PicturePaths SeedPicturePaths(std::int32_t seed);

// The same rule with the two flags given, for seed tables other than the built-in one.
PicturePaths SeedPicturePaths(std::int32_t seed, std::int32_t views01Flag, std::int32_t view2Flag);

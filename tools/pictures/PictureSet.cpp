#include "PictureSet.h"

#include <algorithm>

namespace {

std::vector<ExpectedPicture> Collect()
{
    const std::string prefix = std::string(PictureFolder) + PathSeparator;
    std::vector<ExpectedPicture> list;
    for (int seed = 0; seed < SeedCount; ++seed) {
        const PicturePaths paths = SeedPicturePaths(seed);
        for (int view = 0; view < ViewCount; ++view) {
            std::string path = paths[static_cast<std::size_t>(view)].substr(prefix.size());
            std::replace(path.begin(), path.end(), PathSeparator, '/');
            const bool placeholder = path.find('/') == std::string::npos;
            const auto same = [&path](const ExpectedPicture& e) { return e.path == path; };
            if (std::none_of(list.begin(), list.end(), same))
                list.push_back({path, placeholder ? -1 : seed, view});
        }
    }
    return list;
}

} // namespace

const std::vector<ExpectedPicture>& ExpectedPictures()
{
    static const std::vector<ExpectedPicture> list = Collect();
    return list;
}

std::string SeedLabel(int seed)
{
    return "seed " + std::to_string(seed) + " (" + std::string(SeedNames[static_cast<std::size_t>(seed)]) + ")";
}

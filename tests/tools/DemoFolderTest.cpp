#include <gtest/gtest.h>

#include <map>

#include "JpegDecoder.h"
#include "PictureSet.h"
#include "ToolsTestSupport.h"

namespace fs = std::filesystem;

namespace {

TEST(DemoFolder, HoldsExactlyTheFilesTheProgramReadsAndPassesCheck)
{
    TempFolder root;
    const ToolRun demo = RunTool({"demo", (root / "obr").string()});
    ASSERT_EQ(demo.status, 0) << demo.err;

    const std::set<std::string> files = FilesUnder(root / "obr");
    EXPECT_EQ(files.size(), 126u);
    std::map<std::string, int> perFolder;
    for (const std::string& file : files) {
        const auto slash = file.find('/');
        ++perFolder[slash == std::string::npos ? "." : file.substr(0, slash)];
    }
    EXPECT_EQ(perFolder, (std::map<std::string, int>{{".", 2}, {"0", 29}, {"1", 29}, {"2", 27}, {"3", 39}}));
    EXPECT_TRUE(files.count("neni.jpg") && files.count("neni2.jpg"));
    EXPECT_FALSE(files.count("0/4.jpg")) << "seed 4 has no view 0";
    EXPECT_FALSE(files.count("2/17.jpg")) << "seed 17 has no view 2";

    const ToolRun check = RunTool({"check", (root / "obr").string()});
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_NE(check.out.find("126 fine, 0 problems, 0 hints"), std::string::npos) << check.out;
}

// Against the folder the build drew, in another process.
TEST(DemoFolder, IsTheSameByteForByteOnEveryRun)
{
    TempFolder again;
    ASSERT_EQ(RunTool({"demo", (again / "obr").string()}).status, 0);
    for (const ExpectedPicture& picture : ExpectedPictures()) {
        EXPECT_EQ(ReadBytes(again / "obr" / picture.path), ReadBytes(BuiltDemoFolder() / picture.path))
            << picture.path;
    }
}

// Each picture is drawn at its slot's own size, so the quiz shows it unscaled,
// and as a baseline JPEG in colour.
TEST(DemoFolder, PicturesAreBaselineJpegsOfTheirSlotsSize)
{
    for (const ExpectedPicture& picture : ExpectedPictures()) {
        const std::vector<std::uint8_t> bytes = ReadBytes(BuiltDemoFolder() / picture.path);
        const JpegHeader header = ReadJpegHeader(bytes.data(), bytes.size());
        const SlotBox box = SlotBoxes[static_cast<std::size_t>(picture.view)];
        EXPECT_EQ(header.width, box.width) << picture.path;
        EXPECT_EQ(header.height, box.height) << picture.path;
        EXPECT_FALSE(header.progressive) << picture.path;
        EXPECT_FALSE(header.grayscale) << picture.path;
    }
}

} // namespace

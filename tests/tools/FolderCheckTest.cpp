#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "FolderCheck.h"
#include "ToolsTestSupport.h"

namespace fs = std::filesystem;

namespace {

// Rewrites the marker segments before the image data of a JPEG file.
void EditSegments(const fs::path& file, const std::function<void(std::vector<std::uint8_t>&, std::size_t)>& edit)
{
    std::vector<std::uint8_t> bytes = ReadBytes(file);
    std::size_t at = 2;
    while (at + 4 <= bytes.size() && bytes[at] == 0xFF && bytes[at + 1] != 0xDA) {
        edit(bytes, at);
        at += 2 + ((std::size_t{bytes[at + 2]} << 8) | bytes[at + 3]);
    }
    WriteBytes(file, bytes);
}

void ClaimSize(const fs::path& file, int width, int height)
{
    EditSegments(file, [&](std::vector<std::uint8_t>& b, std::size_t at) {
        if (b[at + 1] == 0xC0) {
            b[at + 5] = static_cast<std::uint8_t>(height >> 8);
            b[at + 6] = static_cast<std::uint8_t>(height);
            b[at + 7] = static_cast<std::uint8_t>(width >> 8);
            b[at + 8] = static_cast<std::uint8_t>(width);
        }
    });
}

// The header stays readable, but without quantisation tables the image data
// cannot be decoded.
void DropQuantTables(const fs::path& file)
{
    EditSegments(file, [](std::vector<std::uint8_t>& b, std::size_t at) {
        if (b[at + 1] == 0xDB)
            b[at + 1] = 0xFE; // now a comment
    });
}

struct Damage {
    const char* name;
    const char* file;                            ///< inside the picture folder
    std::function<void(const fs::path&)> harm;   ///< given the file's path
    const char* reported;                        ///< part of the report on it
};

const Damage Damages[] = {
    {"Missing", "3/17.jpg", [](const fs::path& f) { fs::remove(f); },
     "missing: the quiz would stop with \"Cannot open file obr/3/17.jpg\""},
    {"Empty", "0/5.jpg", [](const fs::path& f) { fs::resize_file(f, 0); }, "empty file (0 bytes)"},
    {"TextUnderJpegName", "2/7.jpg", [](const fs::path& f) { WriteBytes(f, {'S', 'e', 'e', 'd', 's', '\n'}); },
     "the quiz cannot load it: \"JPEG error #"},
    {"PngUnderJpegName", "neni.jpg",
     [](const fs::path& f) { WriteBytes(f, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}); },
     "it is a PNG picture, not a JPEG"},
    {"OversizedHeader", "1/0.jpg", [](const fs::path& f) { ClaimSize(f, 60000, 60000); },
     "Picture too large (60000 x 60000 pixels)"},
    {"UndecodableData", "2/3.jpg", DropQuantTables, "damaged: decoding stops with \"JPEG error #"},
    {"UpperCaseName", "3/20.jpg", [](const fs::path& f) { fs::rename(f, f.parent_path() / "20.JPG"); },
     "there is 3/20.JPG, but names must be in lower case"},
};

void PrintTo(const Damage& damage, std::ostream* out)
{
    *out << damage.name;
}

class DamagedFolder : public ::testing::TestWithParam<Damage> {
protected:
    void SetUp() override { fs::copy(BuiltDemoFolder(), folder, fs::copy_options::recursive); }

    TempFolder root;
    const fs::path folder = root / "obr";
};

TEST_P(DamagedFolder, ReportsTheFileWithItsPathAndFails)
{
    const Damage& damage = GetParam();
    damage.harm(folder / damage.file);

    const FolderReport report = CheckPictureFolder(folder);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].path, (folder / damage.file).string());
    EXPECT_NE(report.problems[0].text.find(damage.reported), std::string::npos) << report.problems[0].text;
    EXPECT_EQ(report.good, 125);

    const ToolRun run = RunTool({"check", folder.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find((folder / damage.file).string() + ": "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("125 fine, 1 problem"), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Each, DamagedFolder, ::testing::ValuesIn(Damages),
                         [](const auto& info) { return std::string(info.param.name); });

class CheckedFolder : public ::testing::Test {
protected:
    void SetUp() override { fs::copy(BuiltDemoFolder(), folder, fs::copy_options::recursive); }

    TempFolder root;
    const fs::path folder = root / "obr";
};

// Files the program never reads, and a file cut short (the program decodes it
// with a grey tail and no error), are worth a word but pass.
TEST_F(CheckedFolder, HarmlessOddsAreHintsOnly)
{
    WriteBytes(folder / "notes.txt", {'h', 'i'});
    fs::copy_file(folder / "3/0.jpg", folder / "0/39.jpg");
    fs::copy_file(folder / "3/4.jpg", folder / "0/4.jpg");
    const std::vector<std::uint8_t> whole = ReadBytes(folder / "3/1.jpg");
    WriteBytes(folder / "3/1.jpg", {whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2)});

    const FolderReport report = CheckPictureFolder(folder);
    EXPECT_TRUE(report.problems.empty()) << report.problems[0].path << ": " << report.problems[0].text;
    std::map<std::string, std::string> hints;
    for (const Finding& hint : report.hints)
        hints[fs::path(hint.path).lexically_relative(folder).generic_string()] = hint.text;
    ASSERT_EQ(hints.size(), 4u);
    EXPECT_EQ(hints["notes.txt"], "never read by the program");
    EXPECT_EQ(hints["0/39.jpg"], "never read by the program");
    EXPECT_EQ(hints["0/4.jpg"], "never read by the program");
    EXPECT_NE(hints["3/1.jpg"].find("cut short"), std::string::npos);

    EXPECT_EQ(RunTool({"check", folder.string()}).status, 0);
}

// A view 2 picture larger than its slot is cut in the quiz: say so.
TEST_F(CheckedFolder, HintsThatAnOversizedViewTwoPictureIsCut)
{
    WriteBytes(folder / "2/0.jpg", RampJpeg(640, 480));
    const FolderReport report = CheckPictureFolder(folder);
    EXPECT_TRUE(report.problems.empty());
    ASSERT_EQ(report.hints.size(), 1u);
    EXPECT_NE(report.hints[0].text.find("640 x 480 is larger than its 460 x 260 slot"), std::string::npos)
        << report.hints[0].text;
}

TEST(FolderCheck, AMissingFolderIsOneProblem)
{
    TempFolder root;
    const ToolRun run = RunTool({"check", (root / "obr").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("no such folder"), std::string::npos) << run.out;
}

} // namespace

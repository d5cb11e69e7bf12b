#include <gtest/gtest.h>

#include <map>

#include <QColor>
#include <QImage>
#include <QString>

#include "FolderCheck.h"
#include "PictureImport.h"
#include "PictureSet.h"
#include "ToolsTestSupport.h"

namespace fs = std::filesystem;

namespace {

// A JPEG with an EXIF block saying how the camera was held; big-endian or
// little-endian TIFF as cameras write either.
std::vector<std::uint8_t> WithOrientation(std::vector<std::uint8_t> jpeg, int orientation, bool bigEndian)
{
    const auto o = static_cast<std::uint8_t>(orientation);
    std::vector<std::uint8_t> tiff = bigEndian
        ? std::vector<std::uint8_t>{'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, o, 0, 0, 0, 0, 0, 0}
        : std::vector<std::uint8_t>{'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0, o, 0, 0, 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> segment{0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
    segment.insert(segment.end(), tiff.begin(), tiff.end());
    const std::size_t length = segment.size() - 2;
    segment[2] = static_cast<std::uint8_t>(length >> 8);
    segment[3] = static_cast<std::uint8_t>(length);
    jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
    return jpeg;
}

void WritePng(const fs::path& file, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(90, 140, 60));
    fs::create_directories(file.parent_path());
    ASSERT_TRUE(image.save(QString::fromStdString(file.string()), "PNG"));
}

struct Imported {
    const char* file; ///< inside the picture folder
    int width;
    int height;
};

// A teacher's folder using both naming forms, names with and without
// diacritics, photographs larger and smaller than their slots, one turned by
// the camera, and some that the quiz would never show.
class TeacherPhotos : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        source = new TempFolder;
        target = new TempFolder;
        const fs::path src = source->Path();
        WriteBytes(src / "0/5.jpg", RampJpeg(640, 480));
        WriteBytes(src / "Fazol obecný-1.jpg", RampJpeg(100, 80));
        WriteBytes(src / "FAZOL_OBECNY-3.JPEG", RampJpeg(300, 600));
        WritePng(src / "5-2.png", 800, 300);
        WriteBytes(src / "3/38.jpg", WithOrientation(RampJpeg(400, 200), 6, true));
        WriteBytes(src / "4-0.jpg", RampJpeg(50, 50));
        WriteBytes(src / "2/17.jpg", RampJpeg(50, 50));
        WriteBytes(src / "readme.txt", {'h', 'i'});
        run = new ToolRun(RunTool({"import", src.string(), (target->Path() / "obr").string()}));
    }
    static void TearDownTestSuite()
    {
        delete run;
        delete target;
        delete source;
    }
    static fs::path Folder() { return target->Path() / "obr"; }

    static TempFolder* source;
    static TempFolder* target;
    static ToolRun* run;
};
TempFolder* TeacherPhotos::source = nullptr;
TempFolder* TeacherPhotos::target = nullptr;
ToolRun* TeacherPhotos::run = nullptr;

TEST_F(TeacherPhotos, WritesAFolderThatPassesCheck)
{
    EXPECT_EQ(run->status, 0) << run->out << run->err;
    std::set<std::string> expected;
    for (const ExpectedPicture& picture : ExpectedPictures())
        expected.insert(picture.path);
    EXPECT_EQ(FilesUnder(Folder()), expected) << "seed 4 has no view 0: its photograph must not be written";
    const FolderReport check = CheckPictureFolder(Folder());
    EXPECT_TRUE(check.Ok());
    EXPECT_TRUE(check.hints.empty());
}

TEST_F(TeacherPhotos, ShrinksToTheSlotAndNeverEnlarges)
{
    const Imported cases[] = {
        {"0/5.jpg", 233, 174},  // 640 x 480 shrunk to the 233 box, aspect kept
        {"1/5.jpg", 100, 80},   // smaller than the box: as it was
        {"2/5.jpg", 460, 172},  // 800 x 300 shrunk to fit 460 x 260 rather than cut
        {"3/5.jpg", 144, 289},  // 300 x 600 into 161 x 289
        {"3/38.jpg", 144, 289}, // 400 x 200 held upright by the camera: 200 x 400
    };
    for (const Imported& c : cases)
        EXPECT_EQ(JpegSize(Folder() / c.file), std::make_pair(c.width, c.height)) << c.file;
}

TEST_F(TeacherPhotos, ViewsWithoutAPhotographGetThePlaceholders)
{
    const auto neni = ReadBytes(Folder() / "neni.jpg");
    const auto neni2 = ReadBytes(Folder() / "neni2.jpg");
    EXPECT_EQ(ReadBytes(Folder() / "0/0.jpg"), neni);
    EXPECT_EQ(ReadBytes(Folder() / "1/0.jpg"), neni);
    EXPECT_EQ(ReadBytes(Folder() / "2/0.jpg"), neni2);
    EXPECT_EQ(JpegSize(Folder() / "3/0.jpg"), std::make_pair(161, 289));
    EXPECT_NE(ReadBytes(Folder() / "1/5.jpg"), neni);
}

TEST_F(TeacherPhotos, SaysWhatIsMissingAndWhatWasNotUsed)
{
    const std::string& out = run->out;
    const auto says = [&out](const std::string& text) { return out.find(text) != std::string::npos; };
    EXPECT_TRUE(says("seed 0 (Bob koňský): views 0, 1, 2, 3")) << out;
    EXPECT_TRUE(says("seed 4 (Čočka loupaná): views 2, 3")) << out;
    EXPECT_FALSE(says("seed 38 (Kramve)")) << "seed 38 has its only view";
    EXPECT_FALSE(says("seed 5 (Fazol obecný):")) << "seed 5 has all four";
    EXPECT_TRUE(says("4-0.jpg: not used: the quiz never shows view 0 of seed 4 (Čočka loupaná)")) << out;
    EXPECT_TRUE(says("17.jpg: not used: the quiz never shows view 2 of seed 17")) << out;
    EXPECT_TRUE(says("readme.txt: not used: the name does not follow the naming rule")) << out;
    EXPECT_TRUE(says("5 of them from your photographs; 37 seeds still lack a photograph")) << out;
}

TEST(PictureImport, UnusableSourcesAreErrorsButTheFolderIsStillComplete)
{
    TempFolder source;
    TempFolder target;
    WriteBytes(source / "3/0.jpg", RampJpeg(60, 60));
    WriteBytes(source / "bob konsky-3.jpg", RampJpeg(60, 60)); // the same slot again
    WriteBytes(source / "3/1.jpg", {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'});
    WriteBytes(source / "2-3.gif", {'G', 'I', 'F', '8', '9', 'a'});

    const ToolRun run = RunTool({"import", source.Path().string(), (target / "obr").string()});
    EXPECT_EQ(run.status, 1);
    const ImportReport report = ImportPictureFolder(source.Path(), target / "again");
    std::map<std::string, std::string> errors;
    for (const Finding& error : report.errors)
        errors[fs::path(error.path).filename().string()] = error.text;
    ASSERT_EQ(errors.size(), 4u);
    EXPECT_NE(errors["0.jpg"].find("more than one photograph for view 3 of seed 0"), std::string::npos);
    EXPECT_NE(errors["bob konsky-3.jpg"].find("more than one photograph"), std::string::npos);
    EXPECT_NE(errors["1.jpg"].find("JPEG error #"), std::string::npos) << errors["1.jpg"];
    EXPECT_NE(errors["2-3.gif"].find("only JPEG, PNG and BMP"), std::string::npos);
    EXPECT_TRUE(CheckPictureFolder(target / "obr").Ok());
}

TEST(PictureImport, RefusesToWriteIntoItsOwnSource)
{
    TempFolder source;
    const ToolRun run = RunTool({"import", source.Path().string(), source.Path().string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("must be different folders"), std::string::npos) << run.err;
}

struct NameCase {
    const char* path;
    int seed; ///< -1: not a photograph by the rule
    int view;
};

TEST(PictureImport, NamingRule)
{
    const NameCase cases[] = {
        {"3/17.jpg", 17, 3},
        {"0/0.jpg", 0, 0},
        {"17-3.jpg", 17, 3},
        {"Oves pluchatý-3.jpg", 17, 3},
        {"oves_pluchaty - 3.JPG", 17, 3},
        {"3/Řepka olejná.jpg", 30, 3},
        {"REPKA  OLEJNA-1.png", 30, 1},
        {"Hrach sety polni zlutosemenny-3.jpg", 8, 3},
        {"Čočka loupaná-2.jpg", 4, 2},
        {"39-3.jpg", -1, 0},     // no such seed
        {"17-4.jpg", -1, 0},     // no such view
        {"4/17.jpg", -1, 0},
        {"17.jpg", -1, 0},       // view missing
        {"-3.jpg", -1, 0},
        {"Oves-3.jpg", -1, 0},   // not a whole name
        {"x/3/17.jpg", -1, 0},   // too deep
        {"+5-3.jpg", -1, 0},
    };
    for (const NameCase& c : cases) {
        const auto slot = ParsePhotoName(fs::u8path(c.path));
        if (c.seed < 0) {
            EXPECT_FALSE(slot) << c.path;
        } else {
            ASSERT_TRUE(slot) << c.path;
            EXPECT_EQ(*slot, (PhotoSlot{c.seed, c.view})) << c.path;
        }
    }
}

// Folding away case and diacritics must not make two catalogue names meet.
TEST(PictureImport, EveryCatalogueNameFindsItsOwnSeed)
{
    for (int seed = 0; seed < SeedCount; ++seed) {
        const std::string_view name = SeedNames[static_cast<std::size_t>(seed)];
        EXPECT_EQ(SeedByName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toUpper()), seed)
            << name;
    }
}

// Where the stored top-left pixel ends up once the picture stands upright.
TEST(PictureImport, CameraOrientation)
{
    struct Case {
        int orientation;
        int x;
        int y;
    };
    const Case cases[] = {{1, 0, 0}, {2, 2, 0}, {3, 2, 1}, {4, 0, 1}, {5, 0, 0}, {6, 1, 0}, {7, 1, 2}, {8, 0, 2}};
    QImage stored(3, 2, QImage::Format_RGB32);
    stored.fill(Qt::black);
    stored.setPixel(0, 0, qRgb(255, 0, 0));
    for (const Case& c : cases) {
        const QImage upright = Upright(stored, c.orientation);
        EXPECT_EQ(upright.size(), c.orientation >= 5 ? QSize(2, 3) : QSize(3, 2)) << c.orientation;
        EXPECT_EQ(upright.pixel(c.x, c.y), qRgb(255, 0, 0)) << c.orientation;
        for (bool big : {false, true})
            EXPECT_EQ(JpegOrientation(WithOrientation(RampJpeg(8, 8), c.orientation, big)), c.orientation);
    }
    EXPECT_EQ(JpegOrientation(RampJpeg(8, 8)), 1);
}

} // namespace

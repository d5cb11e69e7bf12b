#include "PictureFile.h"

#include <memory>
#include <ostream>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <gtest/gtest.h>

#include "JpegFixtures.h"
#include "PictureControl.h"
#include "PictureFolder.h"
#include "SorvitaError.h"

namespace {

std::string JpegError(int code)
{
    return "JPEG error #" + std::to_string(code);
}

Bytes BmpBytes(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return {bytes.begin(), bytes.end()};
}

class PictureLoad : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.IsValid());
        folder.Write("obr/0/17.jpg", QuadrantJpeg(640, 480));
        folder.Write("obr/text.jpg", Bytes{'n', 'o', 't', ' ', 'a', ' ', 'J', 'P', 'E', 'G', '\n'});
        folder.Write("obr/empty.jpg", Bytes{});
        folder.MakeFolder("obr/folder.jpg");
        folder.Write("obr/icon.ico", Bytes{0, 0, 1, 0});
        folder.Write("obr/broken.bmp", Bytes{'B', 'M', '?', '?'});
        folder.Write("obr/panel.bmp", BmpBytes(181, 269, qRgb(255, 255, 0)));
        Bytes huge = QuadrantJpeg(16, 16);
        SetFrameSize(huge, 60000, 60000);
        folder.Write("obr/huge.jpg", huge);
        Bytes justOver = QuadrantJpeg(16, 16);
        SetFrameSize(justOver, 10000, 10001);
        folder.Write("obr/over.jpg", justOver);
        Bytes atLimit = QuadrantJpeg(16, 16);
        SetFrameSize(atLimit, 10000, 10000);
        folder.Write("obr/limit.jpg", atLimit);
    }

    PictureFolder folder;
};

struct FailureCase {
    const char* name;
    const char* path;
    std::string message;
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class LoadFailures : public PictureLoad, public testing::WithParamInterface<FailureCase> {};

TEST_P(LoadFailures, ReportTheUsersTextAndKeepTheOldPicture)
{
    PictureControl control;
    control.LoadFromFile("obr/0/17.jpg");
    const auto before = control.CurrentPicture();
    ASSERT_NE(before, nullptr);

    try {
        control.LoadFromFile(GetParam().path);
        FAIL() << "load succeeded";
    } catch (const SorvitaError& error) {
        EXPECT_EQ(error.what(), GetParam().message);
    }
    EXPECT_EQ(control.CurrentPicture(), before);
    EXPECT_EQ(control.State(), PictureState::HeaderRead);
    EXPECT_EQ(control.PictureWidth(), 640);

    // A control that had nothing stays empty.
    PictureControl empty;
    EXPECT_THROW(empty.LoadFromFile(GetParam().path), SorvitaError);
    EXPECT_FALSE(empty.HasPicture());
    EXPECT_EQ(empty.State(), PictureState::Empty);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadFailures,
    testing::Values(
        FailureCase{"MissingFile", "obr/2/7.jpg", "Cannot open file obr/2/7.jpg"},
        FailureCase{"MissingFolder", "nothere/0/1.jpg", "Cannot open file nothere/0/1.jpg"},
        FailureCase{"PathAsPassed", "./obr//0/../0/99.jpg", "Cannot open file ./obr//0/../0/99.jpg"},
        FailureCase{"FolderNamedLikeAPicture", "obr/folder.jpg", "Cannot open file obr/folder.jpg"},
        FailureCase{"TextUnderJpgName", "obr/text.jpg", JpegError(JERR_NO_SOI)},
        // The extension is checked first: these files do not exist.
        FailureCase{"PngNotOpened", "obr/missing.png", "Unknown picture file extension (.png)"},
        FailureCase{"NoExtension", "obr/README", "Unknown picture file extension (.)"},
        FailureCase{"DotInFolderOnly", "obr.d/picture", "Unknown picture file extension (.)"},
        FailureCase{"TrailingDot", "obr/picture.", "Unknown picture file extension (.)"},
        FailureCase{"LastDotCounts", "obr/17.jpg.gif", "Unknown picture file extension (.gif)"},
        // Registered types: the file is read before the type is looked at.
        FailureCase{"MissingIcon", "obr/missing.ico", "Cannot open file obr/missing.ico"},
        FailureCase{"IconHasNoDecoder", "obr/icon.ico", "Unsupported picture type (.ico) in obr/icon.ico"},
        FailureCase{"BrokenBitmap", "obr/broken.bmp", "Bitmap image is not valid in obr/broken.bmp"},
        // Headers that claim more pixels than the limit.
        FailureCase{"HugeHeader", "obr/huge.jpg", "Picture too large (60000 x 60000 pixels) in obr/huge.jpg"},
        FailureCase{"OnePixelRowOverLimit", "obr/over.jpg", "Picture too large (10000 x 10001 pixels) in obr/over.jpg"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(PictureLoad, JpegExtensionsAreCaseInsensitive)
{
    for (const char* name : {"a.jpg", "b.JPG", "c.jpeg", "d.JpEg"}) {
        SCOPED_TRACE(name);
        folder.Write(std::string("obr/") + name, QuadrantJpeg(64, 32));
        const auto picture = LoadPictureFile(std::string("obr/") + name);
        EXPECT_EQ(picture->Type(), PictureType::Jpeg);
        EXPECT_EQ(picture->Width(), 64);
        EXPECT_EQ(picture->Height(), 32);
        EXPECT_EQ(picture->Source(), std::string("obr/") + name);
    }
}

TEST_F(PictureLoad, LoadReadsTheHeaderAndDefersDecoding)
{
    PictureControl control;
    control.LoadFromFile("obr/0/17.jpg");
    EXPECT_EQ(control.State(), PictureState::HeaderRead);
    EXPECT_EQ(control.DecodeCount(), 0);
    const auto picture = control.CurrentPicture();
    EXPECT_EQ(picture->Header().width, 640);
    EXPECT_FALSE(picture->Header().grayscale);
    EXPECT_FALSE(picture->Header().progressive);
}

TEST_F(PictureLoad, ZeroByteFileLoadsAsZeroByZero)
{
    PictureControl control;
    control.LoadFromFile("obr/empty.jpg");
    EXPECT_TRUE(control.HasPicture());
    EXPECT_EQ(control.State(), PictureState::HeaderRead);
    EXPECT_EQ(control.PictureWidth(), 0);
    EXPECT_EQ(control.PictureHeight(), 0);
}

TEST_F(PictureLoad, PixelLimitIsInclusive)
{
    const auto picture = LoadPictureFile("obr/limit.jpg");
    EXPECT_EQ(std::int64_t{picture->Width()} * picture->Height(), MaxPicturePixels);
}

TEST_F(PictureLoad, BitmapsLoadDecoded)
{
    PictureControl control;
    control.LoadFromFile("obr/panel.bmp");
    EXPECT_EQ(control.CurrentPicture()->Type(), PictureType::Bitmap);
    EXPECT_EQ(control.PictureWidth(), 181);
    EXPECT_EQ(control.PictureHeight(), 269);
    EXPECT_EQ(control.State(), PictureState::Decoded);
    EXPECT_EQ(control.CurrentPicture()->Bitmap().pixel(100, 100), qRgb(255, 255, 0));

    const Bytes bmp = BmpBytes(3, 2, qRgb(1, 2, 3));
    control.SetBitmapData(QByteArray(reinterpret_cast<const char*>(bmp.data()), static_cast<qsizetype>(bmp.size())));
    EXPECT_EQ(control.PictureWidth(), 3);
    EXPECT_EQ(control.CurrentPicture()->Bitmap().pixel(2, 1), qRgb(1, 2, 3));
}

TEST_F(PictureLoad, StoredJpegDataReadsTheHeaderNowAndKeepsTheOldPictureOnFailure)
{
    PictureControl control;
    const Bytes jpeg = QuadrantJpeg(1488, 1984 / 8);
    control.SetJpegData(QByteArray(reinterpret_cast<const char*>(jpeg.data()), static_cast<qsizetype>(jpeg.size())));
    EXPECT_EQ(control.State(), PictureState::HeaderRead);
    EXPECT_EQ(control.PictureWidth(), 1488);
    const auto before = control.CurrentPicture();

    try {
        control.SetJpegData(Bytes{'B', 'M'});
        FAIL() << "accepted";
    } catch (const SorvitaError& error) {
        EXPECT_EQ(error.what(), JpegError(JERR_NO_SOI));
    }
    EXPECT_EQ(control.CurrentPicture(), before);

    Bytes huge = QuadrantJpeg(16, 16);
    SetFrameSize(huge, 60000, 60000);
    try {
        control.SetJpegData(huge);
        FAIL() << "accepted";
    } catch (const SorvitaError& error) {
        EXPECT_EQ(error.what(), std::string("Picture too large (60000 x 60000 pixels)"));
    }
    EXPECT_EQ(control.CurrentPicture(), before);
}

} // namespace

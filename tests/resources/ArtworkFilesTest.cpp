#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <jpeglib.h>

namespace {

const QString ArtworkDir = QStringLiteral(SORVITA_ARTWORK_DIR);

const QStringList ArtworkFiles = {
    "falcon.jpg", "panel.bmp", "startpage.bmp", "sorvita.png", "sorvita-48.png", "sorvita-32.png", "sorvita-16.png",
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::uint32_t Le32(const QByteArray& b, int at)
{
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at])) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}

std::uint16_t Le16(const QByteArray& b, int at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8);
}

// ---------------------------------------------------------------- BMP

class PanelBitmapTest : public ::testing::TestWithParam<const char*> {
protected:
    static constexpr int Width = 181;
    static constexpr int Height = 269;
    static constexpr int Stride = 544;

    void SetUp() override
    {
        bytes = ReadAll(QDir(ArtworkDir).filePath(GetParam()));
        ASSERT_EQ(bytes.size(), 146390) << GetParam();
    }

    // Rows counted from the top, as the picture is seen.
    QByteArray PixelBgr(int column, int row) const
    {
        const int stored = Height - 1 - row;
        return bytes.mid(54 + stored * Stride + column * 3, 3);
    }

    QByteArray bytes;
};

TEST_P(PanelBitmapTest, HeaderDescribesAnUncompressedBottomUp24BitPicture)
{
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(Le32(bytes, 2), 146390u);   // file size
    EXPECT_EQ(Le32(bytes, 10), 54u);      // pixel data offset
    EXPECT_EQ(Le32(bytes, 14), 40u);      // BITMAPINFOHEADER
    EXPECT_EQ(Le32(bytes, 18), 181u);
    EXPECT_EQ(Le32(bytes, 22), 269u);     // positive: bottom-up
    EXPECT_EQ(Le16(bytes, 26), 1u);       // planes
    EXPECT_EQ(Le16(bytes, 28), 24u);
    EXPECT_EQ(Le32(bytes, 30), 0u);       // BI_RGB
    EXPECT_EQ(Le32(bytes, 46), 0u);       // no palette
    for (int stored = 0; stored < Height; ++stored)
        ASSERT_EQ(bytes.mid(54 + stored * Stride + Width * 3, 1), QByteArray(1, '\0')) << "padding of row " << stored;
}

// Each column is yellow down to its boundary and pale yellow from there on;
// the boundary climbs from row 202 to row 94 along a straight line.
TEST_P(PanelBitmapTest, TwoColoursMeetOnAStraightRisingDiagonal)
{
    const QByteArray yellow("\x00\xff\xff", 3);
    const QByteArray pale("\x80\xff\xff", 3);
    std::vector<int> boundary(Width, -1);
    for (int column = 0; column < Width; ++column) {
        for (int row = 0; row < Height; ++row) {
            const QByteArray bgr = PixelBgr(column, row);
            if (boundary[column] < 0 && bgr == pale)
                boundary[column] = row;
            const QByteArray& expected = boundary[column] < 0 ? yellow : pale;
            ASSERT_EQ(bgr.toHex(), expected.toHex()) << "column " << column << " row " << row;
        }
    }
    EXPECT_EQ(boundary.front(), 202);
    EXPECT_EQ(boundary.back(), 94);
    for (int column = 0; column < Width; ++column) {
        const double ideal = 202.0 - 108.0 * column / 180.0;
        EXPECT_LE(std::abs(boundary[column] - ideal), 0.5) << "column " << column;
        if (column > 0) {
            const int step = boundary[column] - boundary[column - 1];
            EXPECT_TRUE(step == 0 || step == -1) << "column " << column;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, PanelBitmapTest, ::testing::Values("panel.bmp", "startpage.bmp"),
                         [](const auto& info) { return QString::fromLatin1(info.param).section('.', 0, 0).toStdString(); });

// ---------------------------------------------------------------- JPEG

struct JpegFacts {
    bool ok = false;
    int messageCode = 0;
    long warnings = 0;
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = false;
    bool arithmetic = false;
};

struct TestErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void TestErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<TestErrorManager*>(cinfo->err)->jump, 1);
}

void Quiet(j_common_ptr) {}

// Reads the header and decodes every line, so a damaged stream shows as an
// error or a warning. Nothing with a destructor lives across the setjmp.
void InspectJpeg(const unsigned char* data, unsigned long size, JpegFacts* facts)
{
    jpeg_decompress_struct cinfo;
    TestErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = TestErrorExit;
    err.pub.output_message = Quiet;
    JSAMPARRAY row = nullptr;
    if (setjmp(err.jump)) {
        facts->messageCode = err.pub.msg_code;
        jpeg_destroy_decompress(&cinfo);
        return;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    facts->width = static_cast<int>(cinfo.image_width);
    facts->height = static_cast<int>(cinfo.image_height);
    facts->components = cinfo.num_components;
    facts->progressive = cinfo.progressive_mode;
    facts->arithmetic = cinfo.arith_code;
    jpeg_start_decompress(&cinfo);
    row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                      cinfo.output_width * static_cast<JDIMENSION>(cinfo.output_components), 1);
    while (cinfo.output_scanline < cinfo.output_height)
        jpeg_read_scanlines(&cinfo, row, 1);
    jpeg_finish_decompress(&cinfo);
    facts->warnings = err.pub.num_warnings;
    facts->ok = true;
    jpeg_destroy_decompress(&cinfo);
}

// The start-of-frame markers present, read from the marker segments up to
// the first scan: 0xC0 is baseline, 0xC2 progressive.
std::vector<int> FrameMarkers(const QByteArray& jpeg)
{
    std::vector<int> markers;
    int at = 2;
    while (at + 4 <= jpeg.size() && static_cast<std::uint8_t>(jpeg[at]) == 0xFF) {
        const int marker = static_cast<std::uint8_t>(jpeg[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            markers.push_back(marker);
        if (marker == 0xDA)
            break;
        const int length = static_cast<std::uint8_t>(jpeg[at + 2]) << 8 | static_cast<std::uint8_t>(jpeg[at + 3]);
        at += 2 + length;
    }
    return markers;
}

TEST(FalconJpeg, IsABaselinePortraitColourPhotograph)
{
    const QByteArray jpeg = ReadAll(QDir(ArtworkDir).filePath("falcon.jpg"));
    ASSERT_FALSE(jpeg.isEmpty());
    JpegFacts facts;
    InspectJpeg(reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()),
                &facts);
    ASSERT_TRUE(facts.ok) << "libjpeg message " << facts.messageCode;
    EXPECT_EQ(facts.warnings, 0);
    EXPECT_EQ(facts.width, 1488);
    EXPECT_EQ(facts.height, 1984);
    EXPECT_EQ(facts.components, 3);
    EXPECT_FALSE(facts.progressive);
    EXPECT_FALSE(facts.arithmetic);
    EXPECT_EQ(FrameMarkers(jpeg), std::vector<int>{0xC0});
    // About the weight of a real photograph of this size.
    EXPECT_GE(jpeg.size(), 250'000);
    EXPECT_LE(jpeg.size(), 350'000);
}

// ---------------------------------------------------------------- icon

TEST(ProgramIcon, EachSizeIsARoundEmblemOnATransparentSquare)
{
    const struct {
        const char* file;
        int size;
    } icons[] = {{"sorvita.png", 256}, {"sorvita-48.png", 48}, {"sorvita-32.png", 32}, {"sorvita-16.png", 16}};
    for (const auto& icon : icons) {
        SCOPED_TRACE(icon.file);
        const QImage image(QDir(ArtworkDir).filePath(icon.file));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(icon.size, icon.size));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(icon.size - 1, icon.size - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(icon.size / 2, icon.size / 2)), 255);
    }
}

// ---------------------------------------------------------------- reproducibility

QString RunGenerator(const QString& outDir)
{
    QProcess generator;
    generator.start(QStringLiteral(SORVITA_ARTWORK_GENERATOR), {outDir});
    if (!generator.waitForFinished(120'000))
        return QStringLiteral("did not finish");
    if (generator.exitStatus() != QProcess::NormalExit || generator.exitCode() != 0)
        return QString::fromLocal8Bit(generator.readAllStandardError());
    return {};
}

// Two runs write the same bytes, and they are the bytes the build embedded.
TEST(ArtworkGenerator, WritesTheSameBytesOnEveryRun)
{
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    ASSERT_EQ(RunGenerator(first.path()), QString());
    ASSERT_EQ(RunGenerator(second.path()), QString());
    for (const QString& name : ArtworkFiles) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray a = ReadAll(QDir(first.path()).filePath(name));
        ASSERT_FALSE(a.isEmpty());
        EXPECT_TRUE(a == ReadAll(QDir(second.path()).filePath(name)));
        EXPECT_TRUE(a == ReadAll(QDir(ArtworkDir).filePath(name)));
    }
}

TEST(ArtworkGenerator, FailsWithAMessageWhenItCannotWrite)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile blocker(QDir(dir.path()).filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString error = RunGenerator(QDir(dir.path()).filePath("file/out"));
    EXPECT_TRUE(error.startsWith("sorvita-artwork: cannot create")) << error.toStdString();
}

} // namespace

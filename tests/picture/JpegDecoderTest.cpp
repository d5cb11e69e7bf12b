#include "JpegDecoder.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

#include <gtest/gtest.h>

#include "JpegFixtures.h"
#include "SorvitaError.h"

namespace {

std::string JpegError(int code)
{
    return "JPEG error #" + std::to_string(code);
}

// Pixel (x, y) of an RGB888 result.
Rgb At(const JpegDecodeResult& result, int x, int y)
{
    const std::uint8_t* p = &result.pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(result.width) +
                                            static_cast<std::size_t>(x)) * 3];
    return {p[0], p[1], p[2]};
}

void ExpectNear(Rgb actual, Rgb expected, int tolerance = 6)
{
    EXPECT_NEAR(actual.r, expected.r, tolerance);
    EXPECT_NEAR(actual.g, expected.g, tolerance);
    EXPECT_NEAR(actual.b, expected.b, tolerance);
}

struct HeaderCase {
    const char* name;
    Bytes (*make)();
    JpegHeader expected;
};

void PrintTo(const HeaderCase& c, std::ostream* out)
{
    *out << c.name;
}

class HeaderTable : public testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderTable, ReadsSizeGreyAndProgressive)
{
    const Bytes jpeg = GetParam().make();
    const JpegHeader header = ReadJpegHeader(jpeg.data(), jpeg.size());
    const JpegHeader& expected = GetParam().expected;
    EXPECT_EQ(header.width, expected.width);
    EXPECT_EQ(header.height, expected.height);
    EXPECT_EQ(header.grayscale, expected.grayscale);
    EXPECT_EQ(header.progressive, expected.progressive);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HeaderTable,
    testing::Values(HeaderCase{"BaselineColour", [] { return QuadrantJpeg(640, 480); }, {640, 480, false, false}},
                    HeaderCase{"ProgressiveColour", [] { return QuadrantJpeg(101, 67, true); }, {101, 67, false, true}},
                    HeaderCase{"BaselineGrey", [] { return FlatGreyJpeg(31, 17, 90); }, {31, 17, true, false}},
                    HeaderCase{"ProgressiveGrey", [] { return FlatGreyJpeg(8, 300, 90, true); }, {8, 300, true, true}},
                    HeaderCase{"Cmyk", [] { return FlatCmykJpeg(16, 16, 0, 0, 0, 0, true, false); }, {16, 16, false, false}},
                    // Beyond the pixel limit, but the header itself is sound.
                    HeaderCase{"HugeClaim",
                               [] {
                                   Bytes jpeg = QuadrantJpeg(16, 16);
                                   SetFrameSize(jpeg, 60000, 60000);
                                   return jpeg;
                               },
                               {60000, 60000, false, false}}),
    [](const testing::TestParamInfo<HeaderCase>& info) { return std::string(info.param.name); });

struct RejectCase {
    const char* name;
    Bytes (*make)();
    int code;
};

void PrintTo(const RejectCase& c, std::ostream* out)
{
    *out << c.name;
}

class HeaderRejectTable : public testing::TestWithParam<RejectCase> {};

TEST_P(HeaderRejectTable, ThrowsTheDecodersNumber)
{
    const Bytes data = GetParam().make();
    try {
        ReadJpegHeader(data.data(), data.size());
        FAIL() << "header accepted";
    } catch (const SorvitaError& error) {
        EXPECT_EQ(error.what(), JpegError(GetParam().code));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Data, HeaderRejectTable,
    testing::Values(RejectCase{"Text", [] { return Bytes{'h', 'e', 'l', 'l', 'o', '\n'}; }, JERR_NO_SOI},
                    RejectCase{"Empty", [] { return Bytes{}; }, JERR_INPUT_EMPTY},
                    RejectCase{"StartMarkerOnly", [] { return Bytes{0xFF, 0xD8}; }, JERR_NO_IMAGE},
                    RejectCase{"ZeroWidth",
                               [] {
                                   Bytes jpeg = QuadrantJpeg(16, 16);
                                   SetFrameSize(jpeg, 0, 16);
                                   return jpeg;
                               },
                               JERR_EMPTY_IMAGE},
                    RejectCase{"BeyondJpegMaximum",
                               [] {
                                   Bytes jpeg = QuadrantJpeg(16, 16);
                                   SetFrameSize(jpeg, 65535, 65535);
                                   return jpeg;
                               },
                               JERR_IMAGE_TOO_BIG}),
    [](const testing::TestParamInfo<RejectCase>& info) { return std::string(info.param.name); });

TEST(JpegDecode, ColourQuadrantsBaselineAndProgressive)
{
    for (const bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const Bytes jpeg = QuadrantJpeg(64, 48, progressive);
        const JpegDecodeResult result = DecodeJpegRgb(jpeg.data(), jpeg.size());
        ASSERT_TRUE(result.status.Complete());
        EXPECT_EQ(result.status.rowsDecoded, 48);
        ASSERT_EQ(result.width, 64);
        ExpectNear(At(result, 8, 8), {255, 0, 0});
        ExpectNear(At(result, 56, 8), {0, 255, 0});
        ExpectNear(At(result, 8, 40), {0, 0, 255});
        ExpectNear(At(result, 56, 40), {255, 255, 255});
    }
}

TEST(JpegDecode, GreyscaleBecomesEqualChannels)
{
    for (const bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const Bytes jpeg = FlatGreyJpeg(40, 30, 77, progressive);
        const JpegDecodeResult result = DecodeJpegRgb(jpeg.data(), jpeg.size());
        ASSERT_TRUE(result.status.Complete());
        for (int y = 0; y < 30; y += 7) {
            for (int x = 0; x < 40; x += 9) {
                const Rgb p = At(result, x, y);
                EXPECT_EQ(p.r, p.g);
                EXPECT_EQ(p.g, p.b);
                EXPECT_NEAR(p.r, 77, 2);
            }
        }
    }
}

struct LayoutCase {
    JpegPixelFormat format;
    int red, green, blue, filler; // byte offsets; filler -1 when none
};


TEST(JpegDecode, WritesEachPixelLayoutWithOpaqueFiller)
{
    const LayoutCase layouts[] = {
        {JpegPixelFormat::Rgb888, 0, 1, 2, -1},
        {JpegPixelFormat::Bgrx8888, 2, 1, 0, 3},
        {JpegPixelFormat::Xrgb8888, 1, 2, 3, 0},
    };
    const Bytes colour = QuadrantJpeg(32, 32);
    const Bytes grey = FlatGreyJpeg(32, 32, 200);
    const Bytes cmyk = FlatCmykJpeg(32, 32, 255, 0, 0, 255, true, false); // red, inverted inks
    for (const LayoutCase& layout : layouts) {
        const int size = BytesPerPixel(layout.format);
        SCOPED_TRACE(size);
        std::vector<std::uint8_t> pixels(32 * 32 * static_cast<std::size_t>(size) + 64, 0x55);
        const std::ptrdiff_t stride = 32 * size + 2; // padded rows must be honoured
        struct Source {
            const Bytes& jpeg;
            Rgb topLeft;
        };
        for (const Source& source : {Source{colour, {255, 0, 0}}, Source{grey, {200, 200, 200}}, Source{cmyk, {255, 0, 0}}}) {
            std::fill(pixels.begin(), pixels.end(), 0x55);
            const JpegDecodeStatus status = DecodeJpegInto(source.jpeg.data(), source.jpeg.size(), pixels.data(), stride, layout.format);
            ASSERT_TRUE(status.Complete());
            for (const int y : {0, 5, 10}) {
                const std::uint8_t* p = pixels.data() + y * stride + 3 * size;
                ExpectNear({p[layout.red], p[layout.green], p[layout.blue]}, source.topLeft);
                if (layout.filler >= 0) {
                    EXPECT_EQ(p[layout.filler], 0xFF);
                }
                EXPECT_EQ(pixels[static_cast<std::size_t>(y * stride + 32 * size)], 0x55) << "row padding written";
            }
        }
    }
}

struct CmykCase {
    const char* name;
    std::uint8_t c, m, y, k;
    bool adobe, ycck;
    Rgb expected;
};

void PrintTo(const CmykCase& c, std::ostream* out)
{
    *out << c.name;
}

class CmykTable : public testing::TestWithParam<CmykCase> {};

TEST_P(CmykTable, ShowsItsColours)
{
    const CmykCase& c = GetParam();
    const Bytes jpeg = FlatCmykJpeg(24, 24, c.c, c.m, c.y, c.k, c.adobe, c.ycck);
    const JpegDecodeResult result = DecodeJpegRgb(jpeg.data(), jpeg.size());
    ASSERT_TRUE(result.status.Complete()) << result.status.errorCode;
    ExpectNear(At(result, 12, 12), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Inks, CmykTable,
    testing::Values(
        // Adobe's files store inverted inks: 255 means no ink.
        CmykCase{"AdobeRed", 255, 0, 0, 255, true, false, {255, 0, 0}},
        CmykCase{"AdobeHalfBlackBlue", 0, 0, 255, 128, true, false, {0, 0, 128}},
        CmykCase{"YcckRed", 255, 0, 0, 255, true, true, {255, 0, 0}},
        // Without the marker the inks are plain: 0 means no ink.
        CmykCase{"PlainRed", 0, 255, 255, 0, false, false, {255, 0, 0}},
        CmykCase{"PlainBlack", 0, 0, 0, 255, false, false, {0, 0, 0}}),
    [](const testing::TestParamInfo<CmykCase>& info) { return std::string(info.param.name); });

TEST(JpegDecode, ScanLimitStopsAtTheLimitAndNotBefore)
{
    struct {
        int scans;
        bool hit;
    } const cases[] = {{64, false}, {MaxJpegScans, false}, {MaxJpegScans + 1, true}, {694, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scans);
        const Bytes jpeg = ManyScanJpeg(48, 40, c.scans);
        ASSERT_EQ(CountScans(jpeg), c.scans);
        const JpegDecodeResult result = DecodeJpegRgb(jpeg.data(), jpeg.size());
        EXPECT_EQ(result.status.scanLimitHit, c.hit);
        EXPECT_EQ(result.status.errorCode, 0);
        EXPECT_EQ(result.status.Complete(), !c.hit);
        EXPECT_EQ(result.status.rowsDecoded, c.hit ? 0 : 40);
    }
}

TEST(JpegDecode, TruncatedFileFillsItsTailGreyWithoutError)
{
    Bytes jpeg = QuadrantJpeg(64, 64, false, 95);
    CutImageData(jpeg, 0.3);
    const JpegDecodeResult result = DecodeJpegRgb(jpeg.data(), jpeg.size());
    EXPECT_TRUE(result.status.Complete());
    EXPECT_EQ(result.status.rowsDecoded, 64);
    ExpectNear(At(result, 8, 4), {255, 0, 0});
    ExpectNear(At(result, 56, 60), {128, 128, 128}, 2);
}

TEST(JpegDecode, FatalErrorsKeepTheRowsDecodedBeforeThem)
{
    Bytes noQuantTable = QuadrantJpeg(32, 24);
    SetQuantTableOfFirstComponent(noQuantTable, 3);
    JpegDecodeResult result = DecodeJpegRgb(noQuantTable.data(), noQuantTable.size());
    EXPECT_EQ(result.status.errorCode, JERR_NO_QUANT_TABLE);
    EXPECT_EQ(result.status.rowsDecoded, 0);

    Bytes secondFrame = QuadrantJpeg(32, 24);
    AppendSecondFrameHeader(secondFrame);
    result = DecodeJpegRgb(secondFrame.data(), secondFrame.size());
    EXPECT_EQ(result.status.errorCode, JERR_SOF_DUPLICATE);
    EXPECT_EQ(result.status.rowsDecoded, 24);
    ExpectNear(At(result, 28, 20), {255, 255, 255});
}

TEST(JpegDecode, RgbDecodeRefusesHugeClaimsWithoutAllocating)
{
    Bytes jpeg = QuadrantJpeg(16, 16);
    SetFrameSize(jpeg, 60000, 60000);
    const JpegDecodeResult result = DecodeJpegRgb(jpeg.data(), jpeg.size());
    EXPECT_TRUE(result.status.tooLarge);
    EXPECT_FALSE(result.status.Complete());
    EXPECT_TRUE(result.pixels.empty());
}

} // namespace

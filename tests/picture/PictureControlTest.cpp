#include "PictureControl.h"

#include <memory>
#include <ostream>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

#include <QCoreApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "ErrorRecorder.h"
#include "JpegFixtures.h"
#include "PictureFile.h"
#include "PictureFolder.h"

namespace {

constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb Blue = qRgb(0, 0, 255);
constexpr QRgb Green = qRgb(0, 255, 0);

QImage Flat(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Every pixel a different colour, so a grab shows which source pixel landed where.
QImage Numbered(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * 7 + y * 13) & 0xFF));
    return image;
}

bool Near(QRgb a, QRgb b, int tolerance = 8)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// A window-like parent painted red, holding the controls under test.
class ControlHost : public testing::Test {
protected:
    void SetUp() override
    {
        host.resize(300, 300);
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, Qt::red);
        host.setPalette(palette);
        host.setAutoFillBackground(true);
    }

    PictureControl* AddControl(int x, int y, int width, int height)
    {
        auto* control = new PictureControl(&host);
        control->setGeometry(x, y, width, height);
        return control;
    }

    void Show()
    {
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    QImage GrabHost() { return host.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // A synchronous paint of the control, with the recorder told it is inside one.
    void Repaint(PictureControl& control)
    {
        recorder.painting = true;
        control.repaint();
        recorder.painting = false;
    }

    ErrorRecorder recorder;
    QWidget host;
};

TEST_F(ControlHost, DrawsOnlyItsRectangleOverEarlierSiblings)
{
    PictureControl* background = AddControl(0, 0, 300, 300);
    background->SetStretch(true);
    background->SetBitmap(Flat(10, 10, Blue));
    PictureControl* slot = AddControl(50, 50, 200, 200);
    slot->SetBitmap(Flat(40, 30, Green));
    PictureControl* centred = AddControl(0, 250, 100, 50);
    centred->SetCenter(true);
    centred->SetBitmap(Flat(20, 10, Green));
    Show();

    QImage shot = GrabHost();
    EXPECT_EQ(shot.pixel(55, 55), Green);
    EXPECT_EQ(shot.pixel(89, 79), Green);
    EXPECT_EQ(shot.pixel(90, 79), Blue) << "right of the picture, inside the control's box";
    EXPECT_EQ(shot.pixel(89, 80), Blue) << "below the picture, inside the control's box";
    EXPECT_EQ(shot.pixel(200, 200), Blue);
    EXPECT_EQ(shot.pixel(40, 270), Green);
    EXPECT_EQ(shot.pixel(39, 270), Blue);
    EXPECT_EQ(shot.pixel(40, 280), Blue);

    // With the background empty the window itself shows through both.
    background->ClearPicture();
    shot = GrabHost();
    EXPECT_EQ(shot.pixel(200, 200), Red);
    EXPECT_EQ(shot.pixel(10, 10), Red);
    EXPECT_EQ(shot.pixel(55, 55), Green);
}

TEST_F(ControlHost, NoFlagCutsALargerPictureAtTheBoxEdges)
{
    PictureControl* slot = AddControl(16, 20, 46, 26);
    slot->SetBitmap(Numbered(64, 48));
    Show();
    const QImage shot = GrabHost();
    const QImage source = Numbered(64, 48);
    EXPECT_EQ(shot.pixel(16, 20), source.pixel(0, 0));
    EXPECT_EQ(shot.pixel(61, 45), source.pixel(45, 25));
    EXPECT_EQ(shot.pixel(62, 45), Red);
    EXPECT_EQ(shot.pixel(61, 46), Red);
    EXPECT_EQ(slot->ScaleCount(), 0);
}

struct ScaleCase {
    const char* name;
    int width, height;     ///< source picture
    int boxWidth, boxHeight;
    bool stretch, proportional, center;
};

void PrintTo(const ScaleCase& c, std::ostream* out)
{
    *out << c.name;
}

class NearestNeighbour : public ControlHost, public testing::WithParamInterface<ScaleCase> {};

TEST_P(NearestNeighbour, EveryDrawnPixelIsOneSourcePixel)
{
    const ScaleCase& c = GetParam();
    PictureControl* control = AddControl(10, 10, c.boxWidth, c.boxHeight);
    control->SetStretch(c.stretch);
    control->SetProportional(c.proportional);
    control->SetCenter(c.center);
    const QImage source = Numbered(c.width, c.height);
    control->SetBitmap(source);
    Show();

    const PictureRect rect = control->DrawRect();
    const QImage shot = GrabHost();
    for (int y = 0; y < rect.height; ++y) {
        for (int x = 0; x < rect.width; ++x) {
            const int sx = (2 * x + 1) * c.width / (2 * rect.width);
            const int sy = (2 * y + 1) * c.height / (2 * rect.height);
            ASSERT_EQ(shot.pixel(10 + rect.left + x, 10 + rect.top + y), source.pixel(sx, sy))
                << "at " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, NearestNeighbour,
    testing::Values(ScaleCase{"StretchEnlarges", 37, 23, 97, 53, true, false, false},
                    ScaleCase{"StretchShrinks", 181, 131, 15, 9, true, false, false},
                    ScaleCase{"ProportionalCentredShrink", 240, 180, 233, 233, false, true, true},
                    ScaleCase{"ProportionalTall", 100, 300, 161, 289, false, true, false}),
    [](const testing::TestParamInfo<ScaleCase>& info) { return std::string(info.param.name); });

class PictureFiles : public ControlHost {
protected:
    void SetUp() override
    {
        ControlHost::SetUp();
        ASSERT_TRUE(folder.IsValid());
    }

    // Waits for the deferred reports that an event loop turn delivers.
    void DeliverDeferredReports(std::size_t expected)
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.messages.size() >= expected; }, 2000));
        QCoreApplication::processEvents();
    }

    PictureFolder folder;
};

TEST_F(PictureFiles, DecodesOnceAndScalesOncePerTargetSize)
{
    folder.Write("obr/0/3.jpg", QuadrantJpeg(640, 480));
    host.resize(800, 600);
    PictureControl* slot = AddControl(152, 216, 233, 233);
    slot->SetProportional(true);
    slot->SetCenter(true);
    Show();
    slot->LoadFromFile("obr/0/3.jpg");
    EXPECT_EQ(slot->DecodeCount(), 0);

    for (int i = 0; i < 3; ++i)
        Repaint(*slot);
    EXPECT_EQ(slot->State(), PictureState::Decoded);
    EXPECT_EQ(slot->DecodeCount(), 1);
    EXPECT_EQ(slot->ScaleCount(), 1);

    const QImage shot = GrabHost();
    EXPECT_TRUE(Near(shot.pixel(152 + 5, 216 + 29 + 5), Red));
    EXPECT_EQ(shot.pixel(152 + 5, 216 + 28), Red) << "strip above the centred picture shows the window";
    EXPECT_TRUE(Near(shot.pixel(152 + 228, 216 + 29 + 170), qRgb(255, 255, 255)));

    slot->resize(161, 289);
    Repaint(*slot);
    Repaint(*slot);
    EXPECT_EQ(slot->DecodeCount(), 1);
    EXPECT_EQ(slot->ScaleCount(), 2);

    slot->LoadFromFile("obr/0/3.jpg");
    EXPECT_EQ(slot->State(), PictureState::HeaderRead);
    Repaint(*slot);
    EXPECT_EQ(slot->DecodeCount(), 2);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(PictureFiles, GreyscaleAndProgressivePicturesShow)
{
    folder.Write("grey.jpg", FlatGreyJpeg(100, 60, 90, false));
    folder.Write("greyprog.jpg", FlatGreyJpeg(100, 60, 90, true));
    folder.Write("prog.jpg", QuadrantJpeg(100, 60, true));
    PictureControl* control = AddControl(0, 0, 100, 60);
    Show();
    for (const char* name : {"grey.jpg", "greyprog.jpg"}) {
        control->LoadFromFile(name);
        EXPECT_TRUE(Near(GrabHost().pixel(50, 30), qRgb(90, 90, 90), 2)) << name;
    }
    control->LoadFromFile("prog.jpg");
    const QImage shot = GrabHost();
    EXPECT_TRUE(Near(shot.pixel(10, 10), Red));
    EXPECT_TRUE(Near(shot.pixel(90, 50), qRgb(255, 255, 255)));
    EXPECT_EQ(control->State(), PictureState::Decoded);
    EXPECT_TRUE(recorder.messages.empty());
}

struct DrawFailureCase {
    const char* name;
    Bytes (*make)();
    std::string message;
    bool showsPicture; ///< rows were decoded before the error
};

void PrintTo(const DrawFailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class DrawFailures : public PictureFiles, public testing::WithParamInterface<DrawFailureCase> {};

TEST_P(DrawFailures, ReportedOnceAfterThePaintThenWhatWasDecodedShows)
{
    folder.Write("obr/3/5.jpg", GetParam().make());
    PictureControl* slot = AddControl(20, 20, 100, 100);
    slot->SetStretch(true);
    Show();
    slot->LoadFromFile("obr/3/5.jpg");

    Repaint(*slot);
    EXPECT_TRUE(recorder.messages.empty()) << "the box must not open inside the paint";
    EXPECT_EQ(slot->State(), PictureState::Failed);

    DeliverDeferredReports(1);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0], GetParam().message);
    EXPECT_FALSE(recorder.reportedWhilePainting[0]);

    Repaint(*slot);
    const QImage shot = GrabHost();
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.messages.size(), 1u) << "reported once per load";
    EXPECT_EQ(slot->DecodeCount(), 1);
    if (GetParam().showsPicture) {
        EXPECT_TRUE(Near(shot.pixel(25, 25), Red) && Near(shot.pixel(115, 115), qRgb(255, 255, 255)));
    } else {
        EXPECT_EQ(shot.pixel(60, 60), Red) << "nothing decoded, nothing drawn";
    }

    // A new load of the same file fails again at its own first draw.
    slot->LoadFromFile("obr/3/5.jpg");
    Repaint(*slot);
    DeliverDeferredReports(2);
    EXPECT_EQ(recorder.messages.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DrawFailures,
    testing::Values(
        DrawFailureCase{"ZeroBytes", [] { return Bytes{}; }, "JPEG error #" + std::to_string(JERR_INPUT_EMPTY), false},
        DrawFailureCase{"UndefinedQuantTable",
                        [] {
                            Bytes jpeg = QuadrantJpeg(64, 64);
                            SetQuantTableOfFirstComponent(jpeg, 3);
                            return jpeg;
                        },
                        "JPEG error #" + std::to_string(JERR_NO_QUANT_TABLE), false},
        DrawFailureCase{"SecondFrameAfterTheRows",
                        [] {
                            Bytes jpeg = QuadrantJpeg(64, 64);
                            AppendSecondFrameHeader(jpeg);
                            return jpeg;
                        },
                        "JPEG error #" + std::to_string(JERR_SOF_DUPLICATE), true},
        DrawFailureCase{"TooManyScans", [] { return ManyScanJpeg(64, 64, 600); },
                        "Too many scans (more than 500) in obr/3/5.jpg", false}),
    [](const testing::TestParamInfo<DrawFailureCase>& info) { return std::string(info.param.name); });

TEST_F(PictureFiles, TruncatedFileShowsItsGreyTailSilently)
{
    Bytes jpeg = QuadrantJpeg(64, 64);
    CutImageData(jpeg, 0.3);
    folder.Write("cut.jpg", jpeg);
    PictureControl* control = AddControl(0, 0, 64, 64);
    Show();
    control->LoadFromFile("cut.jpg");
    const QImage shot = GrabHost();
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(control->State(), PictureState::Decoded);
    EXPECT_TRUE(Near(shot.pixel(4, 4), Red));
    EXPECT_TRUE(Near(shot.pixel(60, 62), qRgb(128, 128, 128), 2));
}

TEST_F(PictureFiles, NextSameSizedPictureReplacesEveryPixel)
{
    folder.Write("a.jpg", QuadrantJpeg(64, 48));
    folder.Write("b.jpg", FlatGreyJpeg(64, 48, 40));
    PictureControl* control = AddControl(0, 0, 64, 48);
    Show();
    control->LoadFromFile("a.jpg");
    EXPECT_TRUE(Near(GrabHost().pixel(5, 5), Red));
    control->LoadFromFile("b.jpg");
    const QImage shot = GrabHost();
    EXPECT_TRUE(Near(shot.pixel(5, 5), qRgb(40, 40, 40), 2));
    EXPECT_TRUE(Near(shot.pixel(60, 44), qRgb(40, 40, 40), 2));
}

TEST(DisplayImage, NeverWritesIntoPixelsSharedWithSomeoneElse)
{
    QImage held(64, 48, QImage::Format_RGB32);
    held.fill(Blue);
    const QImage offered = held;
    const DisplayImage shown = DecodeForDisplay(*Picture::FromJpegData(FlatGreyJpeg(64, 48, 40)), offered);
    EXPECT_TRUE(shown.error.empty());
    EXPECT_EQ(held.pixel(10, 10), Blue);
    EXPECT_TRUE(Near(shown.image.pixel(10, 10), qRgb(40, 40, 40), 2));
}

TEST(DisplayImage, KeepsTheRowsDecodedBeforeAnError)
{
    // libjpeg-turbo fails either after the last row (a bad marker after the
    // image data) or before the first (a bad table): all rows, or none.
    Bytes complete = QuadrantJpeg(32, 16);
    AppendSecondFrameHeader(complete);
    DisplayImage shown = DecodeForDisplay(*Picture::FromJpegData(complete));
    EXPECT_FALSE(shown.error.empty());
    ASSERT_FALSE(shown.image.isNull());
    EXPECT_EQ(shown.image.format(), QImage::Format_RGB32);

    Bytes none = QuadrantJpeg(32, 16);
    SetQuantTableOfFirstComponent(none, 3);
    shown = DecodeForDisplay(*Picture::FromJpegData(none));
    EXPECT_TRUE(shown.image.isNull());
}

} // namespace

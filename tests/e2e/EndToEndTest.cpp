// Plays the real program on a real X server, as a user would: mouse clicks
// and key presses through xdotool, the screen read back to see which seed is
// shown. Each seed's test pictures are a flat colour that names the seed.

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include "SeedCatalogue.h"
#include "TestPictureFolder.h"

namespace {

constexpr int WaitMs = 15000;

QString Xdo(const QStringList& args)
{
    QProcess xdo;
    xdo.start(QStringLiteral("xdotool"), args);
    xdo.waitForFinished(WaitMs);
    return QString::fromUtf8(xdo.readAllStandardOutput()).trimmed();
}

QImage Screen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = WaitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

// The top-left corner of a visible top-level window, by its exact title.
QPoint WindowOrigin(const QString& title)
{
    QPoint origin(-1, -1);
    WaitUntil([&] {
        const QString id = Xdo({"search", "--onlyvisible", "--name", "^" + title + "$"}).section('\n', 0, 0);
        if (id.isEmpty())
            return false;
        for (const QString& line : Xdo({"getwindowgeometry", "--shell", id}).split('\n')) {
            if (line.startsWith("X="))
                origin.setX(line.mid(2).toInt());
            if (line.startsWith("Y="))
                origin.setY(line.mid(2).toInt());
        }
        return origin.x() >= 0;
    });
    return origin;
}

bool WindowVisible(const QString& title)
{
    return !Xdo({"search", "--onlyvisible", "--name", "^" + title + "$"}).isEmpty();
}

void Click(QPoint at)
{
    Xdo({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

void Keys(const QStringList& keys)
{
    Xdo(QStringList{"key", "--delay", "4"} + keys);
}

// Types text as keystrokes. A letter that the keyboard map lacks is bound to
// a spare key for the moment of its stroke; the program must see the stroke
// before the binding is undone, so those letters go one at a time, slowly.
void Type(const QString& text)
{
    QString ascii;
    auto flush = [&] {
        if (!ascii.isEmpty())
            Xdo({"type", "--delay", "4", ascii});
        ascii.clear();
    };
    for (QChar c : text) {
        if (c.unicode() < 128) {
            ascii += c;
            continue;
        }
        flush();
        Xdo({"type", "--delay", "80", QString(c)});
    }
    flush();
}

// Red pixels of the score label against a rendering of the text in the
// label's font: a count of pixels that disagree.
int ScoreMismatch(const QImage& screen, QPoint labelAt, const QString& text)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(21);
    font.setBold(true);
    font.setItalic(true);
    const QSize size(QFontMetrics(font).horizontalAdvance(text) + 20, 24);
    QImage expected(size, QImage::Format_RGB32);
    expected.fill(QColor(255, 255, 0));
    {
        QPainter painter(&expected);
        painter.setFont(font);
        painter.setPen(QColor(255, 0, 0));
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignTop, text);
    }
    auto red = [](QRgb p) { return qRed(p) > 180 && qGreen(p) < 120 && qBlue(p) < 120; };
    int mismatch = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            mismatch += red(expected.pixel(x, y)) != red(screen.pixel(labelAt + QPoint(x, y)));
    return mismatch;
}

class EndToEnd : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QProcess program;
    QPoint quiz;   // the quiz window's client origin on the screen
    QPoint start;  // the start page's

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        MakeTestPictureFolder(dir.path().toStdString());
        program.setWorkingDirectory(dir.path());
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(SORVITA_BINARY), {});
        ASSERT_TRUE(program.waitForStarted());
    }

    void TearDown() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
    }

    // Keeps the screen for a failure message.
    std::string Snapshot(const char* what)
    {
        const QString path = QStringLiteral("%1/e2e-%2.png").arg(QStringLiteral(FAILURE_SHOT_DIR), QLatin1String(what));
        Screen().save(path);
        return path.toStdString();
    }

    QRgb QuizPixel(int x, int y) { return Screen().pixel(quiz + QPoint(x, y)); }

    // The seed in the view 3 slot, or -1 while none is recognisable.
    std::int32_t ShownSeed()
    {
        const QRgb p = QuizPixel(605, 293);
        if (std::abs(qGreen(p) - ColourOf(0, 3).green) > 4)
            return -1;
        return SeedOfRed(qRed(p));
    }

    bool FeedbackBoxShown()
    {
        const QRgb p = QuizPixel(300, 60);
        return qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 0;
    }

    std::int32_t WaitForNewSeed(std::int32_t previous)
    {
        std::int32_t seed = -1;
        WaitUntil([&] {
            seed = ShownSeed();
            return seed >= 0 && seed != previous;
        });
        return seed;
    }

    int PickListPosition(std::string_view name)
    {
        return static_cast<int>(std::find(PickList.begin(), PickList.end(), name) - PickList.begin());
    }

    // Opens the list with the mouse and picks a name with the keyboard.
    void PickName(std::string_view name)
    {
        Click(quiz + QPoint(576 + 84, 32 + 13));
        QStringList keys{"Home"};
        for (int i = 0; i < PickListPosition(name); ++i)
            keys << "Down";
        keys << "Return";  // closes the list, nothing more
        Keys(keys);
    }

    void PressAction(bool withMouse)
    {
        if (withMouse)
            Click(quiz + QPoint(672 + 37, 72 + 12));
        else
            Keys({"Return"});
    }
};

TEST_F(EndToEnd, PlaysTwoRunsAndQuits)
{
    // The start page comes first; OK with the mouse.
    start = WindowOrigin("Start page");
    ASSERT_GE(start.x(), 0) << "no start page";
    EXPECT_FALSE(WindowVisible("Sorvita"));
    Click(start + QPoint(24 + 248 + 37, 24 + 72 + 12));

    // The intro panel: Enter presses Start.
    quiz = WindowOrigin("Sorvita");
    ASSERT_GE(quiz.x(), 0) << "no quiz window";
    ASSERT_TRUE(WaitUntil([&] { return QuizPixel(100, 300) == qRgb(255, 255, 255); })) << "no intro panel";
    Keys({"Return"});
    ASSERT_TRUE(WaitUntil([&] { return QuizPixel(100, 300) != qRgb(255, 255, 255); })) << "intro panel stays";

    // A beginner's run: two wrong answers, the 5th seed and the last.
    std::int32_t seed = WaitForNewSeed(-1);
    ASSERT_EQ(seed, 0);
    std::vector<std::int32_t> seen;
    for (int k = 1; k <= SeedCount; ++k) {
        ASSERT_GE(seed, 0) << "no seed shown at " << k;
        seen.push_back(seed);
        const bool wrong = k == 5 || k == SeedCount;
        const std::string_view right = SeedNames[static_cast<std::size_t>(seed)];
        PickName(wrong ? (seed == 16 ? "Sezam" : "Lupina") : right);  // seed 16 is Lupina
        PressAction(k % 2 == 1);
        if (wrong) {
            ASSERT_TRUE(WaitUntil([&] { return FeedbackBoxShown(); })) << "no correction at " << k;
            Click(quiz + QPoint(672 + 37, 72 + 12));  // NEXT, or Start page
        }
        if (k < SeedCount)
            seed = WaitForNewSeed(seed);
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());

    ASSERT_TRUE(WaitUntil([] { return WindowVisible("Start page"); })) << "no results";
    EXPECT_TRUE(WaitUntil([] { return !WindowVisible("Sorvita"); }));
    start = WindowOrigin("Start page");
    const QPoint scoreAt = start + QPoint(24 + 24, 24 + 32);
    QImage shot;
    ASSERT_TRUE(WaitUntil([&] {
        shot = Screen();
        return ScoreMismatch(shot, scoreAt, "Začátečník: Skore: 2 / 39") < 40;
    })) << "score mismatch " << ScoreMismatch(shot, scoreAt, "Začátečník: Skore: 2 / 39");
    EXPECT_GT(ScoreMismatch(shot, scoreAt, "Začátečník: Skore: 1 / 39"), 40);

    // Znovu by Enter, the advanced mode with the mouse, OK by Enter on the radio button.
    Keys({"Return"});
    Click(start + QPoint(24 + 16 + 8, 24 + 72 + 8));
    Keys({"Return"});
    quiz = WindowOrigin("Sorvita");
    ASSERT_TRUE(WaitUntil([&] { return QuizPixel(576 + 100, 32 + 12) == qRgb(255, 255, 255); })) << "no typing field";

    // An advanced run, every name typed right.
    seed = WaitForNewSeed(-1);
    ASSERT_EQ(seed, 0);
    Click(quiz + QPoint(576 + 80, 32 + 12));
    for (int k = 1; k <= SeedCount; ++k) {
        ASSERT_GE(seed, 0) << "no seed shown at " << k;
        const std::string_view name = SeedNames[static_cast<std::size_t>(seed)];
        Type(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        Keys({"Return"});
        if (k < SeedCount) {
            const std::int32_t typedFor = seed;
            seed = WaitForNewSeed(seed);
            ASSERT_NE(seed, typedFor) << "typed answer not taken at " << k << ": " << Snapshot("typed");
        }
    }
    ASSERT_TRUE(WaitUntil([] { return WindowVisible("Start page"); })) << "no results after the typed run";
    start = WindowOrigin("Start page");
    ASSERT_TRUE(WaitUntil([&] {
        shot = Screen();
        return ScoreMismatch(shot, start + QPoint(48, 56), "Pokročilý: Skore: 0 / 39") < 40;
    }));

    // Konec ends the program with exit code 0.
    Click(start + QPoint(24 + 248 + 37, 24 + 72 + 12));
    ASSERT_TRUE(program.waitForFinished(WaitMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

} // namespace

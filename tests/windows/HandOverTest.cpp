#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include "PictureControl.h"
#include "PictureFile.h"
#include "WindowFixture.h"

namespace {

using HandOver = ProgramFixture;

TEST_F(HandOver, StartPageFirstThenIntroThenQuiz)
{
    Start();
    EXPECT_TRUE(F2().isVisible());
    EXPECT_FALSE(F1().isVisible());
    EXPECT_TRUE(F2().GroupBox1->isVisible());
    EXPECT_FALSE(F2().GroupBox2->isVisible());
    EXPECT_EQ(F2().Label1->text(), "");

    F2().Button1->click();  // OK, beginner
    EXPECT_TRUE(F1().isVisible());
    EXPECT_FALSE(F2().isVisible());
    EXPECT_TRUE(F1().GroupBox1->isVisible());  // the intro panel covers the window
    EXPECT_TRUE(F1().ComboBox1->isVisibleTo(&F1()));
    EXPECT_FALSE(F1().Edit1->isVisibleTo(&F1()));
    EXPECT_EQ(Quiz.AdvancedMode, 0);

    F1().Button1->click();  // Start
    EXPECT_FALSE(F1().GroupBox1->isVisible());
    EXPECT_TRUE(F1().ComboBox1->isVisible());
    EXPECT_EQ(Quiz.CurrentSeed, 0);
    EXPECT_EQ(Quiz.AskedCount, 1);
    EXPECT_EQ(F1().BitBtn1->text(), "OK");
    EXPECT_FALSE(F1().GroupBox3->isVisible());
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(HandOver, WrongAnswerShowsCorrectionAndNext)
{
    Start();
    EnterQuiz();
    AnswerWrong();
    EXPECT_EQ(F1().BitBtn1->text(), "NEXT");
    EXPECT_TRUE(F1().GroupBox3->isVisible());
    EXPECT_EQ(F1().Label3->text(), "Bob koňský");
    EXPECT_EQ(F1().Label7->text(), " Chyb: 1/1 ");
    EXPECT_FALSE(F1().ComboBox1->isEnabled());
    EXPECT_EQ(F1().ComboBox1->currentText(), "Lupina");  // the wrong answer stays in view

    F1().BitBtn1->click();
    EXPECT_EQ(F1().BitBtn1->text(), "OK");
    EXPECT_FALSE(F1().GroupBox3->isVisible());
    EXPECT_EQ(F1().Label7->text(), " Chyb: 1/1 ");  // kept for the next correction to replace
    EXPECT_TRUE(F1().ComboBox1->isEnabled());
    EXPECT_EQ(F1().ComboBox1->currentIndex(), -1);
    EXPECT_EQ(F1().ComboBox1->count(), 39);
    EXPECT_EQ(F1().Label6->text(), "2. semínko");
}

TEST_F(HandOver, RunsAlternateWithResultsAndDifficultyChoice)
{
    Start();
    EnterQuiz();
    AnswerWrong();
    F1().BitBtn1->click();
    while (Quiz.AskedCount < SeedCount)
        AnswerRight();
    AnswerRight();

    EXPECT_TRUE(F2().isVisible());
    EXPECT_FALSE(F1().isVisible());
    EXPECT_FALSE(F2().GroupBox1->isVisible());
    EXPECT_TRUE(F2().GroupBox2->isVisible());
    EXPECT_EQ(F2().Label1->text(), "Začátečník: Skore: 1 / 39");
    EXPECT_EQ(F2().focusWidget() == nullptr || F2().focusWidget() == &F2(), true);
    // The next run is already prepared out of sight.
    EXPECT_EQ(Quiz.AskedCount, 1);
    EXPECT_EQ(F1().Label6->text(), "1. semínko");

    F2().Button3->click();  // Znovu
    EXPECT_TRUE(F2().GroupBox1->isVisible());
    EXPECT_FALSE(F2().GroupBox2->isVisible());
    EXPECT_TRUE(F2().RadioButton1->isChecked());  // the last choice is kept

    F2().RadioButton2->click();
    F2().Button1->click();
    EXPECT_FALSE(F1().GroupBox1->isVisible());  // no intro the second time
    EXPECT_TRUE(F1().Edit1->isVisible());
    EXPECT_FALSE(F1().ComboBox1->isVisible());
    EXPECT_EQ(Quiz.AdvancedMode, 1);

    while (Quiz.AskedCount < SeedCount)
        AnswerRight();
    AnswerWrong();
    EXPECT_EQ(F1().BitBtn1->text(), "Start page");
    F1().BitBtn1->click();
    EXPECT_EQ(F2().Label1->text(), "Pokročilý: Skore: 1 / 39");

    F2().Button3->click();
    F2().RadioButton1->click();
    F2().Button1->click();
    EXPECT_TRUE(F1().ComboBox1->isVisible());
    EXPECT_FALSE(F1().Edit1->isVisible());
    EXPECT_EQ(Quiz.AdvancedMode, 0);
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(HandOver, WindowsOpenCentredThenWhereTheUserLeftThem)
{
    Start();
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((F2().geometry().center() - centre).manhattanLength(), 3);  // rounding of odd sizes
    F2().move(10, 20);
    EnterQuiz();
    EXPECT_LE((F1().geometry().center() - centre).manhattanLength(), 3);
    F1().move(30, 40);
    F1().ShowResults("x");
    EXPECT_EQ(F2().pos(), QPoint(10, 20));
    F2().Button3->click();
    F2().Button1->click();
    EXPECT_EQ(F1().pos(), QPoint(30, 40));
}

// Activation from anywhere but the start page's OK leaves the difficulty alone.
TEST_F(HandOver, ReactivationDoesNotReadTheDifficulty)
{
    Start();
    EnterQuiz();
    F2().RadioButton2->setChecked(true);  // changed while the start page is hidden
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&F1(), &activate);
    F1().activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(F1().ComboBox1->isVisible());
    EXPECT_FALSE(F1().Edit1->isVisible());
    EXPECT_EQ(Quiz.AdvancedMode, 0);
}

TEST_F(HandOver, MissingPictureFolderIsReportedOnceBeforeTheStartPage)
{
    Start(/*withPictures=*/false);
    ASSERT_EQ(reporter.entries.size(), 1u);
    EXPECT_EQ(reporter.entries[0].message, "Cannot open file obr/0/0.jpg");
    EXPECT_FALSE(reporter.entries[0].startPageVisible);
    EXPECT_TRUE(F2().isVisible());
    EXPECT_EQ(F1().ComboBox1->count(), 39);
    EXPECT_EQ(Quiz.AskedCount, 0);
    EXPECT_EQ(F1().Label6->text(), "");
    EXPECT_FALSE(F1().Image1->HasPicture());

    // Every press that reaches the pictures reports again; the run goes on.
    EnterQuiz();
    AnswerWrong();
    F1().BitBtn1->click();
    EXPECT_EQ(reporter.entries.size(), 2u);
    EXPECT_EQ(Quiz.AskedCount, 1);
}

TEST_F(HandOver, MissingViewKeepsThePreviousSeedInTheLaterSlots)
{
    Start();
    EnterQuiz();
    // Take away the view 2 picture of every seed but seed 0, placeholder included.
    for (std::int32_t seed = 1; seed < SeedCount; ++seed)
        QFile::remove(QString::fromStdString(SeedPicturePaths(seed)[2]));
    const auto before3 = F1().Image3->CurrentPicture();
    const auto before4 = F1().Image4->CurrentPicture();
    AnswerRight();
    const std::int32_t seed = Quiz.CurrentSeed;
    const PicturePaths paths = SeedPicturePaths(seed);
    ASSERT_EQ(reporter.Messages(), std::vector<std::string>{"Cannot open file " + paths[2]});
    EXPECT_EQ(F1().Image1->CurrentPicture()->Source(), paths[0]);
    EXPECT_EQ(F1().Image2->CurrentPicture()->Source(), paths[1]);
    EXPECT_EQ(F1().Image3->CurrentPicture(), before3);
    EXPECT_EQ(F1().Image4->CurrentPicture(), before4);
    EXPECT_EQ(F1().Label6->text(), "2. semínko");
}

// The quit paths end the event loop; a watchdog fails the test instead of hanging.
struct QuitCase {
    const char* label;
    void (*trigger)(TForm1&, TForm2&);
};

class Quitting : public ProgramFixture, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(Quitting, EndsTheProgram)
{
    Start();
    bool watchdogFired = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        watchdogFired = true;
        QCoreApplication::exit(1);
    });
    watchdog.start(5000);
    QTimer::singleShot(0, [this] { GetParam().trigger(F1(), F2()); });
    const int code = QCoreApplication::exec();
    EXPECT_FALSE(watchdogFired);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(reporter.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Quitting,
    ::testing::Values(
        QuitCase{"Konec",
                 [](TForm1& f1, TForm2& f2) {
                     f2.Button1->click();
                     f1.Button1->click();
                     f1.ShowResults("Začátečník: Skore: 0 / 39");
                     f2.Button2->click();
                 }},
        QuitCase{"CloseStartPage", [](TForm1&, TForm2& f2) { f2.close(); }},
        QuitCase{"CloseStartPageOnResults",
                 [](TForm1& f1, TForm2& f2) {
                     f1.ShowResults("x");
                     f2.close();
                 }},
        QuitCase{"CloseQuizWindowMidRun",
                 [](TForm1& f1, TForm2& f2) {
                     f2.Button1->click();
                     f1.Button1->click();
                     f1.close();
                 }}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace

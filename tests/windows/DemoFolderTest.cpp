#include "WindowFixture.h"

namespace {

// The demo pictures the build makes are what a new user first plays on: a
// whole run over them must load and draw every picture without an error.
TEST(DemoFolder, PlaysAWholeRunWithoutAnError)
{
    const QString previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral(SORVITA_DEMO_DIR)));
    RecordingReporter reporter;
    ErrorReporter* previous = SetErrorReporter(&reporter);
    Quiz = QuizState{};
    {
        const auto program = StartProgram();
        TForm1& f1 = *program->form1;
        program->form2->Button1->click();
        f1.Button1->click();
        for (int k = 0; k < SeedCount; ++k) {
            f1.grab();  // paints, and so decodes, every slot
            const std::string name(SeedNames[static_cast<std::size_t>(Quiz.CurrentSeed)]);
            f1.ComboBox1->setCurrentIndex(f1.ComboBox1->findText(QString::fromUtf8(name.c_str())));
            f1.BitBtn1->click();
        }
        QApplication::processEvents();  // deferred paint errors, if any
        EXPECT_EQ(program->form2->Label1->text(), "Začátečník: Skore: 0 / 39");
    }
    EXPECT_EQ(reporter.Messages(), std::vector<std::string>{});
    SetErrorReporter(previous);
    QDir::setCurrent(previousDir);
}

} // namespace

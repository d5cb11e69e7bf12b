#include "ErrorReport.h"

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include "ErrorBox.h"
#include "SorvitaError.h"

namespace {

class Recorder : public ErrorReporter {
public:
    Recorder() : previous_(SetErrorReporter(this)) {}
    ~Recorder() override { SetErrorReporter(previous_); }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;
    void Report(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;

private:
    ErrorReporter* previous_;
};

struct TextCase {
    const char* name;
    std::string message;
    std::string shown;
};

void PrintTo(const TextCase& c, std::ostream* out)
{
    *out << c.name;
}

class BoxText : public testing::TestWithParam<TextCase> {};

TEST_P(BoxText, AppendsAFullStopAfterCodesAboveIt)
{
    EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, BoxText,
    testing::Values(TextCase{"Empty", "", ""},
                    TextCase{"Letter", "abc", "abc."},
                    TextCase{"FullStop", "abc.", "abc."},
                    TextCase{"Exclamation", "abc!", "abc!"},
                    TextCase{"Space", "abc ", "abc "},
                    TextCase{"Hyphen", "abc-", "abc-"},
                    TextCase{"Comma", "abc,", "abc,"},
                    TextCase{"NewLine", "abc\n", "abc\n"},
                    TextCase{"SlashIsAboveFullStop", "obr/", "obr/."},
                    TextCase{"Digit", "JPEG error #55", "JPEG error #55."},
                    TextCase{"Path", "Cannot open file obr/2/7.jpg", "Cannot open file obr/2/7.jpg."},
                    TextCase{"Utf8Letter", "Ječmen dvouřadý", "Ječmen dvouřadý."},
                    TextCase{"ClosingBracketIsBelowIt", "Unknown picture file extension (.png)",
                             "Unknown picture file extension (.png)"}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

struct TitleCase {
    const char* name;
    std::string path;
    std::string title;
};

void PrintTo(const TitleCase& c, std::ostream* out)
{
    *out << c.name;
}

class Title : public testing::TestWithParam<TitleCase> {};

TEST_P(Title, FromTheProgramFileName)
{
    EXPECT_EQ(ApplicationTitle(GetParam().path), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Title,
    testing::Values(TitleCase{"CutAtFirstDot", "/usr/bin/Sorvita.Bin", "Sorvita"},
                    TitleCase{"LowerAfterFirst", "/usr/bin/SORVITA", "Sorvita"},
                    TitleCase{"FirstKeptAsIs", "/opt/sorvita/sorvita", "sorvita"},
                    TitleCase{"SeveralDots", "/x/Project1.exe.old", "Project1"},
                    TitleCase{"DotInFolderOnly", "/home/a.b/SorVita", "Sorvita"},
                    TitleCase{"NoFolder", "Sorvita", "Sorvita"},
                    TitleCase{"RelativeFolder", "./build/Sorvita", "Sorvita"},
                    TitleCase{"LeadingDot", "/usr/bin/.Sorvita", ""},
                    TitleCase{"Empty", "", ""},
                    TitleCase{"NonAsciiLetters", "/x/ŘEPKA.bin", "Řepka"},
                    TitleCase{"NonAsciiFirstKept", "/x/ÉCOLE", "École"}),
    [](const testing::TestParamInfo<TitleCase>& info) { return std::string(info.param.name); });

TEST(Guard, HandsEveryKindOfErrorToTheReporter)
{
    Recorder recorder;
    Guarded([] { throw SorvitaError("Cannot open file obr/2/7.jpg"); });
    Guarded([] { throw std::runtime_error("runtime"); });
    Guarded([] { throw 42; });
    int ran = 0;
    Guarded([&] { ++ran; });
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(recorder.messages,
              (std::vector<std::string>{"Cannot open file obr/2/7.jpg", "runtime", std::string(UnknownErrorMessage)}));
}

TEST(Guard, ErrorEndsTheHandlerAtThatPoint)
{
    Recorder recorder;
    std::vector<int> steps;
    Guarded([&] {
        steps.push_back(1);
        throw SorvitaError("stop");
        steps.push_back(2);
    });
    EXPECT_EQ(steps, std::vector<int>{1});
    EXPECT_EQ(recorder.messages.size(), 1u);
}

TEST(Guard, PaintGuardDefersToTheEventLoopInOrder)
{
    Recorder recorder;
    GuardedPaint([] { throw SorvitaError("first"); });
    ReportErrorDeferred("second");
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.messages.size() == 2; }, 2000));
    EXPECT_EQ(recorder.messages, (std::vector<std::string>{"first", "second"}));
}

TEST(Reporter, SwapReturnsThePreviousOne)
{
    ErrorReporter* const outer = SetErrorReporter(nullptr);
    {
        Recorder first;
        Recorder second;
        EXPECT_EQ(SetErrorReporter(&first), &second);
        ReportError("to first");
        EXPECT_EQ(first.messages, std::vector<std::string>{"to first"});
        EXPECT_TRUE(second.messages.empty());
        SetErrorReporter(&second);
    }
    EXPECT_EQ(SetErrorReporter(outer), nullptr);
}

TEST(DefaultBox, StopIconOkAloneApplicationModalNoParent)
{
    const auto box = MakeErrorBox("JPEG error #55");
    EXPECT_EQ(box->parentWidget(), nullptr);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->text().toStdString(), "JPEG error #55.");
    EXPECT_EQ(box->windowTitle().toStdString(),
              ApplicationTitle(QCoreApplication::applicationFilePath().toStdString()));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("sorvita_report_tests"));
}

// The real box, closed by the test itself once it is up.
TEST(DefaultBox, BlocksTheWindowsAndGivesTheFocusBack)
{
    ErrorReporter* const outer = SetErrorReporter(nullptr);

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    second->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == second; }, 2000));
    QTest::keyClick(window.windowHandle(), 'a'); // the same keys reach the field without a box
    ASSERT_EQ(second->text(), QStringLiteral("a"));
    second->clear();

    bool sawBox = false;
    QString text;
    QString typed;
    int attempts = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (++attempts > 500) { // give up rather than hang
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            poll.stop();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        sawBox = true;
        text = box->text();
        for (const char key : {'x', 'y', 'z'})
            QTest::keyClick(window.windowHandle(), key);
        typed = second->text();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start();

    ReportError("Cannot open file obr/2/7.jpg");
    SetErrorReporter(outer);

    EXPECT_TRUE(sawBox);
    EXPECT_EQ(text, QStringLiteral("Cannot open file obr/2/7.jpg."));
    EXPECT_TRUE(typed.isEmpty()) << "the window took input while the box was open";
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 2000));
    EXPECT_EQ(QApplication::focusWidget(), second);
}

} // namespace

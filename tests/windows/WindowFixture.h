#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "Controls.h"
#include "ErrorReport.h"
#include "Project1.h"
#include "QuizRun.h"
#include "SeedCatalogue.h"
#include "TestPictureFolder.h"
#include "Unit1.h"
#include "Unit2.h"

// Records each report, and whether the start page was on screen at the time.
class RecordingReporter : public ErrorReporter {
public:
    struct Entry {
        std::string message;
        bool startPageVisible;
    };
    std::vector<Entry> entries;

    void Report(const std::string& message) override
    {
        entries.push_back({message, Form2 && Form2->isVisible()});
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> out;
        for (const auto& e : entries)
            out.push_back(e.message);
        return out;
    }
};

// Starts the whole program in a temporary folder, with or without a picture
// folder, and the error report swapped for a recorder.
class ProgramFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();
    RecordingReporter reporter;
    ErrorReporter* previousReporter = nullptr;
    std::unique_ptr<Program> program;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir::setCurrent(dir.path());
        previousReporter = SetErrorReporter(&reporter);
        Quiz = QuizState{};
    }

    void TearDown() override
    {
        program.reset();
        QApplication::processEvents();
        SetErrorReporter(previousReporter);
        QDir::setCurrent(previousDir);
    }

    void Start(bool withPictures = true, int pictureWidth = 64, int pictureHeight = 48)
    {
        if (withPictures)
            MakeTestPictureFolder(dir.path().toStdString(), pictureWidth, pictureHeight);
        program = StartProgram();
        QApplication::processEvents();
    }

    TForm1& F1() { return *program->form1; }
    TForm2& F2() { return *program->form2; }

    std::string ExpectedName() const { return std::string(SeedNames[static_cast<std::size_t>(Quiz.CurrentSeed)]); }
    QString Q(const std::string& s) const { return QString::fromUtf8(s.c_str()); }

    // Start page OK, then "Start" if the intro panel is up.
    void EnterQuiz()
    {
        F2().Button1->click();
        if (F1().GroupBox1->isVisible())
            F1().Button1->click();
    }

    void Answer(const std::string& name)
    {
        if (Quiz.AdvancedMode == 0) {
            F1().ComboBox1->setCurrentIndex(F1().ComboBox1->findText(Q(name)));
        } else {
            F1().Edit1->setText(Q(name));
        }
        F1().BitBtn1->click();
    }
    void AnswerRight() { Answer(ExpectedName()); }
    void AnswerWrong() { Answer(Quiz.CurrentSeed == 0 ? "Lupina" : "Bob koňský"); }
};

#pragma once

#include <string>

#include <QPointer>
#include <QWidget>

#include "QuizRun.h"
#include "QuizView.h"

class AutoSizeLabel;
class GroupFrame;
class PictureControl;
class QComboBox;
class QLineEdit;
class QPushButton;

// The quiz window: four seed photographs over a fixed background, the answer
// inputs, the action button whose caption holds the run's phase, the feedback
// box, and the intro panel that covers everything at the first showing.
class TForm1 : public QWidget, public QuizView {
public:
    // Builds the window and its controls as designed; the quiz is not started
    // until FormCreate. The random generator is the run's; nullptr takes a
    // clock-seeded one of the window's own.
    explicit TForm1(QuizState& state = Quiz, QuizRandom* random = nullptr);
    ~TForm1() override;

    // Handlers. Each runs inside the error guard.
    void FormCreate();    ///< the window is created: the quiz is set up
    void FormActivate();  ///< the window takes over from the start page
    void BitBtn1Click();  ///< the action button
    void Button1Click();  ///< "Start" on the intro panel

    // Shown from the start page: the window comes to the front, active, and
    // FormActivate reads the difficulty. The only path that runs FormActivate,
    // so returning from another program or from an error box never does.
    void TakeOverFromStartPage();

    // QuizView
    void ShowSeedPictures(std::int32_t seed) override;
    void SetSeedCounterText(const std::string& text) override;
    void ShowCorrection(const std::string& name, const std::string& errorText) override;
    void HideCorrection() override;
    std::string ActionCaption() const override;
    void SetActionCaption(const std::string& caption) override;
    std::string PickedName() const override;
    std::string TypedName() const override;
    void SetAnswerInputsEnabled(bool on) override;
    void ClearAnswerInputs() override;
    void AddPickListItem(const std::string& name) override;
    void ShowResults(const std::string& text) override;

    QuizState& State() { return state_; }

    // The controls, named as designed; parents own them.
    PictureControl* Image5;
    PictureControl* Image3;
    PictureControl* Image1;
    PictureControl* Image6;
    PictureControl* Image4;
    AutoSizeLabel* Label1;
    AutoSizeLabel* Label6;
    PictureControl* Image2;
    GroupFrame* GroupBox3;
    AutoSizeLabel* Label3;
    AutoSizeLabel* Label7;
    QLineEdit* Edit1;
    QComboBox* ComboBox1;
    QPushButton* BitBtn1;
    GroupFrame* GroupBox1;
    PictureControl* Image7;
    QPushButton* Button1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QuizRun Run() { return QuizRun{state_, *this, *random_}; }

    QuizState& state_;
    QPointer<QWidget> answerFocus_;  ///< the answer input that had the focus when the inputs were disabled
    QuizRandom* random_;
    ClockSeededRandom ownRandom_;
};

// The one quiz window, set before its creation handler runs.
extern TForm1* Form1;

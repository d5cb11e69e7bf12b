#include <QAbstractItemView>
#include <QKeyEvent>

#include "WindowFixture.h"

namespace {

class Keyboard : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        Start();
    }

    void Key(QWidget* target, Qt::Key key) { QTest::keyClick(target, key); }
    // QTest::keyClicks takes ASCII only; Czech letters go in as key events with their text.
    void TypeText(QWidget* target, const QString& text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &release);
        }
    }
    // Keys go where the focus is, as they would from the keyboard.
    void KeyToFocus(QWidget* window, Qt::Key key)
    {
        QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focus, key);
    }
};

TEST_F(Keyboard, StartPageEnterOnRadioButtonActsAsOk)
{
    EXPECT_EQ(F2().focusWidget(), F2().RadioButton1);
    KeyToFocus(&F2(), Qt::Key_Return);
    EXPECT_TRUE(F1().isVisible());
    EXPECT_FALSE(F2().isVisible());
}

TEST_F(Keyboard, StartPageEscapeDoesNothing)
{
    KeyToFocus(&F2(), Qt::Key_Escape);
    EXPECT_TRUE(F2().isVisible());
    EXPECT_TRUE(F2().GroupBox1->isVisible());
}

TEST_F(Keyboard, ResultsEnterWithoutFocusedButtonActsAsZnovu)
{
    F1().ShowResults("Začátečník: Skore: 3 / 39");
    KeyToFocus(&F2(), Qt::Key_Return);
    EXPECT_TRUE(F2().GroupBox1->isVisible());
    EXPECT_FALSE(F2().GroupBox2->isVisible());
}

TEST_F(Keyboard, FocusedButtonTakesEnterAndSpace)
{
    F1().ShowResults("x");
    F2().Button2->setFocus();
    bool quitRequested = false;
    QObject::connect(F2().Button2, &QPushButton::clicked, [&] { quitRequested = true; });
    KeyToFocus(&F2(), Qt::Key_Return);
    EXPECT_TRUE(quitRequested);  // "Konec", not the default "Znovu"
    EXPECT_TRUE(F2().GroupBox2->isVisible());

    quitRequested = false;
    KeyToFocus(&F2(), Qt::Key_Space);
    EXPECT_TRUE(quitRequested);
}

TEST_F(Keyboard, IntroTakesEnterOnStartAndFocusPassesToTheWindow)
{
    F2().Button1->click();
    EXPECT_EQ(F1().focusWidget(), F1().Button1);
    KeyToFocus(&F1(), Qt::Key_Return);
    EXPECT_FALSE(F1().GroupBox1->isVisible());
    EXPECT_EQ(F1().focusWidget(), &F1());
    // The run beneath is untouched.
    EXPECT_EQ(Quiz.AskedCount, 1);
    EXPECT_EQ(F1().BitBtn1->text(), "OK");
    EXPECT_FALSE(F1().GroupBox3->isVisible());
}

TEST_F(Keyboard, EnterPressesTheActionButtonFromTheWindowTheListAndTheEdit)
{
    EnterQuiz();
    KeyToFocus(&F1(), Qt::Key_Return);  // the window itself: nothing picked, wrong
    EXPECT_EQ(F1().BitBtn1->text(), "NEXT");
    KeyToFocus(&F1(), Qt::Key_Return);
    EXPECT_EQ(F1().BitBtn1->text(), "OK");

    F1().ComboBox1->setFocus();
    F1().ComboBox1->setCurrentIndex(F1().ComboBox1->findText(Q(ExpectedName())));
    const std::int32_t asked = Quiz.AskedCount;
    Key(F1().ComboBox1, Qt::Key_Return);
    EXPECT_EQ(Quiz.AskedCount, asked + 1);

    F1().ShowResults("x");
    F2().Button3->click();
    F2().RadioButton2->click();
    F2().Button1->click();
    F1().Edit1->setFocus();
    TypeText(F1().Edit1, Q(ExpectedName()));
    const std::int32_t typedAt = Quiz.AskedCount;
    Key(F1().Edit1, Qt::Key_Enter);
    EXPECT_EQ(Quiz.AskedCount, typedAt + 1);
}

// Typed answers follow one another without reaching for the mouse.
TEST_F(Keyboard, TheAnswerInputKeepsTheFocusFromSeedToSeed)
{
    F2().RadioButton2->click();
    EnterQuiz();
    F1().Edit1->setFocus();
    TypeText(F1().Edit1, Q(ExpectedName()));
    Key(F1().Edit1, Qt::Key_Return);
    EXPECT_EQ(Quiz.AskedCount, 2);
    EXPECT_EQ(F1().focusWidget(), F1().Edit1);

    TypeText(F1().Edit1, QStringLiteral("nic"));
    Key(F1().Edit1, Qt::Key_Return);
    EXPECT_EQ(F1().BitBtn1->text(), "NEXT");
    KeyToFocus(&F1(), Qt::Key_Return);  // the disabled edit gave the focus away; Enter still goes on
    EXPECT_EQ(Quiz.AskedCount, 3);
    EXPECT_EQ(F1().focusWidget(), F1().Edit1);
    EXPECT_TRUE(F1().Edit1->text().isEmpty());
}

TEST_F(Keyboard, EscapeInTheQuizDoesNothing)
{
    EnterQuiz();
    AnswerWrong();
    KeyToFocus(&F1(), Qt::Key_Escape);
    EXPECT_EQ(F1().BitBtn1->text(), "NEXT");
    EXPECT_TRUE(F1().isVisible());
}

TEST_F(Keyboard, EnterInTheOpenedListOnlyClosesIt)
{
    EnterQuiz();
    F1().ComboBox1->setFocus();
    F1().ComboBox1->showPopup();
    QAbstractItemView* list = F1().ComboBox1->view();
    ASSERT_TRUE(list->isVisible());
    list->setCurrentIndex(list->model()->index(3, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(F1().ComboBox1->currentText(), "Čočka jedlá");
    EXPECT_EQ(Quiz.AskedCount, 1);  // not answered
    EXPECT_EQ(F1().BitBtn1->text(), "OK");
}

TEST_F(Keyboard, OpenedListShowsThirtyRowsOfNineteenPixels)
{
    EnterQuiz();
    F1().ComboBox1->showPopup();
    QAbstractItemView* list = F1().ComboBox1->view();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->visualRect(list->model()->index(0, 0)).height(), 19);
    const int rowsShown = list->viewport()->height() / 19;
    EXPECT_EQ(rowsShown, 30);
    // Names that differ only at their end are shown whole.
    EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance("Hrách setý polní zelenosemenný"));
    F1().ComboBox1->hidePopup();
}

TEST_F(Keyboard, ChangingDifficultyHidesTheFocusedInputAndFocusPassesToTheWindow)
{
    EnterQuiz();
    F1().ComboBox1->setFocus();
    F1().ShowResults("x");
    F2().Button3->click();
    F2().RadioButton2->click();
    F2().Button1->click();
    EXPECT_FALSE(F1().ComboBox1->isVisible());
    EXPECT_EQ(F1().focusWidget(), &F1());
}

} // namespace

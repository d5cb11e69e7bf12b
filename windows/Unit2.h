#pragma once

#include <string>

#include <QWidget>

class AutoSizeLabel;
class GroupFrame;
class PictureControl;
class QPushButton;
class QRadioButton;

// The start page: the difficulty choice before a run and the score after it,
// one group at a time in the same place.
class TForm2 : public QWidget {
public:
    TForm2();
    ~TForm2() override;

    // Handlers. Each runs inside the error guard.
    void FormCreate();    ///< the window is created: it opens, centred, as the first window seen
    void Button1Click();  ///< "OK": on to the quiz window
    void Button2Click();  ///< "Konec": the program ends
    void Button3Click();  ///< "Znovu": back to the difficulty choice
    void FormClose();     ///< the user closed the window: the program ends

    // Shows the start page with the results group and the text.
    void ShowResults(const std::string& text);

    // The controls, named as designed; parents own them.
    GroupFrame* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QPushButton* Button1;
    GroupFrame* GroupBox2;
    QPushButton* Button2;
    QPushButton* Button3;
    AutoSizeLabel* Label1;
    PictureControl* Image6;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

// The one start page, set before its creation handler runs.
extern TForm2* Form2;

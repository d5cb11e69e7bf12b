#pragma once

#include <memory>

class QApplication;
class TForm1;
class TForm2;

// The program's two windows, created once at start-up and destroyed at exit.
struct Program {
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    ~Program();
};

// Application-wide settings: title, icon, and quitting only on request.
void SetUpApplication(QApplication& app);

// Start-up: the quiz window first (hidden; its creation sets up the quiz and
// reports any error before anything is on screen), then the start page, shown
// centred as the first window the user meets.
std::unique_ptr<Program> StartProgram();

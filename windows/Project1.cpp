#include "Project1.h"

#include <QApplication>
#include <QIcon>

#include "ArtworkPaths.h"
#include "Unit1.h"
#include "Unit2.h"

Program::~Program()
{
    // The start page refers to the quiz window: it goes first.
    form2.reset();
    form1.reset();
}

void SetUpApplication(QApplication& app)
{
    // The windows hide and show each other; only "Konec" or closing a window ends the program.
    app.setQuitOnLastWindowClosed(false);
    QIcon icon;
    for (const char* size : IconArtworkSizes)
        icon.addFile(QString::fromLatin1(size));
    app.setWindowIcon(icon);
}

std::unique_ptr<Program> StartProgram()
{
    auto program = std::make_unique<Program>();
    program->form1 = std::make_unique<TForm1>();
    Form1 = program->form1.get();
    Form1->FormCreate();

    program->form2 = std::make_unique<TForm2>();
    Form2 = program->form2.get();
    Form2->FormCreate();
    return program;
}

#include <QApplication>

#include "Project1.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    const auto program = StartProgram();
    app.exec();
    return 0;
}

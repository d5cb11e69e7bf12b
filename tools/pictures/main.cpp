#include <iostream>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "PicturesTool.h"

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about a runtime folder that the tool never uses.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    defaultHandler = qInstallMessageHandler(QuietHandler);
    // Text in the pictures needs a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunPicturesTool(arguments, std::cout, std::cerr);
}

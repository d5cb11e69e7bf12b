// The main of every test program that needs a Qt application: widgets on the
// offscreen platform unless the environment asks for another.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

QtMessageHandler previous = nullptr;

// The offscreen platform cannot raise windows and says so at every showing.
void QuietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    if (previous)
        previous(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    // Test discovery runs the binary without the tests' environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previous = qInstallMessageHandler(QuietRaise);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

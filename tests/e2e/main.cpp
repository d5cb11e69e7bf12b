// The end-to-end test runs under xvfb-run, on a private X server; the test
// itself is an X client that can read the screen back.

#include <cstdio>
#include <cstdlib>

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "no X server: run this test under xvfb-run\n");
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

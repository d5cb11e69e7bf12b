// Starts a private X server for the end-to-end test, then the test itself as
// an X client that can read the screen back.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

pid_t server = -1;

// Xvfb picks a free display itself and writes its number to the pipe.
bool StartServer()
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    server = fork();
    if (server == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char number[16] = {};
    const ssize_t n = read(fds[0], number, sizeof number - 1);
    close(fds[0]);
    if (n <= 0)
        return false;
    const std::string display = ":" + std::string(number, static_cast<std::size_t>(n - (number[n - 1] == '\n')));
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    // The number can come before the server takes connections: wait for a client to get in.
    for (int attempt = 0; attempt < 250; ++attempt) {
        if (std::system("xdotool getmouselocation >/dev/null 2>&1") == 0)
            return true;
        usleep(20000);
    }
    return false;
}

void StopServer()
{
    if (server > 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!StartServer()) {
        std::fprintf(stderr, "cannot start Xvfb\n");
        StopServer();
        return 1;
    }
    int result = 1;
    {
        QGuiApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    StopServer();
    return result;
}

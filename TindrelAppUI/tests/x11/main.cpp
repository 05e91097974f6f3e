#include "XServer.h"

#include <QApplication>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tindrel::xserver {
namespace {

QString display;
QString problem = QStringLiteral("not started");
pid_t server = -1;

// Xvfb writes the number and the newline separately, and gives up if the pipe closes in between;
// the read end stays open for the life of the server.
QString readLine(int fd) {
    QByteArray line;
    char byte = 0;
    pollfd ready{fd, POLLIN, 0};
    while (!line.endsWith('\n') && ::poll(&ready, 1, 10000) == 1 && ::read(fd, &byte, 1) == 1)
        line.append(byte);
    return line.endsWith('\n') ? QString::fromLatin1(line).trimmed() : QString();
}

// Xvfb picks a free display itself and writes its number to the descriptor we hand it.
void startXvfb() {
    int fds[2];
    if (::pipe(fds) != 0) return;
    server = ::fork();
    if (server == 0) {
        ::close(fds[0]);
        std::string fd = std::to_string(fds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x480x24", "-nolisten", "tcp",
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    QString number = readLine(fds[0]);
    if (number.isEmpty()) {
        problem = QStringLiteral("Xvfb could not be started (is the xvfb package installed?)");
        return;
    }
    display = QLatin1Char(':') + number;
}

void stopXvfb() {
    if (server <= 0) return;
    ::kill(server, SIGTERM);
    ::waitpid(server, nullptr, 0);
}

bool listingOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) return true;
    return false;
}

} // namespace

QString xDisplay() {
    return display;
}

QString xServerProblem() {
    return problem;
}

} // namespace tindrel::xserver

// These tests need a real X server: they run on a private Xvfb so they never touch the user's desktop
// and are skipped when none can be started.
int main(int argc, char** argv) {
    using namespace tindrel::xserver;
    if (!listingOnly(argc, argv)) startXvfb();
    if (display.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else {
        qputenv("DISPLAY", display.toLatin1());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("WAYLAND_DISPLAY");
    }
    int result = 0;
    {
        QApplication app(argc, argv);
        testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    stopXvfb();
    return result;
}

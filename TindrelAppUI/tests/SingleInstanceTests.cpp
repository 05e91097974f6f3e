#include "TindrelAppUI/shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTest>
#include <QUuid>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tindrel;

namespace {

QString uniqueName() {
    return QStringLiteral("tindrel-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

// What a crashed instance leaves behind: the socket file with nobody listening.
void leaveStaleSocket(const QString& name) {
    QByteArray path = QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(QString::fromLocal8Bit(path)));
}

} // namespace

TEST(SingleInstance, ArgumentsSurviveTheRoundTrip) {
    const std::vector<QStringList> cases = {
        {"tindrel-app", "--inspect-clipboard"},
        {"tindrel-app", "--ask", "what is\nthis \u00e9?", ""},
        {"only"},
    };
    for (const QStringList& arguments : cases)
        EXPECT_EQ(SingleInstance::decode(SingleInstance::encode(arguments)), arguments);
    EXPECT_TRUE(SingleInstance::decode({}).isEmpty());
}

TEST(SingleInstance, SecondLaunchHandsItsArgumentsToTheRunningInstance) {
    QString name = uniqueName();
    SingleInstance running(name);
    std::vector<QStringList> received;
    ASSERT_TRUE(running.listen([&](const QStringList& arguments) { received.push_back(arguments); }));

    SingleInstance second(name);
    EXPECT_TRUE(second.handOff({"tindrel-app", "--inspect-clipboard"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !received.empty(); }, 3000));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], (QStringList{"tindrel-app", "--inspect-clipboard"}));
}

TEST(SingleInstance, NobodyRunningMeansNoHandOffAndAStaleSocketIsReplaced) {
    QString name = uniqueName();
    EXPECT_FALSE(SingleInstance(name).handOff({"x"}, 200));
    leaveStaleSocket(name);
    EXPECT_FALSE(SingleInstance(name).handOff({"x"}, 200));
    SingleInstance next(name);
    EXPECT_TRUE(next.listen([](const QStringList&) {}));
}

TEST(SingleInstance, OversizedMessagesAreDropped) {
    QString name = uniqueName();
    SingleInstance running(name);
    int received = 0;
    ASSERT_TRUE(running.listen([&](const QStringList&) { ++received; }));

    QLocalSocket socket;
    socket.connectToServer(name);
    ASSERT_TRUE(socket.waitForConnected(1000));
    socket.write(QByteArray(SingleInstance::maxMessageBytes + 10, 'a'));
    socket.flush();
    EXPECT_TRUE(QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 3000));
    SingleInstance(name).handOff({"small"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return received == 1; }, 3000));
    QTest::qWait(50);
    EXPECT_EQ(received, 1);
}

#include "SettingsFakes.h"
#include "TindrelAppUI/platform/PeerCredentials.h"
#include "TindrelAppUI/shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>
#include <gtest/gtest.h>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tindrel;
using tindrel::testing::ScopedEnv;

namespace {

using UserId = PeerCredentials::UserId;

const UserId me = PeerCredentials::currentUser();
const UserId someoneElse = me + 1;

// A socket path in a fresh owner-only folder (QTemporaryDir makes it 0700).
struct SocketPlace {
    QTemporaryDir dir;
    QString path = dir.filePath("tindrel.sock");
};

// What a crashed instance leaves behind: the socket file with nobody listening.
void leaveStaleSocket(const QString& path) {
    QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(path));
}

unsigned mode(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return 0;
    return info.st_mode & 0777;
}

void makeDirectory(const QString& path, unsigned permissions) {
    ASSERT_TRUE(QDir().mkpath(path));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), permissions), 0);
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

TEST(SingleInstance, SocketLivesInAFolderOnlyTheUserCanEnter) {
    enum class Expect { runtime, fallback, none };
    struct Case {
        const char* name;
        std::optional<unsigned> runtimeMode;  // none: XDG_RUNTIME_DIR unset
        std::optional<unsigned> fallbackMode; // the fallback folder already there with this mode
        bool runtimeIsLink = false;
        bool relativeRuntime = false;
        UserId user = me;
        Expect expect = Expect::runtime;
    } cases[] = {
        {"private runtime dir", 0700, std::nullopt},
        {"runtime dir unset", std::nullopt, std::nullopt, false, false, me, Expect::fallback},
        {"runtime dir readable by all", 0755, std::nullopt, false, false, me, Expect::fallback},
        {"runtime dir open to the group", 0710, std::nullopt, false, false, me, Expect::fallback},
        {"relative runtime dir", 0700, std::nullopt, false, true, me, Expect::fallback},
        {"runtime dir through a link", 0700, std::nullopt, true, false, me, Expect::fallback},
        {"fallback ours already", std::nullopt, 0700, false, false, me, Expect::fallback},
        {"fallback open to others", std::nullopt, 0755, false, false, me, Expect::none},
        {"wider fallback unused while runtime is fine", 0700, 0755},
        {"folders of another user", 0700, std::nullopt, false, false, someoneElse, Expect::none},
    };
    for (const Case& c : cases) {
        QTemporaryDir base;
        const QString realRuntime = base.filePath("run");
        QString runtime;
        if (c.runtimeMode) {
            makeDirectory(realRuntime, *c.runtimeMode);
            runtime = realRuntime;
            if (c.runtimeIsLink) {
                runtime = base.filePath("run-link");
                ASSERT_TRUE(QFile::link(realRuntime, runtime));
            }
            if (c.relativeRuntime) runtime = QDir::current().relativeFilePath(realRuntime);
        }
        const QString fallbackBase = base.filePath("tmp");
        const QString fallback = fallbackBase + "/tindrel-" + QString::number(c.user);
        makeDirectory(fallbackBase, 01777);
        if (c.fallbackMode) makeDirectory(fallback, *c.fallbackMode);

        const QString path = SingleInstance::socketPath(runtime, fallbackBase, c.user);
        switch (c.expect) {
        case Expect::runtime:
            EXPECT_EQ(path, runtime + "/tindrel.sock") << c.name;
            break;
        case Expect::fallback:
            EXPECT_EQ(path, fallback + "/tindrel.sock") << c.name;
            EXPECT_EQ(mode(fallback), 0700u) << c.name;
            break;
        case Expect::none:
            EXPECT_EQ(path, QString()) << c.name;
            break;
        }
        if (c.fallbackMode) {
            EXPECT_EQ(mode(fallback), *c.fallbackMode) << c.name << ": left as it was";
        }
    }
}

TEST(SingleInstance, PeerCheckNamesTheUserAtTheOtherEnd) {
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    struct Case {
        qintptr descriptor;
        UserId expected;
        bool accepted;
    } cases[] = {
        {pair[0], me, true},      {pair[1], me, true}, {pair[0], someoneElse, false},
        {pipeEnds[0], me, false}, {-1, me, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PeerCredentials::peerIs(c.descriptor, c.expected), c.accepted) << c.descriptor;
    for (int fd : {pair[0], pair[1], pipeEnds[0], pipeEnds[1]})
        ::close(fd);
}

// A second launch runs in another process; here another thread plays it, blocking in handOff as that
// process would, while this thread runs the running instance's event loop.
std::optional<SingleInstance::Reply> handOffFromElsewhere(const QString& path, const QStringList& arguments,
                                                          UserId client = me, int replyMs = 5000) {
    auto launch = std::async(std::launch::async,
                             [&] { return SingleInstance(path, client).handOff(arguments, 1000, replyMs); });
    while (launch.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return launch.get();
}

TEST(SingleInstance, SecondLaunchWaitsForTheRunningInstancesAnswer) {
    SocketPlace runtimeDir;
    ScopedEnv runtime("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.dir.path()));
    ASSERT_EQ(SingleInstance::defaultPath(), runtimeDir.path);
    SingleInstance running;
    std::vector<QStringList> received;
    // Answers a moment later, as after waiting for a decode; "--ask" is refused.
    ASSERT_TRUE(running.listen([&](const QStringList& arguments, const SingleInstance::Respond& respond) {
        received.push_back(arguments);
        const bool refused = arguments.contains("--ask");
        QTimer::singleShot(300, [respond, refused] {
            respond({!refused, refused ? QString::fromUtf8("--ask: nothing \u00e9") : QString()});
        });
    }));
    struct Case {
        QStringList arguments;
        SingleInstance::Reply reply;
    } cases[] = {
        {{"tindrel-app", "--inspect-clipboard"}, {true, {}}},
        {{"tindrel-app", "--ask", "q"}, {false, QString::fromUtf8("--ask: nothing \u00e9")}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(handOffFromElsewhere(runtimeDir.path, c.arguments), c.reply)
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(received.back(), c.arguments);
    }

    // While the running app's thread is busy the launch is queued by the socket, not dropped.
    auto launch = std::async(std::launch::async, [&] {
        return SingleInstance(runtimeDir.path).handOff({"tindrel-app", "--open-palette"});
    });
    QThread::msleep(1500);
    while (launch.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(launch.get(), (SingleInstance::Reply{true, {}}));
    EXPECT_EQ(received.back(), (QStringList{"tindrel-app", "--open-palette"}));
}

TEST(SingleInstance, EitherEndRefusesAPeerOfAnotherUser) {
    const QStringList question = {"tindrel-app", "--ask", "what is this secret?"};
    struct Case {
        const char* name;
        UserId server;
        UserId client;
        bool handedOff; // the client found a running instance of its user
        bool serverTakes;
    } cases[] = {
        {"same user at both ends", me, me, true, true},
        {"client expects another user", me, someoneElse, false, false},
        {"server expects another user", someoneElse, me, true, false},
    };
    for (const Case& c : cases) {
        SocketPlace place;
        SingleInstance running(place.path, c.server);
        std::vector<QStringList> received;
        ASSERT_TRUE(running.listen([&](const QStringList& arguments, const SingleInstance::Respond& respond) {
            received.push_back(arguments);
            respond({true, {}});
        }));
        const std::optional<SingleInstance::Reply> reply =
            handOffFromElsewhere(place.path, question, c.client);
        EXPECT_EQ(reply.has_value(), c.handedOff) << c.name;
        EXPECT_EQ(reply && reply->done, c.serverTakes) << c.name << ": done only when taken";
        EXPECT_EQ(std::ranges::count(received, question), c.serverTakes ? 1 : 0) << c.name;
    }
}

TEST(SingleInstance, NobodyRunningMeansNoHandOffAndAStaleSocketIsReplaced) {
    SocketPlace place;
    EXPECT_EQ(SingleInstance(place.path).handOff({"x"}, 200), std::nullopt);
    leaveStaleSocket(place.path);
    EXPECT_EQ(SingleInstance(place.path).handOff({"x"}, 200), std::nullopt);
    SingleInstance next(place.path);
    const auto ignore = [](const QStringList&, const SingleInstance::Respond&) {};
    EXPECT_TRUE(next.listen(ignore));
    EXPECT_FALSE(SingleInstance(QString()).listen(ignore)) << "no safe place, no socket";
    // Taken but never answered: the launch gives up and says so.
    EXPECT_EQ(handOffFromElsewhere(place.path, {"x"}, me, 300),
              (SingleInstance::Reply{false, "the running Tindrel did not answer"}));
}

TEST(SingleInstance, OversizedMessagesAreDropped) {
    SocketPlace place;
    SingleInstance running(place.path);
    int received = 0;
    ASSERT_TRUE(running.listen([&](const QStringList&, const SingleInstance::Respond& respond) {
        ++received;
        respond({true, {}});
    }));

    QLocalSocket socket;
    socket.connectToServer(place.path);
    ASSERT_TRUE(socket.waitForConnected(1000));
    socket.write(QByteArray(SingleInstance::maxMessageBytes + 10, 'a'));
    socket.flush();
    EXPECT_TRUE(QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 3000));
    EXPECT_EQ(handOffFromElsewhere(place.path, {"small"}), (SingleInstance::Reply{true, {}}));
    EXPECT_EQ(received, 1);
}

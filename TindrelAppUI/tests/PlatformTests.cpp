#include "PrivateSessionBus.h"
#include "SettingsFakes.h"
#include "TindrelAppUI/platform/ColorScheme.h"
#include "TindrelAppUI/platform/PeerCredentials.h"
#include "TindrelAppUI/platform/PortalHotKeyBackend.h"
#include "TindrelAppUI/shell/SingleInstance.h"
#include "WidgetTexts.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QDir>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstring>
#include <future>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tindrel;
using namespace tindrel::testing;
using tindrel::testing_support::mode;

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

void makeDirectory(const QString& path, unsigned permissions) {
    ASSERT_TRUE(QDir().mkpath(path));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), permissions), 0);
}

} // namespace

TEST(SingleInstance, ArgumentsSurviveTheRoundTrip) {
    const std::vector<QStringList> cases = {{"tindrel-app", "--inspect-clipboard"},
                                            {"tindrel-app", "--ask", "what is\nthis \u00e9?", ""},
                                            {"only"}};
    for (const QStringList& arguments : cases)
        EXPECT_EQ(SingleInstance::decode(SingleInstance::encode(arguments)), arguments);
    EXPECT_TRUE(SingleInstance::decode({}).isEmpty());
}

TEST(SingleInstance, SocketLivesInAFolderOnlyTheUserCanEnter) {
    for (const QStringList& row : testing_support::dataRows("socket-folders.tsv")) {
        const std::string name = row[0].toStdString();
        const QString runtimeMode = row[1].section(':', -1);
        const std::optional<unsigned> fallbackMode =
            row[2] == "-" ? std::nullopt : std::optional(row[2].toUInt(nullptr, 8));
        const UserId user = row[3] == "me" ? me : someoneElse;
        QTemporaryDir base;
        const QString realRuntime = base.filePath("run");
        QString runtime;
        if (runtimeMode != "unset") {
            makeDirectory(realRuntime, runtimeMode.toUInt(nullptr, 8));
            runtime = realRuntime;
            if (row[1].startsWith("link:")) {
                runtime = base.filePath("run-link");
                ASSERT_TRUE(QFile::link(realRuntime, runtime));
            }
            if (row[1].startsWith("relative:")) runtime = QDir::current().relativeFilePath(realRuntime);
        }
        const QString fallbackBase = base.filePath("tmp");
        const QString fallback = fallbackBase + "/tindrel-" + QString::number(user);
        makeDirectory(fallbackBase, 01777);
        if (fallbackMode) makeDirectory(fallback, *fallbackMode);
        const QString path = SingleInstance::socketPath(runtime, fallbackBase, user);
        const QString expected = row[4] == "runtime"    ? runtime + "/tindrel.sock"
                                 : row[4] == "fallback" ? fallback + "/tindrel.sock"
                                                        : QString();
        EXPECT_EQ(path, expected) << name;
        if (fallbackMode || row[4] == "fallback") {
            EXPECT_EQ(mode(fallback), fallbackMode.value_or(0700u))
                << name << ": made private or left as it was";
        }
    }
}

TEST(SingleInstance, PeerCheckNamesTheUserAtTheOtherEnd) {
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const std::tuple<qintptr, UserId, bool> cases[] = {{pair[0], me, true},
                                                       {pair[1], me, true},
                                                       {pair[0], someoneElse, false},
                                                       {pipeEnds[0], me, false},
                                                       {-1, me, false}};
    for (const auto& [descriptor, expected, accepted] : cases)
        EXPECT_EQ(PeerCredentials::peerIs(descriptor, expected), accepted) << descriptor;
    for (int fd : {pair[0], pair[1], pipeEnds[0], pipeEnds[1]})
        ::close(fd);
}

// A second launch runs in another process; here another thread plays it, blocking in handOff as that
// process would, while this thread runs the running instance's event loop (after `busyMs` busy elsewhere).
std::optional<SingleInstance::Reply> handOffFromElsewhere(const QString& path, const QStringList& arguments,
                                                          UserId client = me, int replyMs = 5000,
                                                          int busyMs = 0) {
    auto launch = std::async(std::launch::async,
                             [&] { return SingleInstance(path, client).handOff(arguments, 1000, replyMs); });
    QThread::msleep(busyMs);
    while (launch.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return launch.get();
}

TEST(SingleInstance, SecondLaunchWaitsForTheRunningInstancesAnswer) {
    SocketPlace runtimeDir;
    ScopedEnvironment runtime({{"XDG_RUNTIME_DIR", runtimeDir.dir.path().toStdString()}});
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
    } cases[] = {{{"tindrel-app", "--inspect-clipboard"}, {true, {}}},
                 {{"tindrel-app", "--ask", "q"}, {false, QString::fromUtf8("--ask: nothing \u00e9")}}};
    for (const Case& c : cases) {
        EXPECT_EQ(handOffFromElsewhere(runtimeDir.path, c.arguments), c.reply)
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(received.back(), c.arguments);
    }

    // While the running app's thread is busy the launch is queued by the socket, not dropped.
    EXPECT_EQ(handOffFromElsewhere(runtimeDir.path, {"tindrel-app", "--open-palette"}, me, 5000, 1500),
              (SingleInstance::Reply{true, {}}));
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
    } cases[] = {{"same user at both ends", me, me, true, true},
                 {"client expects another user", me, someoneElse, false, false},
                 {"server expects another user", someoneElse, me, true, false}};
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

namespace {

const QString desktop = QStringLiteral("/org/freedesktop/portal/desktop");

// The desktop portal on a private bus. Settings: a newer portal answers ReadOne with the value in one
// variant, an older one knows only Read, which wraps it in two; without a value both answer an error.
// Global shortcuts: every request is answered through its Response signal, as the real portal does,
// binding whatever it is asked to unless told to refuse.
class FakePortal final : public QDBusVirtualObject {
public:
    std::atomic<bool> older = false;
    std::atomic<int> scheme = -1; // -1: no value
    std::atomic<bool> refuse = false;
    QStringList calls;
    QStringList triggers;
    QString session;

    explicit FakePortal(const QString& address)
        : bus_(QDBusConnection::connectToBus(address, QStringLiteral("fake-portal"))) {
        bus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
        bus_.registerVirtualObject(desktop, this, QDBusConnection::SubPath);
    }
    ~FakePortal() override { QDBusConnection::disconnectFromBus(QStringLiteral("fake-portal")); }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.member();
        calls << member;
        if ((member == "ReadOne" && !older) || member == "Read") return read(message, connection);
        if (member == "Get") connection.send(message.createReply(QVariant::fromValue(QDBusVariant(uint(1)))));
        if (member == "CreateSession") {
            session = desktop + "/session/1/" + optionsOf(message).value("session_handle_token").toString();
            respond(message, connection, 0, {{"session_handle", session}});
        }
        if (member == "BindShortcuts") bind(message, connection);
        if (member == "Close") connection.send(message.createReply());
        if (!QStringList{"Get", "CreateSession", "BindShortcuts", "Close"}.contains(member))
            connection.send(message.createErrorReply(QDBusError::UnknownMethod, "no"));
        return true;
    }

    void signal(const QString& interface, const QString& name, const QList<QVariant>& arguments) {
        QDBusMessage message = QDBusMessage::createSignal(desktop, interface, name);
        message.setArguments(arguments);
        bus_.send(message);
    }

private:
    static QVariantMap optionsOf(const QDBusMessage& message) {
        return qdbus_cast<QVariantMap>(message.arguments().constLast());
    }

    bool read(const QDBusMessage& message, const QDBusConnection& connection) const {
        const bool asked = message.arguments().value(0).toString() == "org.freedesktop.appearance" &&
                           message.arguments().value(1).toString() == "color-scheme";
        if (!asked || scheme < 0) {
            connection.send(
                message.createErrorReply("org.freedesktop.portal.Error.NotFound", "no such setting"));
        } else {
            QDBusVariant value{QVariant(uint(scheme))};
            if (message.member() == "Read") value = QDBusVariant(QVariant::fromValue(value));
            connection.send(message.createReply(QVariant::fromValue(value)));
        }
        return true;
    }

    void respond(const QDBusMessage& message, const QDBusConnection& connection, uint code,
                 const QVariantMap& results) {
        const QString sender = message.service().mid(1).replace('.', '_');
        const QString path =
            desktop + "/request/" + sender + '/' + optionsOf(message).value("handle_token").toString();
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(path))));
        QDBusMessage response =
            QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
        response << code << results;
        connection.send(response);
    }

    void bind(const QDBusMessage& message, const QDBusConnection& connection) {
        const QDBusArgument requested = message.arguments().at(1).value<QDBusArgument>();
        requested.beginArray();
        while (!requested.atEnd()) {
            QString id;
            QVariantMap properties;
            requested.beginStructure();
            requested >> id >> properties;
            requested.endStructure();
            triggers << properties.value("preferred_trigger").toString();
        }
        requested.endArray();
        respond(message, connection, refuse ? 1 : 0,
                refuse ? QVariantMap() : QVariantMap{{"shortcuts", message.arguments().at(1)}});
    }

    QDBusConnection bus_;
};

// A private bus with the portal answering from its own thread, since the app blocks on its calls.
struct PortalBus {
    PrivateSessionBus bus;
    std::unique_ptr<FakePortal> portal;
    QThread thread;

    bool start() {
        if (bus.address().isEmpty()) return false;
        portal = std::make_unique<FakePortal>(bus.address());
        portal->moveToThread(&thread);
        thread.start();
        return true;
    }
    ~PortalBus() {
        thread.quit();
        thread.wait();
        portal.reset();
    }
};

Appearance schemeSeenBy(const QString& address, const QString& name) {
    const Appearance seen = makePortalColorScheme(QDBusConnection::connectToBus(address, name))->current();
    QDBusConnection::disconnectFromBus(name);
    return seen;
}

TEST(ColorSchemePortal, TheDesktopPreferenceIsReadFromEitherPortalGenerationAndChangesArriveLive) {
    PortalBus bus;
    if (!bus.start()) GTEST_SKIP() << "dbus-daemon could not be started";
    const std::tuple<bool, int, Appearance> cases[] = {
        {false, 1, Appearance::dark},   {false, 2, Appearance::light}, {false, 0, Appearance::light},
        {false, -1, Appearance::light}, {true, 1, Appearance::dark},   {true, 2, Appearance::light},
        {true, -1, Appearance::light}};
    int connection = 0;
    for (const auto& [older, scheme, expected] : cases) {
        bus.portal->older = older;
        bus.portal->scheme = scheme;
        EXPECT_EQ(schemeSeenBy(bus.bus.address(), QString::number(++connection)), expected)
            << older << scheme;
    }
    PrivateSessionBus lonely;
    EXPECT_EQ(schemeSeenBy(lonely.address(), "lonely"), Appearance::light) << "no portal on the bus";

    bus.portal->older = false;
    bus.portal->scheme = 2;
    auto source = makePortalColorScheme(QDBusConnection::connectToBus(bus.bus.address(), "live"));
    ASSERT_EQ(source->current(), Appearance::light);
    qRegisterMetaType<Appearance>();
    QSignalSpy changes(source.get(), &ColorSchemeSource::changed);
    const auto announce = [&](const QString& group, const QString& key, uint value) {
        bus.portal->signal("org.freedesktop.portal.Settings", "SettingChanged",
                           {group, key, QVariant::fromValue(QDBusVariant(value))});
    };
    announce("org.freedesktop.appearance", "accent-color", 1);
    announce("org.gnome.desktop.interface", "color-scheme", 1);
    announce("org.freedesktop.appearance", "color-scheme", 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changes.count() == 1; }, 10000));
    EXPECT_EQ(changes.at(0).at(0).value<Appearance>(), Appearance::dark);
    EXPECT_EQ(source->current(), Appearance::dark);
    announce("org.freedesktop.appearance", "color-scheme", 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changes.count() == 2; }, 10000));
    EXPECT_EQ(source->current(), Appearance::light);
    source.reset();
    QDBusConnection::disconnectFromBus("live");
}

TEST(PortalHotKey, BindsThroughThePortalAndDeliversActivations) {
    PortalBus bus;
    if (!bus.start()) GTEST_SKIP() << "dbus-daemon could not be started";
    ScopedEnvironment sessionBus({{"DBUS_SESSION_BUS_ADDRESS", bus.bus.address().toStdString()}});
    std::unique_ptr<HotKeyBackend> backend = makePortalHotKeyBackend();
    ASSERT_TRUE(backend);
    MemoryDefaults defaults;
    HotKeyManager manager(defaults, std::move(backend));
    int fired = 0;
    EXPECT_TRUE(manager.registerHotKey([&] { ++fired; }));
    EXPECT_EQ(bus.portal->triggers, QStringList{"ALT+SHIFT+space"});
    for (const char* id : {"something-else", "inspect-clipboard"})
        bus.portal->signal("org.freedesktop.portal.GlobalShortcuts", "Activated",
                           {QVariant::fromValue(QDBusObjectPath(bus.portal->session)), QString(id),
                            qulonglong(0), QVariantMap()});
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired == 1; }, 3000));
    QTest::qWait(50);
    EXPECT_EQ(manager.fireCount(), 1);

    bus.portal->refuse = true;
    manager.changeChord(manager.suggestedAlternative());
    EXPECT_EQ(manager.status(), HotKeyManager::Status::unavailable);
    EXPECT_EQ(bus.portal->triggers.last(), "ALT+s");
    EXPECT_GE(bus.portal->calls.count("Close"), 2) << "the old session is closed before binding again";
}

} // namespace

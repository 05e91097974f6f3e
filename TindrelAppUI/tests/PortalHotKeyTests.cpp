#include "PrivateSessionBus.h"
#include "SettingsFakes.h"
#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/platform/PortalHotKeyBackend.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

using namespace tindrel;
using namespace tindrel::testing;

namespace {

const QString desktop = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

// A desktop portal on a private session bus: answers every request through its Response signal, as
// the real one does, and binds whatever it is asked to unless told to refuse.
class FakePortal final : public QDBusVirtualObject {
public:
    QDBusConnection bus;
    bool refuse = false;
    QStringList calls;
    QStringList triggers;
    QString session;

    explicit FakePortal(const QString& address)
        : bus(QDBusConnection::connectToBus(address, QStringLiteral("fake-portal"))) {
        bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
        bus.registerVirtualObject(desktop, this, QDBusConnection::SubPath);
    }
    ~FakePortal() override { QDBusConnection::disconnectFromBus(QStringLiteral("fake-portal")); }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        calls << message.member();
        if (message.member() == QLatin1String("Get"))
            return reply(connection, message, {QVariant::fromValue(QDBusVariant(uint(1)))});
        if (message.member() == QLatin1String("CreateSession")) return createSession(message, connection);
        if (message.member() == QLatin1String("BindShortcuts")) return bind(message, connection);
        if (message.member() == QLatin1String("Close")) return reply(connection, message, {});
        connection.send(message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("no")));
        return true;
    }

    void activate(const QString& id) {
        QDBusMessage signal = QDBusMessage::createSignal(desktop, shortcuts, QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(0) << QVariantMap();
        bus.send(signal);
    }

private:
    static bool reply(const QDBusConnection& connection, const QDBusMessage& message,
                      QList<QVariant> values) {
        QDBusMessage answer = message.createReply(values);
        connection.send(answer);
        return true;
    }

    static QVariantMap optionsOf(const QDBusMessage& message) {
        return qdbus_cast<QVariantMap>(message.arguments().constLast());
    }

    QString respond(const QDBusMessage& message, const QDBusConnection& connection, uint code,
                    const QVariantMap& results) {
        QString sender = message.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
        QString path = desktop + QStringLiteral("/request/") + sender + QLatin1Char('/') +
                       optionsOf(message).value(QStringLiteral("handle_token")).toString();
        reply(connection, message, {QVariant::fromValue(QDBusObjectPath(path))});
        QDBusMessage signal =
            QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"), "Response");
        signal << code << results;
        connection.send(signal);
        return path;
    }

    bool createSession(const QDBusMessage& message, const QDBusConnection& connection) {
        session = desktop + QStringLiteral("/session/1/") +
                  optionsOf(message).value(QStringLiteral("session_handle_token")).toString();
        respond(message, connection, 0, {{QStringLiteral("session_handle"), session}});
        return true;
    }

    bool bind(const QDBusMessage& message, const QDBusConnection& connection) {
        const QDBusArgument requested = message.arguments().at(1).value<QDBusArgument>();
        requested.beginArray();
        while (!requested.atEnd()) {
            QString id;
            QVariantMap properties;
            requested.beginStructure();
            requested >> id >> properties;
            requested.endStructure();
            triggers << properties.value(QStringLiteral("preferred_trigger")).toString();
        }
        requested.endArray();
        QVariantMap results{{QStringLiteral("shortcuts"), message.arguments().at(1)}};
        respond(message, connection, refuse ? 1 : 0, refuse ? QVariantMap() : results);
        return true;
    }
};

} // namespace

TEST(PortalHotKey, BindsThroughThePortalAndDeliversActivations) {
    PrivateSessionBus bus;
    if (bus.address().isEmpty()) GTEST_SKIP() << "dbus-daemon could not be started";
    ScopedEnv sessionBus("DBUS_SESSION_BUS_ADDRESS", bus.address().toLatin1());
    FakePortal portal(bus.address());
    // The app blocks on its calls, so the portal answers from a thread of its own.
    QThread thread;
    portal.moveToThread(&thread);
    thread.start();

    std::unique_ptr<HotKeyBackend> backend = makePortalHotKeyBackend();
    ASSERT_TRUE(backend);
    MemoryDefaults defaults;
    HotKeyManager manager(defaults, std::move(backend));
    int fired = 0;
    EXPECT_TRUE(manager.registerHotKey([&] { ++fired; }));
    EXPECT_EQ(portal.triggers, QStringList{"ALT+SHIFT+space"});

    portal.activate(QStringLiteral("something-else"));
    portal.activate(QStringLiteral("inspect-clipboard"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired == 1; }, 3000));
    QTest::qWait(50);
    EXPECT_EQ(manager.fireCount(), 1);

    portal.refuse = true;
    manager.changeChord(manager.suggestedAlternative());
    EXPECT_EQ(manager.status(), HotKeyManager::Status::unavailable);
    EXPECT_EQ(portal.triggers.last(), "ALT+s");
    EXPECT_GE(portal.calls.count("Close"), 2) << "the old session is closed before binding again";
    thread.quit();
    thread.wait();
}

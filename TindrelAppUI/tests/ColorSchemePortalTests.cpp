#include "PrivateSessionBus.h"
#include "TindrelAppUI/platform/ColorScheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>

using namespace tindrel;
using namespace tindrel::testing;

namespace {

const QString desktop = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");

// The Settings portal on a private bus. A newer portal answers ReadOne with the value in one variant;
// an older one knows only Read, which wraps it in two. Without a value both answer an error.
class FakeSettingsPortal final : public QDBusVirtualObject {
public:
    enum class Kind { current, older };
    std::atomic<Kind> kind = Kind::current;
    std::atomic<int> scheme = -1; // -1: no value

    explicit FakeSettingsPortal(const QString& address)
        : bus_(QDBusConnection::connectToBus(address, QStringLiteral("fake-settings-portal"))) {
        bus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
        bus_.registerVirtualObject(desktop, this);
    }
    ~FakeSettingsPortal() override {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-settings-portal"));
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const bool known = (message.member() == QLatin1String("ReadOne") && kind == Kind::current) ||
                           message.member() == QLatin1String("Read");
        const bool asked =
            message.arguments().value(0).toString() == QLatin1String("org.freedesktop.appearance") &&
            message.arguments().value(1).toString() == QLatin1String("color-scheme");
        if (!known)
            connection.send(message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("no")));
        else if (!asked || scheme < 0)
            connection.send(message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                                                     QStringLiteral("no such setting")));
        else
            connection.send(message.createReply(QVariant::fromValue(value(message.member()))));
        return true;
    }

    void announce(const QString& group, const QString& key, uint value) {
        QDBusMessage signal =
            QDBusMessage::createSignal(desktop, settingsInterface, QStringLiteral("SettingChanged"));
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        bus_.send(signal);
    }

private:
    QDBusVariant value(const QString& method) const {
        QDBusVariant inner{QVariant(uint(scheme))};
        if (method == QLatin1String("ReadOne")) return inner;
        return QDBusVariant(QVariant::fromValue(inner));
    }

    QDBusConnection bus_;
};

// A bus, the portal answering from its own thread (the app's first read blocks) and a client connection.
struct PortalBus {
    PrivateSessionBus bus;
    std::unique_ptr<FakeSettingsPortal> portal;
    QThread thread;

    bool start() {
        if (bus.address().isEmpty()) return false;
        portal = std::make_unique<FakeSettingsPortal>(bus.address());
        portal->moveToThread(&thread);
        thread.start();
        return true;
    }
    QDBusConnection client(const QString& name) const {
        return QDBusConnection::connectToBus(bus.address(), name);
    }
    ~PortalBus() {
        thread.quit();
        thread.wait();
        portal.reset();
    }
};

} // namespace

TEST(ColorSchemePortal, TheDesktopPreferenceIsReadFromEitherPortalGeneration) {
    PortalBus bus;
    if (!bus.start()) GTEST_SKIP() << "dbus-daemon could not be started";
    using Kind = FakeSettingsPortal::Kind;
    struct Case {
        Kind kind;
        int scheme;
        Appearance expected;
    } cases[] = {
        {Kind::current, 1, Appearance::dark},  {Kind::current, 2, Appearance::light},
        {Kind::current, 0, Appearance::light}, {Kind::current, -1, Appearance::light},
        {Kind::older, 1, Appearance::dark},    {Kind::older, 2, Appearance::light},
        {Kind::older, -1, Appearance::light},
    };
    int connection = 0;
    for (const Case& c : cases) {
        bus.portal->kind = c.kind;
        bus.portal->scheme = c.scheme;
        const QString name = QStringLiteral("scheme-client-%1").arg(++connection);
        EXPECT_EQ(makePortalColorScheme(bus.client(name))->current(), c.expected)
            << int(c.kind) << " " << c.scheme;
        QDBusConnection::disconnectFromBus(name);
    }
}

TEST(ColorSchemePortal, NoPortalOnTheBusMeansLight) {
    PrivateSessionBus bus;
    if (bus.address().isEmpty()) GTEST_SKIP() << "dbus-daemon could not be started";
    EXPECT_EQ(makePortalColorScheme(QDBusConnection::connectToBus(bus.address(), "lonely-client"))->current(),
              Appearance::light);
    QDBusConnection::disconnectFromBus("lonely-client");
}

TEST(ColorSchemePortal, ChangesArriveLiveAndOtherSettingsAreIgnored) {
    PortalBus bus;
    if (!bus.start()) GTEST_SKIP() << "dbus-daemon could not be started";
    bus.portal->scheme = 2;
    auto source = makePortalColorScheme(bus.client("live-client"));
    ASSERT_EQ(source->current(), Appearance::light);
    qRegisterMetaType<Appearance>();
    QSignalSpy changes(source.get(), &ColorSchemeSource::changed);

    bus.portal->announce("org.freedesktop.appearance", "accent-color", 1);
    bus.portal->announce("org.gnome.desktop.interface", "color-scheme", 1);
    bus.portal->announce("org.freedesktop.appearance", "color-scheme", 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changes.count() == 1; }, 10000));
    EXPECT_EQ(changes.at(0).at(0).value<Appearance>(), Appearance::dark);
    EXPECT_EQ(source->current(), Appearance::dark);

    bus.portal->announce("org.freedesktop.appearance", "color-scheme", 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changes.count() == 2; }, 10000));
    EXPECT_EQ(source->current(), Appearance::light);
    source.reset();
    QDBusConnection::disconnectFromBus("live-client");
}

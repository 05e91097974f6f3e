#include "TindrelAppUI/platform/PortalHotKeyBackend.h"

#include "TindrelAppUI/hotkey/KeyCodes.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QUuid>
#include <array>

namespace tindrel {
namespace {

struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace
} // namespace tindrel

Q_DECLARE_METATYPE(tindrel::PortalShortcut)

namespace tindrel {
namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString desktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString shortcutID = QStringLiteral("inspect-clipboard");
// Binding may put a confirmation dialog in front of the user.
constexpr int responseTimeoutMs = 60000;

QString keyName(std::uint32_t keysym) {
    static const std::array<std::pair<std::uint32_t, const char*>, 27> names = {{
        {0x20, "space"},        {0x2d, "minus"},      {0x3d, "equal"},     {0x5b, "bracketleft"},
        {0x5d, "bracketright"}, {0x5c, "backslash"},  {0x3b, "semicolon"}, {0x27, "apostrophe"},
        {0x2c, "comma"},        {0x2e, "period"},     {0x2f, "slash"},     {0x60, "grave"},
        {0xff0d, "Return"},     {0xff8d, "KP_Enter"}, {0xff09, "Tab"},     {0xff1b, "Escape"},
        {0xff08, "BackSpace"},  {0xffff, "Delete"},   {0xff51, "Left"},    {0xff53, "Right"},
        {0xff54, "Down"},       {0xff52, "Up"},       {0xff50, "Home"},    {0xff57, "End"},
        {0xff55, "Prior"},      {0xff56, "Next"},     {0xff63, "Insert"},
    }};
    for (auto [symbol, name] : names)
        if (symbol == keysym) return QString::fromLatin1(name);
    if (keysym >= 0xffbe && keysym <= 0xffcd) return QStringLiteral("F%1").arg(keysym - 0xffbe + 1);
    return QString(QChar(char16_t(keysym)));
}

// Replies arrive as signals on a request object whose path the portal derives from our bus name and
// a token we choose; subscribing before the call means no reply can slip past.
class PortalRequest final : public QObject {
    Q_OBJECT

public:
    std::optional<QVariantMap> send(QDBusMessage call, QVariantMap& options) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        QString token = QStringLiteral("tindrel") + QUuid::createUuid().toString(QUuid::Id128);
        QString sender = bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
        QString path = desktopPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
        options.insert(QStringLiteral("handle_token"), token);
        bus.connect(service, path, QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"), this, SLOT(respond(uint, QVariantMap)));
        QList<QVariant> arguments = call.arguments();
        arguments.replace(arguments.size() - 1, options);
        call.setArguments(arguments);
        if (bus.call(call).type() == QDBusMessage::ErrorMessage) return std::nullopt;
        QTimer::singleShot(responseTimeoutMs, &loop_, &QEventLoop::quit);
        if (!results_) loop_.exec();
        return results_;
    }

private slots:
    void respond(uint response, const QVariantMap& results) {
        if (response == 0) results_ = results;
        loop_.quit();
    }

private:
    QEventLoop loop_;
    std::optional<QVariantMap> results_;
};

QDBusMessage portalCall(const QString& interface, const QString& method) {
    return QDBusMessage::createMethodCall(service, desktopPath, interface, method);
}

class PortalHotKeyBackend final : public QObject, public HotKeyBackend {
    Q_OBJECT

public:
    PortalHotKeyBackend() {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
        registerAppID();
        QDBusConnection::sessionBus().connect(
            service, desktopPath, shortcutsInterface, QStringLiteral("Activated"), this,
            SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    }

    void installHandler(PressHandler handler) override { handler_ = std::move(handler); }

    std::optional<Handle> registerHotKey(const KeyChord& chord, HotKeyIdentifier identifier) override {
        std::optional<QString> session = createSession();
        if (!session) return std::nullopt;
        if (!bind(*session, chord)) {
            close(*session);
            return std::nullopt;
        }
        session_ = *session;
        identifier_ = identifier;
        return ++handles_;
    }

    void unregisterHotKey(Handle handle) override {
        if (handle != handles_ || session_.isEmpty()) return;
        close(session_);
        session_.clear();
    }

private slots:
    void activated(const QDBusObjectPath& session, const QString& id, qulonglong, const QVariantMap&) {
        if (session.path() == session_ && id == shortcutID && handler_) handler_(identifier_);
    }

private:
    // Newer portals identify a host (unsandboxed) application only through the app id of its
    // desktop file, registered before any other portal call; older ones lack the registry.
    void registerAppID() {
        QString appID = QGuiApplication::desktopFileName();
        if (appID.isEmpty()) appID = QStringLiteral("tindrel");
        QDBusMessage call =
            portalCall(QStringLiteral("org.freedesktop.host.portal.Registry"), QStringLiteral("Register"));
        call << appID << QVariantMap();
        QDBusConnection::sessionBus().call(call);
    }

    std::optional<QString> createSession() {
        QDBusMessage call = portalCall(shortcutsInterface, QStringLiteral("CreateSession"));
        call << QVariantMap();
        QVariantMap options{{QStringLiteral("session_handle_token"), QStringLiteral("tindrel")}};
        PortalRequest request;
        std::optional<QVariantMap> results = request.send(call, options);
        if (!results) return std::nullopt;
        QString handle = results->value(QStringLiteral("session_handle")).toString();
        if (handle.isEmpty()) return std::nullopt;
        return handle;
    }

    bool bind(const QString& session, const KeyChord& chord) {
        PortalShortcut shortcut{shortcutID,
                                {{QStringLiteral("description"), QStringLiteral("Inspect Clipboard")},
                                 {QStringLiteral("preferred_trigger"), portalTrigger(chord)}}};
        QDBusMessage call = portalCall(shortcutsInterface, QStringLiteral("BindShortcuts"));
        call << QVariant::fromValue(QDBusObjectPath(session))
             << QVariant::fromValue(QList<PortalShortcut>{shortcut}) << QString() << QVariantMap();
        QVariantMap options;
        PortalRequest request;
        std::optional<QVariantMap> results = request.send(call, options);
        if (!results) return false;
        QList<PortalShortcut> bound;
        results->value(QStringLiteral("shortcuts")).value<QDBusArgument>() >> bound;
        return std::ranges::any_of(bound, [](const PortalShortcut& s) { return s.id == shortcutID; });
    }

    static void close(const QString& session) {
        QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
            service, session, QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Close")));
    }

    PressHandler handler_;
    QString session_;
    HotKeyIdentifier identifier_;
    Handle handles_ = 0;
};

bool portalOffersShortcuts() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, desktopPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << shortcutsInterface << QStringLiteral("version");
    return QDBusConnection::sessionBus().call(call).type() == QDBusMessage::ReplyMessage;
}

} // namespace

QString portalTrigger(const KeyChord& chord) {
    QStringList parts;
    if (chord.modifiers.contains(KeyChord::Modifiers::control)) parts << QStringLiteral("CTRL");
    if (chord.modifiers.contains(KeyChord::Modifiers::option)) parts << QStringLiteral("ALT");
    if (chord.modifiers.contains(KeyChord::Modifiers::shift)) parts << QStringLiteral("SHIFT");
    if (chord.modifiers.contains(KeyChord::Modifiers::command)) parts << QStringLiteral("LOGO");
    std::optional<std::uint32_t> keysym = KeyCodes::x11KeySym(chord.keyCode);
    if (keysym) parts << keyName(*keysym);
    return parts.join(QLatin1Char('+'));
}

std::unique_ptr<HotKeyBackend> makePortalHotKeyBackend() {
    if (!QDBusConnection::sessionBus().isConnected() || !portalOffersShortcuts()) return nullptr;
    return std::make_unique<PortalHotKeyBackend>();
}

} // namespace tindrel

#include "PortalHotKeyBackend.moc"

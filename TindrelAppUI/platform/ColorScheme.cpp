#include "TindrelAppUI/platform/ColorScheme.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <optional>

namespace tindrel {
namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString desktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearanceNamespace = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");
// Read once while the app starts: a portal that is slow to answer must not hold the window back long.
constexpr int readTimeoutMs = 1500;
constexpr uint prefersDark = 1;

// ReadOne answers the value in one variant; the older Read wraps it in a second one.
std::optional<uint> schemeOf(QVariant value) {
    for (int depth = 0; depth < 3 && value.metaType() == QMetaType::fromType<QDBusVariant>(); ++depth)
        value = value.value<QDBusVariant>().variant();
    if (value.metaType() != QMetaType::fromType<uint>()) return std::nullopt;
    return value.toUInt();
}

Appearance appearanceOf(std::optional<uint> scheme) {
    return scheme == prefersDark ? Appearance::dark : Appearance::light;
}

class PortalColorScheme final : public ColorSchemeSource {
    Q_OBJECT

public:
    explicit PortalColorScheme(const QDBusConnection& bus)
        : bus_(bus) {
        // The slot is found by its signature, which names QDBusVariant: a process that has not used the
        // type yet must make it known first, or the connection silently fails.
        qRegisterMetaType<QDBusVariant>();
        bus_.connect(service, desktopPath, settingsInterface, QStringLiteral("SettingChanged"), this,
                     SLOT(settingChanged(QString, QString, QDBusVariant)));
        current_ = appearanceOf(read());
    }

    Appearance current() const override { return current_; }

private slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value) {
        if (group != appearanceNamespace || key != colorSchemeKey) return;
        const Appearance now = appearanceOf(schemeOf(value.variant()));
        if (now == current_) return;
        current_ = now;
        emit changed(now);
    }

private:
    std::optional<uint> read() {
        for (const char* method : {"ReadOne", "Read"}) {
            QDBusMessage call = QDBusMessage::createMethodCall(service, desktopPath, settingsInterface,
                                                               QString::fromLatin1(method));
            call << appearanceNamespace << colorSchemeKey;
            const QDBusMessage reply = bus_.call(call, QDBus::Block, readTimeoutMs);
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                return schemeOf(reply.arguments().constFirst());
        }
        return std::nullopt;
    }

    QDBusConnection bus_;
    Appearance current_ = Appearance::light;
};

} // namespace

std::unique_ptr<ColorSchemeSource> makePortalColorScheme(const QDBusConnection& bus) {
    return std::make_unique<PortalColorScheme>(bus);
}

std::unique_ptr<ColorSchemeSource> makeSystemColorScheme() {
    return makePortalColorScheme(QDBusConnection::sessionBus());
}

} // namespace tindrel

#include "ColorScheme.moc"

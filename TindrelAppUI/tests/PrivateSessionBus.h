#pragma once

#include <QProcess>
#include <QString>

namespace tindrel::testing {

// A dbus-daemon of the test's own, so a fake portal never meets the desktop's real one. The address
// is empty when no daemon could be started; the daemon stops with the object.
class PrivateSessionBus {
public:
    PrivateSessionBus() {
        daemon_.start(QStringLiteral("dbus-daemon"), {"--session", "--print-address=1", "--nofork"});
        if (daemon_.waitForStarted(3000) && daemon_.waitForReadyRead(3000))
            address_ = QString::fromLatin1(daemon_.readLine()).trimmed();
    }
    ~PrivateSessionBus() {
        daemon_.kill();
        daemon_.waitForFinished();
    }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    const QString& address() const { return address_; }

private:
    QProcess daemon_;
    QString address_;
};

} // namespace tindrel::testing

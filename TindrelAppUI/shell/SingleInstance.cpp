#include "TindrelAppUI/shell/SingleInstance.h"

#include <QLocalSocket>
#include <memory>
#include <unistd.h>

namespace tindrel {

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent)
    , name_(std::move(name)) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

QString SingleInstance::defaultName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = QString::number(qint64(::getuid()));
    return QStringLiteral("tindrel-") + user;
}

bool SingleInstance::handOff(const QStringList& arguments, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(encode(arguments));
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(timeoutMs);
}

bool SingleInstance::listen(std::function<void(const QStringList&)> onArguments) {
    onArguments_ = std::move(onArguments);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(name_)) return true;
    // A socket file left behind by a crashed instance: nobody answers on it.
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

// Arguments separated by NUL bytes, which no argument can contain.
QByteArray SingleInstance::encode(const QStringList& arguments) {
    return arguments.join(QChar(u'\0')).toUtf8();
}

QStringList SingleInstance::decode(const QByteArray& message) {
    if (message.isEmpty()) return {};
    return QString::fromUtf8(message).split(QChar(u'\0'));
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        // Qt's own buffer would otherwise grow with whatever a client sends.
        socket->setReadBufferSize(maxMessageBytes + 1);
        auto take = [socket, buffer] {
            if (socket->isOpen()) buffer->append(socket->read(maxMessageBytes + 1 - buffer->size()));
            if (buffer->size() > maxMessageBytes) socket->abort();
        };
        connect(socket, &QLocalSocket::readyRead, socket, take);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, buffer, take] {
            if (buffer->size() <= maxMessageBytes) take();
            if (buffer->size() <= maxMessageBytes && onArguments_) onArguments_(decode(*buffer));
            socket->deleteLater();
        });
    }
}

} // namespace tindrel

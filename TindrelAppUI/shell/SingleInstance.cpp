#include "TindrelAppUI/shell/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <memory>

namespace tindrel {
namespace {

constexpr QLatin1String socketName("tindrel.sock");

} // namespace

SingleInstance::SingleInstance(QString path, UserId owner, QObject* parent)
    : QObject(parent)
    , path_(std::move(path))
    , owner_(owner) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

QString SingleInstance::defaultPath() {
    return socketPath(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(),
                      PeerCredentials::currentUser());
}

// The runtime directory is the session's own; a folder in the shared temporary directory is only
// used when it is ours alone, since whoever can reach the socket is heard by the running app.
QString SingleInstance::socketPath(const QString& runtimeDirectory, const QString& fallbackBase,
                                   UserId user) {
    if (QDir::isAbsolutePath(runtimeDirectory) && PeerCredentials::isPrivateDirectory(runtimeDirectory, user))
        return runtimeDirectory + QLatin1Char('/') + socketName;
    const QString fallback = fallbackBase + QStringLiteral("/tindrel-") + QString::number(user);
    if (PeerCredentials::makePrivateDirectory(fallback, user))
        return fallback + QLatin1Char('/') + socketName;
    return {};
}

bool SingleInstance::handOff(const QStringList& arguments, int timeoutMs) const {
    if (path_.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    if (!PeerCredentials::peerIs(socket.socketDescriptor(), owner_)) {
        socket.abort();
        return false;
    }
    socket.write(encode(arguments));
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(timeoutMs);
}

bool SingleInstance::listen(std::function<void(const QStringList&)> onArguments) {
    if (path_.isEmpty()) return false;
    onArguments_ = std::move(onArguments);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(path_)) return true;
    // A socket file left behind by a crashed instance: nobody answers on it.
    QLocalServer::removeServer(path_);
    return server_.listen(path_);
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
        if (PeerCredentials::peerIs(socket->socketDescriptor(), owner_)) {
            receive(socket);
        } else {
            socket->abort();
            socket->deleteLater();
        }
    }
}

void SingleInstance::receive(QLocalSocket* socket) {
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

} // namespace tindrel

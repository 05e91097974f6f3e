#include "TindrelAppUI/shell/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QPointer>
#include <QtEndian>
#include <memory>

namespace tindrel {
namespace {

constexpr QLatin1String socketName("tindrel.sock");
constexpr qint64 lengthBytes = 4;

QByteArray framed(const QByteArray& message) {
    QByteArray frame(lengthBytes, '\0');
    qToBigEndian(static_cast<quint32>(message.size()), frame.data());
    return frame + message;
}

QByteArray replyBytes(const SingleInstance::Reply& reply) {
    return QByteArray(reply.done ? "1" : "0") + reply.message.toUtf8();
}

SingleInstance::Reply notDone(const char* why) {
    return {false, QString::fromLatin1(why)};
}

// Everything the other end sends until it closes the connection or `deadline` passes.
QByteArray readToEnd(QLocalSocket& socket, const QDeadlineTimer& deadline) {
    QByteArray received;
    while (socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired()) {
        if (socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) received += socket.readAll();
    }
    return received + socket.readAll();
}

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

std::optional<SingleInstance::Reply> SingleInstance::handOff(const QStringList& arguments, int connectMs,
                                                             int replyMs) const {
    if (path_.isEmpty()) return std::nullopt;
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(connectMs)) return std::nullopt;
    if (!PeerCredentials::peerIs(socket.socketDescriptor(), owner_)) {
        socket.abort();
        return std::nullopt;
    }
    socket.write(framed(encode(arguments)));
    if (!socket.waitForBytesWritten(connectMs))
        return notDone("the running Tindrel did not take the command line");
    const QByteArray reply = readToEnd(socket, QDeadlineTimer(replyMs));
    if (reply.isEmpty()) return notDone("the running Tindrel did not answer");
    return Reply{reply.front() == '1', QString::fromUtf8(reply.sliced(1))};
}

bool SingleInstance::listen(std::function<void(const QStringList&, Respond)> onArguments) {
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

// Reads one framed command line, then hands it on with the way to answer; a client that sends more
// than a command line can hold, or goes away first, is dropped.
void SingleInstance::receive(QLocalSocket* socket) {
    auto buffer = std::make_shared<QByteArray>();
    // Qt's own buffer would otherwise grow with whatever a client sends.
    socket->setReadBufferSize(lengthBytes + maxMessageBytes);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->read(lengthBytes + maxMessageBytes - buffer->size()));
        if (buffer->size() < lengthBytes) return;
        const quint32 length = qFromBigEndian<quint32>(buffer->constData());
        if (length > maxMessageBytes) {
            socket->abort();
            return;
        }
        if (buffer->size() < lengthBytes + qint64(length)) return;
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        const QStringList arguments = decode(buffer->sliced(lengthBytes, length));
        QPointer<QLocalSocket> client(socket);
        Respond respond = [client](const Reply& reply) {
            if (!client || client->state() != QLocalSocket::ConnectedState) return;
            client->write(replyBytes(reply));
            client->disconnectFromServer();
        };
        if (onArguments_) onArguments_(arguments, std::move(respond));
    });
}

} // namespace tindrel

#pragma once

#include "TindrelAppUI/platform/PeerCredentials.h"

#include <QLocalServer>
#include <QObject>
#include <QStringList>
#include <functional>

class QLocalSocket;

namespace tindrel {

// One running app per user. A second launch (for example "tindrel-app --inspect-clipboard" bound to
// a key in the desktop's keyboard settings) hands its arguments to the running instance and quits.
// The socket lives in a directory only its owner can enter, and both ends check that the other is
// the same user before anything is sent or accepted.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    using UserId = PeerCredentials::UserId;

    // More than any real command line; a client sending more is cut off.
    static constexpr qint64 maxMessageBytes = 64 * 1024;

    // `path` is the local socket's path, empty when there is no safe place for it (then there is no
    // hand-over). `owner` is the only user either end talks to; tests pass another to see refusals.
    explicit SingleInstance(QString path = defaultPath(), UserId owner = PeerCredentials::currentUser(),
                            QObject* parent = nullptr);

    // socketPath for this process's user, its XDG_RUNTIME_DIR and the temporary folder.
    static QString defaultPath();
    // "tindrel.sock" in `runtimeDirectory` when that is an absolute path to a directory private to
    // `user`; else in the private folder "tindrel-<uid>" of `fallbackBase`, created when missing;
    // empty when neither is safe.
    static QString socketPath(const QString& runtimeDirectory, const QString& fallbackBase, UserId user);

    // True when a running instance took the arguments: this process should quit.
    bool handOff(const QStringList& arguments, int timeoutMs = 1000) const;
    // Becomes the running instance; `onArguments` gets every handed-off command line on the GUI
    // thread. False when the socket cannot be created.
    bool listen(std::function<void(const QStringList&)> onArguments);

    static QByteArray encode(const QStringList& arguments);
    static QStringList decode(const QByteArray& message);

private:
    void accept();
    void receive(QLocalSocket* socket);

    QString path_;
    UserId owner_;
    QLocalServer server_;
    std::function<void(const QStringList&)> onArguments_;
};

} // namespace tindrel

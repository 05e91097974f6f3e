#pragma once

#include "TindrelAppUI/platform/PeerCredentials.h"

#include <QLocalServer>
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class QLocalSocket;

namespace tindrel {

// One running app per user. A second launch (for example "tindrel-app --inspect-clipboard" bound to
// a key in the desktop's keyboard settings) hands its arguments to the running instance, waits for
// its reply (whether everything asked for was done, or why not) and quits. The socket lives in a
// directory only its owner can enter, and both ends check that the other is the same user before
// anything is sent or accepted.
//
// On the wire: the arguments, NUL-separated in UTF-8, after their length as four big-endian bytes;
// the reply is "1" (done) or "0" (not done) followed by a UTF-8 message, and ends when the running
// instance closes the connection.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    using UserId = PeerCredentials::UserId;

    struct Reply {
        bool done = false;
        QString message; // why not, when not done

        bool operator==(const Reply&) const = default;
    };
    using Respond = std::function<void(const Reply&)>;

    // More than any real command line; a client sending more is cut off.
    static constexpr qint64 maxMessageBytes = 64 * 1024;
    // A reply may wait for a large input to be decoded.
    static constexpr int replyTimeoutMs = 10 * 60 * 1000;

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

    // Nothing when no instance is running (this process should become it). Otherwise the running
    // instance's reply, or a reply saying nothing was done when it did not take the arguments or did
    // not answer within `replyMs`. Blocks until then.
    std::optional<Reply> handOff(const QStringList& arguments, int connectMs = 1000,
                                 int replyMs = replyTimeoutMs) const;
    // Becomes the running instance; `onArguments` gets every handed-off command line on the GUI thread,
    // with the way to answer it (once, at any later time; an answer to a launch that gave up is
    // dropped). False when the socket cannot be created.
    bool listen(std::function<void(const QStringList&, Respond)> onArguments);

    static QByteArray encode(const QStringList& arguments);
    static QStringList decode(const QByteArray& message);

private:
    void accept();
    void receive(QLocalSocket* socket);

    QString path_;
    UserId owner_;
    QLocalServer server_;
    std::function<void(const QStringList&, Respond)> onArguments_;
};

} // namespace tindrel

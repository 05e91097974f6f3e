#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>
#include <functional>

namespace tindrel {

// One running app per user. A second launch (for example "tindrel-app --inspect-clipboard" bound to
// a key in the desktop's keyboard settings) hands its arguments to the running instance and quits.
// The socket is reachable by its owner only.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    // More than any real command line; a client sending more is cut off.
    static constexpr qint64 maxMessageBytes = 64 * 1024;

    // `name` is the local socket's name; tests pass their own.
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);

    // "tindrel-" followed by the user's name.
    static QString defaultName();

    // True when a running instance took the arguments: this process should quit.
    bool handOff(const QStringList& arguments, int timeoutMs = 1000) const;
    // Becomes the running instance; `onArguments` gets every handed-off command line on the GUI
    // thread. False when the socket cannot be created.
    bool listen(std::function<void(const QStringList&)> onArguments);

    static QByteArray encode(const QStringList& arguments);
    static QStringList decode(const QByteArray& message);

private:
    void accept();

    QString name_;
    QLocalServer server_;
    std::function<void(const QStringList&)> onArguments_;
};

} // namespace tindrel

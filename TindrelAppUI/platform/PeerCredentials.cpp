#include "TindrelAppUI/platform/PeerCredentials.h"

#include <QFile>
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tindrel::PeerCredentials {

UserId currentUser() {
    return ::geteuid();
}

std::optional<UserId> peerUser(qintptr socketDescriptor) {
    if (socketDescriptor < 0) return std::nullopt;
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
        size != sizeof credentials)
        return std::nullopt;
    return credentials.uid;
}

bool peerIs(qintptr socketDescriptor, UserId expected) {
    std::optional<UserId> peer = peerUser(socketDescriptor);
    return peer && *peer == expected;
}

bool isPrivateDirectory(const QString& path, UserId owner) {
    struct stat info {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == owner && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

bool makePrivateDirectory(const QString& path, UserId owner) {
    if (::mkdir(QFile::encodeName(path).constData(), S_IRWXU) != 0 && errno != EEXIST) return false;
    return isPrivateDirectory(path, owner);
}

} // namespace tindrel::PeerCredentials

#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace tindrel {

// Who is at the other end of a local socket, and places only their owner can reach. The single-instance
// hand-over trusts nobody but the user running the app.
namespace PeerCredentials {

using UserId = unsigned int;

UserId currentUser();
// The user of the process at the other end of a connected local socket, as the kernel recorded it
// when that process connected or started listening.
std::optional<UserId> peerUser(qintptr socketDescriptor);
bool peerIs(qintptr socketDescriptor, UserId expected);

// An existing directory, not a symbolic link, owned by `owner`, with no access for group or others.
bool isPrivateDirectory(const QString& path, UserId owner);
// Creates `path` owner-only when it is missing; true when it then is private to `owner`. An existing
// directory is never changed.
bool makePrivateDirectory(const QString& path, UserId owner);

} // namespace PeerCredentials
} // namespace tindrel

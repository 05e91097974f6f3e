#include "TindrelAI/model/LoopbackSocket.h"

#include "TindrelAI/model/LoopbackEndpoint.h"

#include <sys/socket.h>

namespace tindrel {

curl_socket_t openLoopbackSocket(void*, curlsocktype purpose, curl_sockaddr* address) {
    if (purpose != CURLSOCKTYPE_IPCXN || !isLoopbackSocketAddress(&address->addr, address->addrlen))
        return CURL_SOCKET_BAD;
    return ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
}

} // namespace tindrel

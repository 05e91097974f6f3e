#pragma once

#include <curl/curl.h>

namespace tindrel {

// curl's socket opener for every model exchange, and the last word on where a connection goes:
// whatever the URL, a resolver or a bug upstream say, a socket towards anything but a loopback
// address is never opened (curl then reports that it could not connect).
curl_socket_t openLoopbackSocket(void* unused, curlsocktype purpose, curl_sockaddr* address);

} // namespace tindrel

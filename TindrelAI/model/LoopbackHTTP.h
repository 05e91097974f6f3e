#pragma once

#include "TindrelAI/Cancellation.h"
#include "TindrelAI/model/LoopbackEndpoint.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace tindrel {

struct HttpCall {
    std::string path;                // below the endpoint's base path
    std::optional<std::string> json; // POSTed when present; a GET otherwise
    std::chrono::milliseconds connectTimeout;
    std::chrono::milliseconds timeout; // for the whole exchange
    std::size_t maxResponseBytes;
};

struct HttpResponse {
    enum class Outcome {
        completed,   // an HTTP status and body arrived
        unreachable, // no connection could be made in time
        failed,      // anything else: dropped, timed out, too large, not HTTP, cancelled
    };
    Outcome outcome = Outcome::failed;
    long status = 0;
    std::string body;

    // 2xx only: redirects are not followed, so a 3xx is a failure like any other status.
    bool isSuccess() const { return outcome == Outcome::completed && status >= 200 && status < 300; }
};

namespace LoopbackHTTP {

// One exchange with a loopback endpoint over a fresh connection: no proxy, no redirect, no cookies,
// http(s) only, and a socket is opened only towards a loopback address whatever the name resolves to.
// A set cancellation ends the exchange within a few tens of milliseconds.
HttpResponse send(const ModelEndpoint& endpoint, const HttpCall& call, const Cancellation& cancellation);

} // namespace LoopbackHTTP
} // namespace tindrel

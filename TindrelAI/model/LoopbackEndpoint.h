#pragma once

#include "TindrelAI/model/ModelUnavailability.h"

#include <optional>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <variant>
#include <vector>

namespace tindrel {

// The two chat APIs local model servers speak.
enum class ModelAPI {
    unknown, // decided by asking the server
    ollama,  // /api/tags and /api/chat
    openAI,  // /v1/models and /v1/chat/completions (llama-server, LM Studio, LocalAI, vLLM)
};

// What a server must first show of itself before it is asked for its models. A port that model
// servers use by default may just as well hold a developer's own service or a proxy to a hosted API,
// so a server found there is taken only when it answers a request that only that server answers.
enum class ServerIdentity {
    named,       // the person named this address: taken at its word
    ollama,      // GET /api/version answers with Ollama's version object
    llamaServer, // GET /props answers with llama.cpp's server properties
};

// A model server on this machine: parseEndpoint builds one only for a loopback address or a name
// that maps only to loopback addresses.
struct ModelEndpoint {
    std::string scheme; // "http" or "https"
    std::string host;   // lower case; an IPv6 literal keeps its brackets
    int port = 0;
    std::string basePath;               // "" or "/…" without a trailing "/"
    std::vector<std::string> addresses; // the loopback addresses the host stands for
    ModelAPI api = ModelAPI::unknown;
    ServerIdentity identity = ServerIdentity::named;

    std::string url(std::string_view path) const;
};

using EndpointOrReason = std::variant<ModelEndpoint, ModelUnavailability>;

// Reads "[scheme://]host[:port][/path]"; without a port, defaultPort or the scheme's own. Anything but a
// loopback host answers nonLocalEndpoint without a lookup: names are taken only from the hosts file, so not
// even a DNS query leaves.
EndpointOrReason parseEndpoint(std::string_view text, std::optional<int> defaultPort = std::nullopt);

// The addresses `name` has in a hosts file's text (case-insensitive), in file order.
std::vector<std::string> hostsFileAddresses(std::string_view hostsText, std::string_view name);

// A textual IPv4 or IPv6 address in 127.0.0.0/8, ::1 or ::ffff:127.0.0.0/104.
bool isLoopbackLiteral(std::string_view address);
// The same for a socket address; the last check before any connection is opened.
bool isLoopbackSocketAddress(const sockaddr* address, socklen_t length);

} // namespace tindrel

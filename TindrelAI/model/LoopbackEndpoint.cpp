#include "TindrelAI/model/LoopbackEndpoint.h"

#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <arpa/inet.h>
#include <charconv>
#include <fstream>
#include <netinet/in.h>

namespace tindrel {
namespace {

constexpr std::string_view hostsFilePath = "/etc/hosts";
constexpr std::size_t hostsFileLimit = 1 << 20;

std::string lowerASCII(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

bool isAlphanumeric(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isPathCharacter(char c) {
    return isAlphanumeric(c) || c == '-' || c == '.' || c == '_' || c == '~' || c == '/' || c == '%';
}

bool isHostName(std::string_view name) {
    return !name.empty() && name.size() <= 253 && std::all_of(name.begin(), name.end(), [](char c) {
        return isAlphanumeric(c) || c == '-' || c == '.';
    });
}

bool isLoopbackIPv6(const in6_addr& address) {
    return IN6_IS_ADDR_LOOPBACK(&address) || (IN6_IS_ADDR_V4MAPPED(&address) && address.s6_addr[12] == 127);
}

std::optional<int> parsePort(std::string_view digits) {
    int port = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    if (port < 1 || port > 65535) return std::nullopt;
    return port;
}

std::string readHostsFile() {
    std::ifstream file{std::string(hostsFilePath), std::ios::binary};
    std::string text(hostsFileLimit, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    return text;
}

// The loopback addresses a host stands for, or why it is refused.
std::variant<std::vector<std::string>, ModelUnavailability> hostAddresses(std::string_view host) {
    if (host.starts_with('[')) {
        std::string inner(host.substr(1, host.size() - 2));
        in6_addr address{};
        if (inet_pton(AF_INET6, inner.c_str(), &address) != 1) return ModelUnavailability::invalidEndpoint;
        if (!isLoopbackIPv6(address)) return ModelUnavailability::nonLocalEndpoint;
        return std::vector<std::string>{inner};
    }
    std::string literal(host);
    in_addr v4{};
    if (inet_pton(AF_INET, literal.c_str(), &v4) == 1) {
        if (!isLoopbackLiteral(literal)) return ModelUnavailability::nonLocalEndpoint;
        return std::vector<std::string>{literal};
    }
    if (!isHostName(host)) return ModelUnavailability::invalidEndpoint;
    if (host == "localhost" || host.ends_with(".localhost"))
        return std::vector<std::string>{"127.0.0.1", "::1"};
    std::vector<std::string> addresses = hostsFileAddresses(readHostsFile(), host);
    if (addresses.empty() || !std::all_of(addresses.begin(), addresses.end(), isLoopbackLiteral))
        return ModelUnavailability::nonLocalEndpoint;
    return addresses;
}

// Splits "host[:port]" and "[v6][:port]".
bool splitAuthority(std::string_view authority, std::string_view& host, std::string_view& port) {
    if (authority.starts_with('[')) {
        std::size_t close = authority.find(']');
        if (close == std::string_view::npos) return false;
        host = authority.substr(0, close + 1);
        std::string_view after = authority.substr(close + 1);
        if (!after.empty() && !after.starts_with(':')) return false;
        port = after.empty() ? after : after.substr(1);
        return after.empty() || !port.empty();
    }
    std::size_t colon = authority.rfind(':');
    host = authority.substr(0, colon);
    port = colon == std::string_view::npos ? std::string_view() : authority.substr(colon + 1);
    return colon == std::string_view::npos || !port.empty();
}

} // namespace

std::string ModelEndpoint::url(std::string_view path) const {
    return scheme + "://" + host + ":" + std::to_string(port) + basePath + std::string(path);
}

EndpointOrReason parseEndpoint(std::string_view text, std::optional<int> defaultPort) {
    if (!Text::isValidUTF8(text)) return ModelUnavailability::invalidEndpoint;
    text = Text::trim(text);
    if (!Text::isASCII(text)) return ModelUnavailability::invalidEndpoint;
    ModelEndpoint endpoint;
    endpoint.scheme = "http";
    std::size_t schemeEnd = text.find("://");
    if (schemeEnd != std::string_view::npos) {
        endpoint.scheme = lowerASCII(text.substr(0, schemeEnd));
        text.remove_prefix(schemeEnd + 3);
    }
    if (endpoint.scheme != "http" && endpoint.scheme != "https") return ModelUnavailability::invalidEndpoint;
    std::size_t pathStart = std::min(text.find('/'), text.size());
    std::string_view authority = text.substr(0, pathStart);
    std::string_view path = text.substr(pathStart);
    // Credentials, queries and fragments have no place in a model server's address; refusing them (the
    // host and path checks do) rules out "127.0.0.1@elsewhere" confusion about which host is meant.
    if (!std::all_of(path.begin(), path.end(), isPathCharacter)) return ModelUnavailability::invalidEndpoint;
    std::string_view host, port;
    if (!splitAuthority(authority, host, port) || host.empty()) return ModelUnavailability::invalidEndpoint;
    std::optional<int> portNumber = port.empty() ? defaultPort : parsePort(port);
    if (port.empty() && !portNumber) portNumber = endpoint.scheme == "https" ? 443 : 80;
    if (!portNumber) return ModelUnavailability::invalidEndpoint;
    endpoint.host = lowerASCII(host);
    auto addresses = hostAddresses(endpoint.host);
    if (auto* reason = std::get_if<ModelUnavailability>(&addresses)) return *reason;
    endpoint.addresses = std::get<std::vector<std::string>>(std::move(addresses));
    endpoint.port = *portNumber;
    while (path.ends_with('/'))
        path.remove_suffix(1);
    endpoint.basePath = path;
    return endpoint;
}

std::vector<std::string> hostsFileAddresses(std::string_view hostsText, std::string_view name) {
    std::vector<std::string> addresses;
    std::string wanted = lowerASCII(name);
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!hostsText.empty()) {
        std::size_t end = std::min(hostsText.find('\n'), hostsText.size());
        std::string_view line = hostsText.substr(0, std::min(end, hostsText.find('#')));
        hostsText.remove_prefix(std::min(end + 1, hostsText.size()));
        std::vector<std::string_view> fields;
        for (std::size_t i = 0; i < line.size();) {
            while (i < line.size() && isSpace(line[i]))
                ++i;
            std::size_t start = i;
            while (i < line.size() && !isSpace(line[i]))
                ++i;
            if (i > start) fields.push_back(line.substr(start, i - start));
        }
        bool named =
            fields.size() > 1 && std::any_of(fields.begin() + 1, fields.end(),
                                             [&](std::string_view f) { return lowerASCII(f) == wanted; });
        if (named && std::find(addresses.begin(), addresses.end(), fields[0]) == addresses.end())
            addresses.emplace_back(fields[0]);
    }
    return addresses;
}

bool isLoopbackLiteral(std::string_view address) {
    std::string text(address);
    in_addr v4{};
    if (inet_pton(AF_INET, text.c_str(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    return inet_pton(AF_INET6, text.c_str(), &v6) == 1 && isLoopbackIPv6(v6);
}

bool isLoopbackSocketAddress(const sockaddr* address, socklen_t length) {
    if (address == nullptr) return false;
    if (address->sa_family == AF_INET && length >= static_cast<socklen_t>(sizeof(sockaddr_in))) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(address);
        return (ntohl(v4->sin_addr.s_addr) >> 24) == 127;
    }
    if (address->sa_family == AF_INET6 && length >= static_cast<socklen_t>(sizeof(sockaddr_in6)))
        return isLoopbackIPv6(reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr);
    return false;
}

} // namespace tindrel

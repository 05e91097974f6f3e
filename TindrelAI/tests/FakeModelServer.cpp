#include "FakeModelServer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace tindrel::testing {
namespace {

constexpr int pollMilliseconds = 20;
constexpr auto readDeadline = std::chrono::seconds(5);

int bindLoopback(int& port) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 16) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot listen on 127.0.0.1");
    port = ntohs(address.sin_port);
    return fd;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Reads one request: the head up to the blank line, then Content-Length bytes of body.
bool readRequest(int fd, RecordedRequest& request) {
    std::string data;
    std::size_t headEnd = std::string::npos;
    std::size_t wanted = std::string::npos;
    auto deadline = std::chrono::steady_clock::now() + readDeadline;
    while (data.size() < wanted && std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, pollMilliseconds) <= 0) continue;
        char buffer[8192];
        ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) return false;
        data.append(buffer, static_cast<std::size_t>(n));
        if (headEnd != std::string::npos || (headEnd = data.find("\r\n\r\n")) == std::string::npos) continue;
        std::size_t lineEnd = data.find("\r\n");
        std::string requestLine = data.substr(0, lineEnd);
        request.method = requestLine.substr(0, requestLine.find(' '));
        std::size_t pathStart = request.method.size() + 1;
        request.path = requestLine.substr(pathStart, requestLine.find(' ', pathStart) - pathStart);
        for (std::size_t at = lineEnd + 2; at < headEnd;) {
            std::size_t end = data.find("\r\n", at);
            std::string line = data.substr(at, end - at);
            std::size_t colon = line.find(':');
            std::size_t valueStart = line.find_first_not_of(' ', colon + 1);
            request.headers[lower(line.substr(0, colon))] =
                valueStart == std::string::npos ? "" : line.substr(valueStart);
            at = end + 2;
        }
        std::size_t bodyLength =
            request.headers.contains("content-length") ? std::stoul(request.headers["content-length"]) : 0;
        wanted = headEnd + 4 + bodyLength;
    }
    if (data.size() < wanted || wanted == std::string::npos) return false;
    request.body = data.substr(headEnd + 4);
    return true;
}

void writeAll(int fd, const std::string& data) {
    std::size_t sent = 0;
    while (sent < data.size()) {
        ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

std::string httpReply(const CannedReply& reply) {
    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " Canned\r\n";
    head += "Content-Type: application/json\r\nConnection: close\r\n";
    if (!reply.location.empty()) head += "Location: " + reply.location + "\r\n";
    head += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n\r\n";
    return head + reply.body;
}

} // namespace

FakeModelServer::FakeModelServer(Handler handler)
    : handler_(std::move(handler)) {
    listener_ = bindLoopback(port_);
    thread_ = std::thread([this] { serve(); });
}

FakeModelServer::~FakeModelServer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stopped_.notify_all();
    thread_.join();
    ::close(listener_);
}

std::vector<RecordedRequest> FakeModelServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::size_t FakeModelServer::connections() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

bool FakeModelServer::waitOrStop(std::chrono::milliseconds delay) {
    std::unique_lock lock(mutex_);
    return !stopped_.wait_for(lock, delay, [this] { return stopping_; });
}

void FakeModelServer::serve() {
    while (waitOrStop(std::chrono::milliseconds(0))) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, pollMilliseconds) <= 0) continue;
        int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) continue;
        {
            std::lock_guard lock(mutex_);
            ++connections_;
        }
        answer(connection);
        ::close(connection);
    }
}

void FakeModelServer::answer(int connection) {
    RecordedRequest request;
    if (!readRequest(connection, request)) return;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
    }
    CannedReply reply = handler_(request);
    if (!waitOrStop(reply.delay) || reply.drop) return;
    writeAll(connection, httpReply(reply));
}

int closedPort() {
    int port = 0;
    ::close(bindLoopback(port));
    return port;
}

} // namespace tindrel::testing

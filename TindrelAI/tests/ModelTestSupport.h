#pragma once

#include "TindrelAI/model/LoopbackEndpoint.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <fstream>
#include <map>
#include <mutex>
#include <netinet/in.h>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tindrel::testing {

using nlohmann::json;

// The bytes of TindrelAI/tests/data/<name>, found through TINDREL_SOURCE_DIR, and the same read as JSON.
inline std::string testText(const std::string& name) {
    const char* root = std::getenv("TINDREL_SOURCE_DIR"); // set by ctest
    std::ifstream file(std::string(root ? root : ".") + "/TindrelAI/tests/data/" + name, std::ios::binary);
    if (!file) throw std::runtime_error("no test data " + name + ": is TINDREL_SOURCE_DIR the source root?");
    return std::string(std::istreambuf_iterator<char>(file), {});
}

inline json testJSON(const std::string& name) {
    return json::parse(testText(name));
}

// A JSON string as text, null as none.
inline std::optional<std::string> nullable(const json& value) {
    return value.is_null() ? std::nullopt : std::optional(value.get<std::string>());
}

// Sets (or, given nothing, removes) environment variables and restores them when destroyed.
class ScopedEnvironment {
public:
    using Values = std::vector<std::pair<const char*, std::optional<std::string>>>;

    explicit ScopedEnvironment(const Values& values) {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name);
            saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
            set(name, value);
        }
    }
    ~ScopedEnvironment() {
        std::for_each(saved_.rbegin(), saved_.rend(),
                      [](const auto& saved) { set(saved.first, saved.second); });
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    static void set(const char* name, const std::optional<std::string>& value) {
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    Values saved_;
};

// Points the model settings at a test server, so no test ever reaches a model server that a
// developer runs on this machine.
inline ScopedEnvironment::Values modelAt(const std::string& url, std::optional<std::string> model = {}) {
    return {{"TINDREL_MODEL_URL", url}, {"TINDREL_MODEL", std::move(model)}, {"OLLAMA_HOST", std::nullopt}};
}

struct RecordedRequest {
    std::string method, path, head, body; // the head with its request line and every header line
    std::string line() const { return method + " " + path; }
};

struct CannedReply {
    int status;
    std::string body;
    std::chrono::milliseconds delay; // before answering
    std::string location;            // a Location header, for redirects
    bool drop = false;               // close the connection without a word

    CannedReply(int status_ = 200, std::string body_ = {}, std::chrono::milliseconds delay_ = {},
                std::string location_ = {})
        : status(status_)
        , body(std::move(body_))
        , delay(delay_)
        , location(std::move(location_)) {}

    std::string http() const {
        std::string head = "HTTP/1.1 " + std::to_string(status) + " Canned\r\nConnection: close\r\n";
        if (!location.empty()) head += "Location: " + location + "\r\n";
        return head + "Content-Type: application/json\r\nContent-Length: " + std::to_string(body.size()) +
               "\r\n\r\n" + body;
    }
};

// What a test server answers: "METHOD /path" to its reply; anything else is not found.
using Routes = std::map<std::string, CannedReply>;

// A listening socket on 127.0.0.1 and an ephemeral port.
inline int listenOnLoopback(int& port) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t length = sizeof address;
    timeval acceptWait{0, 20'000}; // so that a stopping server notices soon
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 16) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &acceptWait, sizeof acceptWait) != 0)
        throw std::runtime_error("cannot listen on 127.0.0.1");
    port = ntohs(address.sin_port);
    return fd;
}

// A port on 127.0.0.1 that nothing listens on.
inline int closedPort() {
    int port = 0;
    ::close(listenOnLoopback(port));
    return port;
}

// A model server stand-in, serving one connection at a time from a thread of the test process. It
// records every request and stops when destroyed, cutting any delayed reply short.
class FakeModelServer {
public:
    explicit FakeModelServer(Routes routes)
        : routes_(std::move(routes))
        , listener_(listenOnLoopback(port_))
        , thread_([this] { serve(); }) {}
    ~FakeModelServer() {
        stopping_ = true;
        thread_.join();
        ::close(listener_);
    }

    int port() const { return port_; }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }
    std::vector<RecordedRequest> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (const RecordedRequest& request : requests())
            out.push_back(request.line());
        return out;
    }

private:
    void serve() {
        while (!stopping_) {
            int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0) continue;
            if (std::optional<RecordedRequest> request = read(connection)) {
                std::unique_lock lock(mutex_);
                requests_.push_back(*request);
                lock.unlock();
                auto route = routes_.find(request->line());
                CannedReply reply =
                    route == routes_.end() ? CannedReply{404, R"({"error":"none"})"} : route->second;
                std::string bytes = reply.http();
                if (waitOrStop(reply.delay) && !reply.drop)
                    ::send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            }
            ::close(connection);
        }
    }

    // Reads until `data` holds `size` bytes, or a whole head when `size` is npos; false when the peer is
    // gone.
    static bool receive(int fd, std::string& data, std::size_t size) {
        char buffer[8192];
        while (size == std::string::npos ? data.find("\r\n\r\n") == std::string::npos : data.size() < size) {
            ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0) return false;
            data.append(buffer, std::size_t(n));
        }
        return true;
    }

    static std::optional<RecordedRequest> read(int fd) {
        timeval deadline{5, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &deadline, sizeof deadline);
        std::string data;
        if (!receive(fd, data, std::string::npos)) return std::nullopt;
        RecordedRequest request;
        request.head = data.substr(0, data.find("\r\n\r\n") + 4);
        std::istringstream(request.head) >> request.method >> request.path;
        std::size_t length = request.head.find("\r\nContent-Length: ");
        std::size_t size = length == std::string::npos ? 0 : std::stoul(request.head.substr(length + 18));
        if (!receive(fd, data, request.head.size() + size)) return std::nullopt;
        request.body = data.substr(request.head.size());
        return request;
    }

    // Waits out `delay` unless the server stops first; false when it stops.
    bool waitOrStop(std::chrono::milliseconds delay) {
        for (auto end = std::chrono::steady_clock::now() + delay;
             !stopping_ && std::chrono::steady_clock::now() < end;)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return !stopping_;
    }

    Routes routes_;
    int port_ = 0;
    int listener_;
    mutable std::mutex mutex_;
    std::vector<RecordedRequest> requests_;
    std::atomic<bool> stopping_ = false;
    std::thread thread_;
};

inline std::string chatPath(ModelAPI api) {
    return api == ModelAPI::ollama ? "/api/chat" : "/v1/chat/completions";
}

// The model each server of modelServer lists first, unless told otherwise.
inline std::string firstModel(ModelAPI api) {
    return api == ModelAPI::ollama ? "llama3.2:latest" : "local-model.gguf";
}

inline std::string answerBody(ModelAPI api, const std::string& text) {
    json message = {{"role", "assistant"}, {"content", text}};
    if (api == ModelAPI::ollama) return json{{"message", message}, {"done", true}}.dump();
    return json{{"choices", json::array({{{"index", 0}, {"message", message}}})}}.dump();
}

// A server of one API: its model list (the usual one when none is given) and its reply to every chat.
inline Routes modelServer(ModelAPI api, CannedReply chat, std::string models = {}) {
    if (models.empty() && api == ModelAPI::ollama)
        models = R"({"models":[{"name":"llama3.2:latest","model":"llama3.2:latest"},{"name":"qwen3:4b"}]})";
    if (models.empty()) models = R"({"object":"list","data":[{"id":"local-model.gguf","object":"model"}]})";
    return {{api == ModelAPI::ollama ? "GET /api/tags" : "GET /v1/models", {200, models}},
            {"POST " + chatPath(api), std::move(chat)}};
}

inline Routes answering(ModelAPI api, const std::string& text) {
    return modelServer(api, {200, answerBody(api, text)});
}

// Some other program that speaks both model APIs, like a proxy to a hosted service: it lists models
// and answers chats, but has neither Ollama's version nor llama-server's properties to show.
inline Routes impostor(const std::string& text) {
    Routes routes = answering(ModelAPI::ollama, text);
    routes.merge(answering(ModelAPI::openAI, text));
    return routes;
}

} // namespace tindrel::testing

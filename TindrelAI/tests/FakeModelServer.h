#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tindrel::testing {

struct RecordedRequest {
    std::string method;
    std::string path;
    std::map<std::string, std::string> headers; // names in lower case
    std::string body;
};

struct CannedReply {
    int status;
    std::string body;
    std::chrono::milliseconds delay{0}; // before answering
    bool drop = false;                  // close the connection without a word
    std::string location;               // a Location header, for redirects

    CannedReply(int status_ = 200, std::string body_ = {})
        : status(status_)
        , body(std::move(body_)) {}
    static CannedReply slow(std::string body, std::chrono::milliseconds delay) {
        CannedReply reply(200, std::move(body));
        reply.delay = delay;
        return reply;
    }
    static CannedReply dropped() {
        CannedReply reply;
        reply.drop = true;
        return reply;
    }
    static CannedReply redirect(int status, std::string location) {
        CannedReply reply(status);
        reply.location = std::move(location);
        return reply;
    }
};

// A model server stand-in on 127.0.0.1 and an ephemeral port, serving one connection at a time
// from a thread of the test process. It records every request and stops when destroyed, cutting
// any delayed reply short.
class FakeModelServer {
public:
    using Handler = std::function<CannedReply(const RecordedRequest&)>;

    explicit FakeModelServer(Handler handler);
    ~FakeModelServer();
    FakeModelServer(const FakeModelServer&) = delete;
    FakeModelServer& operator=(const FakeModelServer&) = delete;

    int port() const { return port_; }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }
    std::vector<RecordedRequest> requests() const;
    // Every connection accepted, whether or not a request followed on it.
    std::size_t connections() const;

private:
    void serve();
    void answer(int connection);
    bool waitOrStop(std::chrono::milliseconds delay);

    Handler handler_;
    int listener_ = -1;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    bool stopping_ = false;
    std::vector<RecordedRequest> requests_;
    std::size_t connections_ = 0;
    std::thread thread_;
};

// A port on 127.0.0.1 that nothing listens on.
int closedPort();

} // namespace tindrel::testing

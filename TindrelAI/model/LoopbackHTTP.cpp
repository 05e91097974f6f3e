#include "TindrelAI/model/LoopbackHTTP.h"

#include "TindrelAI/model/LoopbackSocket.h"

#include <curl/curl.h>
#include <memory>

namespace tindrel::LoopbackHTTP {
namespace {

using Easy = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using Multi = std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)>;
using List = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

// How often a waiting exchange looks at its cancellation flag.
constexpr int pollMilliseconds = 25;

void initialiseOnce() {
    [[maybe_unused]] static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
}

struct Sink {
    std::string body;
    std::size_t limit;
};

std::size_t collect(char* data, std::size_t size, std::size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    std::size_t bytes = size * count;
    if (bytes > sink->limit - sink->body.size()) return 0; // a short count makes curl stop with an error
    sink->body.append(data, bytes);
    return bytes;
}

List append(List list, const std::string& line) {
    curl_slist* grown = curl_slist_append(list.get(), line.c_str());
    if (grown == nullptr) return list;
    (void)list.release();
    return List(grown, curl_slist_free_all);
}

// Pins a host name to its checked loopback addresses so curl never asks a resolver.
List resolveEntry(const ModelEndpoint& endpoint) {
    List list(nullptr, curl_slist_free_all);
    if (endpoint.host.starts_with('[') || isLoopbackLiteral(endpoint.host)) return list;
    std::string entry = endpoint.host + ":" + std::to_string(endpoint.port) + ":";
    for (std::size_t i = 0; i < endpoint.addresses.size(); ++i) {
        const std::string& address = endpoint.addresses[i];
        entry +=
            (i > 0 ? "," : "") + (address.find(':') != std::string::npos ? "[" + address + "]" : address);
    }
    return append(std::move(list), entry);
}

List headers(const HttpCall& call) {
    List list(nullptr, curl_slist_free_all);
    list = append(std::move(list), "Accept: application/json");
    list = append(std::move(list), "Expect:");
    if (call.json) list = append(std::move(list), "Content-Type: application/json");
    return list;
}

void configure(CURL* easy, const std::string& url, const HttpCall& call, Sink& sink) {
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, "tindrel/" TINDREL_VERSION);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(call.connectTimeout.count()));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(call.timeout.count()));
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(call.maxResponseBytes));
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, openLoopbackSocket);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &sink);
    if (call.json) {
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, call.json->data());
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(call.json->size()));
    }
}

// Drives the transfer in short slices so a cancellation is noticed promptly.
CURLcode perform(CURLM* multi, CURL* easy, const Cancellation& cancellation) {
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    if (curl_multi_add_handle(multi, easy) != CURLM_OK) return result;
    int running = 1;
    while (running > 0 && !cancellation.isCancelled()) {
        if (curl_multi_perform(multi, &running) != CURLM_OK) break;
        if (running > 0 && curl_multi_poll(multi, nullptr, 0, pollMilliseconds, nullptr) != CURLM_OK) break;
    }
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &queued))
        if (message->msg == CURLMSG_DONE && message->easy_handle == easy) result = message->data.result;
    curl_multi_remove_handle(multi, easy);
    return result;
}

HttpResponse response(CURLcode result, CURL* easy, Sink& sink) {
    HttpResponse out;
    if (result == CURLE_COULDNT_CONNECT || result == CURLE_COULDNT_RESOLVE_HOST) {
        out.outcome = HttpResponse::Outcome::unreachable;
        return out;
    }
    long connected = 0;
    curl_easy_getinfo(easy, CURLINFO_NUM_CONNECTS, &connected);
    if (result == CURLE_OPERATION_TIMEDOUT && connected == 0)
        out.outcome = HttpResponse::Outcome::unreachable;
    if (result != CURLE_OK) return out;
    out.outcome = HttpResponse::Outcome::completed;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &out.status);
    out.body = std::move(sink.body);
    return out;
}

} // namespace

HttpResponse send(const ModelEndpoint& endpoint, const HttpCall& call, const Cancellation& cancellation) {
    initialiseOnce();
    Easy easy(curl_easy_init(), curl_easy_cleanup);
    Multi multi(curl_multi_init(), curl_multi_cleanup);
    if (!easy || !multi) return {};
    std::string url = endpoint.url(call.path);
    Sink sink{{}, call.maxResponseBytes};
    List resolve = resolveEntry(endpoint);
    List headerList = headers(call);
    configure(easy.get(), url, call, sink);
    curl_easy_setopt(easy.get(), CURLOPT_RESOLVE, resolve.get());
    curl_easy_setopt(easy.get(), CURLOPT_HTTPHEADER, headerList.get());
    CURLcode result = perform(multi.get(), easy.get(), cancellation);
    return response(result, easy.get(), sink);
}

} // namespace tindrel::LoopbackHTTP

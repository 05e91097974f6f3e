#include "TindrelAI/model/LoopbackHTTP.h"

#include "TindrelAI/model/CurlLibrary.h"
#include "TindrelAI/model/LoopbackSocket.h"

#include <memory>

namespace tindrel::LoopbackHTTP {
namespace {

using Easy = std::unique_ptr<CURL, decltype(CurlLibrary::easyCleanup)>;
using Multi = std::unique_ptr<CURLM, decltype(CurlLibrary::multiCleanup)>;
using List = std::unique_ptr<curl_slist, decltype(CurlLibrary::slistFreeAll)>;

// How often a waiting exchange looks at its cancellation flag.
constexpr int pollMilliseconds = 25;

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

List append(const CurlLibrary& curl, List list, const std::string& line) {
    curl_slist* grown = curl.slistAppend(list.get(), line.c_str());
    if (grown == nullptr) return list;
    (void)list.release();
    return List(grown, curl.slistFreeAll);
}

// Pins a host name to its checked loopback addresses so curl never asks a resolver.
List resolveEntry(const CurlLibrary& curl, const ModelEndpoint& endpoint) {
    List list(nullptr, curl.slistFreeAll);
    if (endpoint.host.starts_with('[') || isLoopbackLiteral(endpoint.host)) return list;
    std::string entry = endpoint.host + ":" + std::to_string(endpoint.port) + ":";
    for (std::size_t i = 0; i < endpoint.addresses.size(); ++i) {
        const std::string& address = endpoint.addresses[i];
        entry +=
            (i > 0 ? "," : "") + (address.find(':') != std::string::npos ? "[" + address + "]" : address);
    }
    return append(curl, std::move(list), entry);
}

List headers(const CurlLibrary& curl, const HttpCall& call) {
    List list(nullptr, curl.slistFreeAll);
    list = append(curl, std::move(list), "Accept: application/json");
    list = append(curl, std::move(list), "Expect:");
    if (call.json) list = append(curl, std::move(list), "Content-Type: application/json");
    return list;
}

void configure(const CurlLibrary& curl, CURL* easy, const std::string& url, const HttpCall& call,
               Sink& sink) {
    curl.easySetopt(easy, CURLOPT_URL, url.c_str());
    curl.easySetopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl.easySetopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl.easySetopt(easy, CURLOPT_PROXY, "");
    curl.easySetopt(easy, CURLOPT_NOPROXY, "*");
    curl.easySetopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl.easySetopt(easy, CURLOPT_FORBID_REUSE, 1L);
    curl.easySetopt(easy, CURLOPT_USERAGENT, "tindrel/" TINDREL_VERSION);
    curl.easySetopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(call.connectTimeout.count()));
    curl.easySetopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(call.timeout.count()));
    curl.easySetopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(call.maxResponseBytes));
    curl.easySetopt(easy, CURLOPT_OPENSOCKETFUNCTION, openLoopbackSocket);
    curl.easySetopt(easy, CURLOPT_WRITEFUNCTION, collect);
    curl.easySetopt(easy, CURLOPT_WRITEDATA, &sink);
    if (call.json) {
        curl.easySetopt(easy, CURLOPT_POSTFIELDS, call.json->data());
        curl.easySetopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(call.json->size()));
    }
}

// Drives the transfer in short slices so a cancellation is noticed promptly.
CURLcode perform(const CurlLibrary& curl, CURLM* multi, CURL* easy, const Cancellation& cancellation) {
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    if (curl.multiAddHandle(multi, easy) != CURLM_OK) return result;
    int running = 1;
    while (running > 0 && !cancellation.isCancelled()) {
        if (curl.multiPerform(multi, &running) != CURLM_OK) break;
        if (running > 0 && curl.multiPoll(multi, nullptr, 0, pollMilliseconds, nullptr) != CURLM_OK) break;
    }
    int queued = 0;
    while (CURLMsg* message = curl.multiInfoRead(multi, &queued))
        if (message->msg == CURLMSG_DONE && message->easy_handle == easy) result = message->data.result;
    curl.multiRemoveHandle(multi, easy);
    return result;
}

HttpResponse response(const CurlLibrary& curl, CURLcode result, CURL* easy, Sink& sink) {
    HttpResponse out;
    if (result == CURLE_COULDNT_CONNECT || result == CURLE_COULDNT_RESOLVE_HOST) {
        out.outcome = HttpResponse::Outcome::unreachable;
        return out;
    }
    long connected = 0;
    curl.easyGetinfo(easy, CURLINFO_NUM_CONNECTS, &connected);
    if (result == CURLE_OPERATION_TIMEDOUT && connected == 0)
        out.outcome = HttpResponse::Outcome::unreachable;
    if (result != CURLE_OK) return out;
    out.outcome = HttpResponse::Outcome::completed;
    curl.easyGetinfo(easy, CURLINFO_RESPONSE_CODE, &out.status);
    out.body = std::move(sink.body);
    return out;
}

} // namespace

HttpResponse send(const ModelEndpoint& endpoint, const HttpCall& call, const Cancellation& cancellation) {
    // Without libcurl no server can be reached, which is what the caller is told.
    const CurlLibrary* curl = CurlLibrary::installed();
    if (curl == nullptr) return {HttpResponse::Outcome::unreachable, 0, {}};
    Easy easy(curl->easyInit(), curl->easyCleanup);
    Multi multi(curl->multiInit(), curl->multiCleanup);
    if (!easy || !multi) return {};
    std::string url = endpoint.url(call.path);
    Sink sink{{}, call.maxResponseBytes};
    List resolve = resolveEntry(*curl, endpoint);
    List headerList = headers(*curl, call);
    configure(*curl, easy.get(), url, call, sink);
    curl->easySetopt(easy.get(), CURLOPT_RESOLVE, resolve.get());
    curl->easySetopt(easy.get(), CURLOPT_HTTPHEADER, headerList.get());
    CURLcode result = perform(*curl, multi.get(), easy.get(), cancellation);
    return response(*curl, result, easy.get(), sink);
}

} // namespace tindrel::LoopbackHTTP

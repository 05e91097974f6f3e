#include "TindrelAI/model/LoopbackEndpoint.h"
#include "TindrelAI/model/ModelSettings.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>

using namespace tindrel;

namespace {

std::string describe(const EndpointOrReason& parsed) {
    if (const auto* reason = std::get_if<ModelUnavailability>(&parsed))
        return std::string(reasonName(*reason));
    const auto& endpoint = std::get<ModelEndpoint>(parsed);
    return endpoint.url("");
}

} // namespace

TEST(LoopbackEndpoint, AcceptsOnlyLoopbackHosts) {
    struct Case {
        std::string text, expected;
    } cases[] = {
        {"http://127.0.0.1:11434", "http://127.0.0.1:11434"},
        {"127.0.0.1:8080", "http://127.0.0.1:8080"},
        {"  http://127.9.8.7:1/  ", "http://127.9.8.7:1"},
        {"HTTP://LOCALHOST:8080/v1/", "http://localhost:8080/v1"},
        {"https://localhost", "https://localhost:443"},
        {"http://localhost", "http://localhost:80"},
        {"http://api.localhost:9", "http://api.localhost:9"},
        {"http://[::1]:8080", "http://[::1]:8080"},
        {"http://[::ffff:127.0.0.1]:8080", "http://[::ffff:127.0.0.1]:8080"},
        {"http://192.0.2.1:11434", "nonLocalEndpoint"},
        {"http://0.0.0.0:11434", "nonLocalEndpoint"},
        {"http://[2001:db8::1]:8080", "nonLocalEndpoint"},
        {"https://api.openai.com/v1", "nonLocalEndpoint"},
        {"http://example.invalid:11434", "nonLocalEndpoint"},
        {"http://127.1:8080", "nonLocalEndpoint"}, // shorthand forms are names, not addresses
        {"http://2130706433:8080", "nonLocalEndpoint"},
        {"http://localhost.example.com", "nonLocalEndpoint"},
        {"http://127.0.0.1@192.0.2.1/", "invalidEndpoint"},
        {"http://user:pw@127.0.0.1:8080", "invalidEndpoint"},
        {"http://127.0.0.1:8080?x=1", "invalidEndpoint"},
        {"http://127.0.0.1:8080/a?b", "invalidEndpoint"},
        {"http://127.0.0.1:0", "invalidEndpoint"},
        {"http://127.0.0.1:65536", "invalidEndpoint"},
        {"http://127.0.0.1:80x", "invalidEndpoint"},
        {"ftp://127.0.0.1", "invalidEndpoint"},
        {"http://[::1", "invalidEndpoint"},
        {"http://[::1]x", "invalidEndpoint"},
        {"", "invalidEndpoint"},
        {"http://loc\xC3\xA1lhost", "invalidEndpoint"},
        {"http://\xFF", "invalidEndpoint"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(describe(parseEndpoint(c.text)), c.expected) << c.text;
}

TEST(LoopbackEndpoint, KnowsTheAddressesToPinAndItsDefaultPort) {
    auto name = std::get<ModelEndpoint>(parseEndpoint("localhost"));
    EXPECT_EQ(name.addresses, (std::vector<std::string>{"127.0.0.1", "::1"}));
    auto literal = std::get<ModelEndpoint>(parseEndpoint("http://[::1]/base//", 11434));
    EXPECT_EQ(literal.addresses, std::vector<std::string>{"::1"});
    EXPECT_EQ(literal.port, 11434);
    EXPECT_EQ(literal.basePath, "/base");
    EXPECT_EQ(literal.url("/api/tags"), "http://[::1]:11434/base/api/tags");
}

TEST(LoopbackEndpoint, ReadsNamesFromHostsText) {
    std::string hosts = "127.0.0.1\tlocalhost\n"
                        "::1 localhost ip6-localhost\n"
                        "# 127.0.0.1 commented\n"
                        "127.0.1.1   Models.Home models  # the model box\n"
                        "192.168.1.9 models\n"
                        "10.0.0.1 remote\r\n"
                        "127.0.0.1 models\n"
                        "junk\n";
    struct Case {
        std::string name;
        std::vector<std::string> addresses;
    } cases[] = {
        {"localhost", {"127.0.0.1", "::1"}},
        {"models", {"127.0.1.1", "192.168.1.9", "127.0.0.1"}},
        {"MODELS.home", {"127.0.1.1"}},
        {"remote", {"10.0.0.1"}},
        {"commented", {}},
        {"junk", {}},
        {"absent", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hostsFileAddresses(hosts, c.name), c.addresses) << c.name;
}

TEST(LoopbackEndpoint, RecognisesLoopbackAddresses) {
    struct Case {
        std::string address;
        bool loopback;
    } cases[] = {
        {"127.0.0.1", true},
        {"127.255.255.254", true},
        {"::1", true},
        {"::ffff:127.0.0.2", true},
        {"128.0.0.1", false},
        {"126.255.255.255", false},
        {"0.0.0.0", false},
        {"::", false},
        {"::ffff:10.0.0.1", false},
        {"::2", false},
        {"localhost", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isLoopbackLiteral(c.address), c.loopback) << c.address;
        sockaddr_in v4{};
        sockaddr_in6 v6{};
        v4.sin_family = AF_INET;
        v6.sin6_family = AF_INET6;
        if (inet_pton(AF_INET, c.address.c_str(), &v4.sin_addr) == 1) {
            EXPECT_EQ(isLoopbackSocketAddress(reinterpret_cast<sockaddr*>(&v4), sizeof v4), c.loopback);
        } else if (inet_pton(AF_INET6, c.address.c_str(), &v6.sin6_addr) == 1) {
            EXPECT_EQ(isLoopbackSocketAddress(reinterpret_cast<sockaddr*>(&v6), sizeof v6), c.loopback);
        }
    }
    sockaddr_in truncated{};
    truncated.sin_family = AF_INET;
    truncated.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    EXPECT_FALSE(isLoopbackSocketAddress(reinterpret_cast<sockaddr*>(&truncated), 4));
    sockaddr unix{};
    unix.sa_family = AF_UNIX;
    EXPECT_FALSE(isLoopbackSocketAddress(&unix, sizeof unix));
}

TEST(ModelSettings, CandidatesFollowTheConfiguration) {
    auto urls = [](const ModelSettings& settings) {
        auto candidates = endpointCandidates(settings);
        std::vector<std::string> out;
        if (auto* reason = std::get_if<ModelUnavailability>(&candidates))
            return std::vector<std::string>{std::string(reasonName(*reason))};
        for (const ModelEndpoint& e : std::get<std::vector<ModelEndpoint>>(candidates))
            out.push_back(e.url("") +
                          (e.api == ModelAPI::ollama   ? " ollama"
                           : e.api == ModelAPI::openAI ? " openai"
                                                       : " ?") +
                          (e.identity == ServerIdentity::ollama        ? " shown by /api/version"
                           : e.identity == ServerIdentity::llamaServer ? " shown by /props"
                                                                       : ""));
        return out;
    };
    const std::vector<std::string> defaults = {"http://127.0.0.1:11434 ollama shown by /api/version",
                                               "http://127.0.0.1:8080 openai shown by /props",
                                               "http://127.0.0.1:9931 openai shown by /props"};
    auto settings = [](std::optional<std::string> url, std::optional<std::string> ollamaHost) {
        ModelSettings out;
        out.url = std::move(url);
        out.ollamaHost = std::move(ollamaHost);
        return out;
    };
    struct Case {
        ModelSettings settings;
        std::vector<std::string> expected;
    } cases[] = {
        {{}, defaults},
        {settings("http://127.0.0.1:5000", "0.0.0.0"), {"http://127.0.0.1:5000 ?"}},
        {settings("http://localhost:1234/v1", {}), {"http://localhost:1234/v1 openai"}},
        {settings("http://127.0.0.1:8080", {}), {"http://127.0.0.1:8080 ?"}},
        {settings("http://192.0.2.7:11434", {}), {"nonLocalEndpoint"}},
        {settings("not a url", {}), {"invalidEndpoint"}},
        {settings({}, "0.0.0.0"), defaults},
        {settings({}, "0.0.0.0:11500"),
         {"http://127.0.0.1:11500 ollama shown by /api/version", defaults[1], defaults[2]}},
        {settings({}, ":11600"),
         {"http://127.0.0.1:11600 ollama shown by /api/version", defaults[1], defaults[2]}},
        {settings({}, "http://[::]:11700"),
         {"http://[::1]:11700 ollama shown by /api/version", defaults[1], defaults[2]}},
        {settings({}, "localhost"),
         {"http://localhost:11434 ollama shown by /api/version", defaults[1], defaults[2]}},
        {settings({}, "https://ollama.example.com"), defaults},
        {settings({}, "192.0.2.1:11434"), defaults},
    };
    for (const Case& c : cases)
        EXPECT_EQ(urls(c.settings), c.expected)
            << c.settings.url.value_or("") << " " << c.settings.ollamaHost.value_or("");
}

TEST(ModelSettings, CloudModelNames) {
    struct Case {
        std::string name;
        bool cloud;
    } cases[] = {
        {"gpt-oss:120b-cloud", true},
        {"kimi-k2:1t-cloud", true},
        {"kimi-k2:1t-cloud:latest", true},
        {"x:cloud@sha256:4f5e", true},
        {"qwen3-coder:cloud", true},
        {"glm-4.6:CLOUD", true},
        {"deepseek-v3.1:671b_cloud", true},
        {"library/cloud:7b", true},
        {"cloud", true},
        {"my-cloud-model", true},
        {"llama3.2", false},
        {"cloudy:7b", false},
        {"llama-cloudy", false},
        {"soundcloud-tagger:latest", false},
        {"icloud:3b", false},
        {"clou-d", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isCloudModelName(c.name), c.cloud) << c.name;
}

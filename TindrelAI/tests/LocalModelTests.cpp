#include "ModelTestSupport.h"
#include "TindrelAI/ExplanationRequest.h"
#include "TindrelAI/FollowUp.h"
#include "TindrelAI/TemplateExplainer.h"
#include "TindrelAI/TindrelExplain.h"
#include "TindrelAI/model/FoundationModelExplainer.h"
#include "TindrelAI/model/LocalModel.h"
#include "TindrelCore/Tindrel.h"

#include <gtest/gtest.h>
#include <memory>

using namespace tindrel;
using namespace tindrel::testing;
using namespace std::chrono_literals;

namespace {

constexpr const char* sample = "eyJ1c2VyIjoiYWRhIn0=";

json expectedChat(ModelAPI api, std::string_view instructions, const std::string& prompt) {
    return json{{"model", firstModel(api)},
                {"stream", false},
                {"messages", json::array({{{"role", "system"}, {"content", std::string(instructions)}},
                                          {{"role", "user"}, {"content", prompt}}})}};
}

// Sets the process-wide configuration for one scope and hands the choice back to the environment after it.
struct ScopedConfiguration {
    ScopedConfiguration(std::optional<std::string> url, std::optional<std::string> model,
                        bool noModel = false) {
        ModelSettings::configure(std::move(url), std::move(model));
        ModelSettings::configureNoModel(noModel);
    }
    ~ScopedConfiguration() {
        ModelSettings::configure(std::nullopt, std::nullopt);
        ModelSettings::configureNoModel(false);
    }
};

} // namespace

TEST(LocalModel, FindsTheAPIAndHoldsFreshExchangesPastAnyProxy) {
    std::string proxy = "http://127.0.0.1:" + std::to_string(closedPort());
    ScopedEnvironment proxies({{"http_proxy", proxy}, {"ALL_PROXY", proxy}, {"no_proxy", std::nullopt}});
    struct Case {
        ModelAPI api;
        std::string suffix;
        std::vector<std::string> probes;
        std::chrono::milliseconds delay; // a generation may well take longer than a probe may
    } cases[] = {
        {ModelAPI::ollama, "", {"GET /api/tags"}, 500ms},
        {ModelAPI::openAI, "", {"GET /api/tags", "GET /v1/models"}, 0ms},
        {ModelAPI::openAI, "/v1", {"GET /v1/models"}, 0ms},
    };
    for (const Case& c : cases)
        for (const char* input : {sample, "just some words"}) {
            FakeModelServer server(
                modelServer(c.api, {200, answerBody(c.api, "\n  The model's own words.  \n"), c.delay}));
            ScopedEnvironment environment(modelAt(server.url() + c.suffix));
            DecodeChain chain = Tindrel::inspect(input);
            EXPECT_EQ(FoundationModelExplainer().explain(chain, {}), "The model's own words.") << input;
            for (const char* question : {"  when does it expire?\n", "who issued it?"})
                EXPECT_EQ(FoundationModelExplainer::answer(question, chain), "The model's own words.");

            std::string facts = ExplanationRequest::buildPrompt(chain);
            json chats[] = {
                expectedChat(c.api, ExplanationRequest::explanationInstructions(), facts),
                expectedChat(c.api, FollowUp::instructions(),
                             FollowUp::prompt("when does it expire?", facts)),
                expectedChat(c.api, FollowUp::instructions(), FollowUp::prompt("who issued it?", facts))};
            std::vector<std::string> expected;
            for (int exchange = 0; exchange < 3; ++exchange) {
                expected.insert(expected.end(), c.probes.begin(), c.probes.end());
                expected.push_back("POST " + chatPath(c.api));
            }
            // A server the person named is taken at its word: it is never asked what it is.
            ASSERT_EQ(server.lines(), expected) << c.suffix;
            std::vector<RecordedRequest> requests = server.requests();
            for (std::size_t i = 0; i < 3; ++i)
                EXPECT_EQ(json::parse(requests[(i + 1) * (c.probes.size() + 1) - 1].body), chats[i]) << i;
            for (const std::string& header :
                 {std::string("Content-Type: application/json"), "Host: " + server.url().substr(7)})
                EXPECT_NE(requests.back().head.find("\r\n" + header + "\r\n"), std::string::npos) << header;
        }
}

TEST(LocalModel, EveryFailedEmptyLateOrCancelledAnswerEndsInTheDeterministicText) {
    CannedReply dropped;
    dropped.drop = true;
    DecodeChain chain = Tindrel::inspect(sample);
    for (ModelAPI api : {ModelAPI::ollama, ModelAPI::openAI}) {
        struct Case {
            const char* name;
            CannedReply reply;
            std::chrono::milliseconds answerTimeout = ModelLimits{}.answerTimeout;
            bool cancel = false; // while the model generates
        } cases[] = {
            {"server error", {500, R"({"error":"out of memory"})"}},
            {"missing model", {404, R"({"error":"model 'llama3.2' not found"})"}},
            {"redirect", {307, "", {}, "/elsewhere"}},
            {"dropped connection", dropped},
            {"not json", {200, "<html>busy</html>"}},
            {"oversized answer", {200, answerBody(api, std::string(4090, 'x'))}},
            {"empty answer", {200, answerBody(api, "")}},
            {"blank answer", {200, answerBody(api, " \n\n\t ")}},
            {"answer of other blanks", {200, answerBody(api, "\u00A0\u2028")}},
            {"timed out", {200, answerBody(api, "late"), 30s}, 300ms},
            {"cancelled", {200, answerBody(api, "late"), 60s}, ModelLimits{}.answerTimeout, true},
        };
        for (const Case& c : cases) {
            FakeModelServer server(modelServer(api, c.reply));
            ScopedEnvironment environment(modelAt(server.url()));
            ModelLimits limits;
            limits.maxResponseBytes = 4096;
            limits.answerTimeout = c.answerTimeout;
            Cancellation cancellation;
            std::thread canceller([cancellation, cancel = c.cancel] {
                if (!cancel) return;
                std::this_thread::sleep_for(300ms);
                cancellation.cancel();
            });
            auto start = std::chrono::steady_clock::now();
            EXPECT_EQ(FoundationModelExplainer(limits).explain(chain, cancellation),
                      TemplateExplainer::explainSync(chain))
                << c.name;
            EXPECT_LT(std::chrono::steady_clock::now() - start, 10s) << c.name;
            canceller.join();
            EXPECT_EQ(FoundationModelExplainer::answer("why?", chain, cancellation, limits),
                      FollowUp::deterministicAnswer("", chain))
                << c.name;
            // The failure came from the chat itself, and a redirect was not followed.
            EXPECT_EQ(server.lines().back(), "POST " + chatPath(api)) << c.name;
        }
    }
}

TEST(ModelDiscovery, OnlyAServerThatShowsWhatItIsIsSentText) {
    constexpr const char* secret = "eyJzZWNyZXQiOiJkby1ub3Qtc2hhcmUifQ";
    auto showing = [](const char* path, const char* shown, Routes routes) {
        routes["GET " + std::string(path)] = {200,
                                              testJSON("model-protocol.json").at("servers").at(shown).dump()};
        return routes;
    };
    auto ollama = showing("/api/version", "ollamaVersion", answering(ModelAPI::ollama, "from ollama"));
    auto llama = [&](const char* props) {
        return showing("/props", props, answering(ModelAPI::openAI, "from llama"));
    };
    auto lookalike = showing("/props", "propsLookalike", impostor("from a lookalike"));
    struct Case {
        const char* name;
        std::vector<Routes> servers; // at Ollama's port, then llama-server's two
        std::optional<std::size_t> chosen;
        std::string answer;
    } cases[] = {
        {"other programs everywhere", {impostor("a"), impostor("b"), impostor("c")}, {}, ""},
        {"llama-server on Ollama's port", {llama("llamaProps"), impostor("b"), impostor("c")}, {}, ""},
        {"lookalike properties", {impostor("a"), lookalike, lookalike}, {}, ""},
        {"ollama", {ollama, llama("llamaProps"), impostor("c")}, 0, "from ollama"},
        {"llama-server", {impostor("a"), llama("llamaProps"), impostor("c")}, 1, "from llama"},
        {"older llama-server", {impostor("a"), llama("olderLlamaProps"), impostor("c")}, 1, "from llama"},
        {"llama-server router", {impostor("a"), lookalike, llama("routerLlamaProps")}, 2, "from llama"},
    };
    for (const Case& c : cases) {
        std::vector<std::unique_ptr<FakeModelServer>> servers;
        std::vector<ModelEndpoint> endpoints = std::get<std::vector<ModelEndpoint>>(endpointCandidates({}));
        for (std::size_t i = 0; i < c.servers.size(); ++i) {
            servers.push_back(std::make_unique<FakeModelServer>(c.servers[i]));
            endpoints[i].port = servers[i]->port();
        }
        ModelProbe found = LocalModel::probeEndpoints(endpoints, std::nullopt, {}, {});
        std::optional<std::string> answer;
        if (found.connection) answer = LocalModel::chat(*found.connection, "instructions", secret, {}, {});
        EXPECT_EQ(answer.value_or(""), c.answer) << c.name;
        for (std::size_t i = 0; i < servers.size(); ++i) {
            bool sawText = false;
            for (const RecordedRequest& request : servers[i]->requests())
                sawText |= request.method != "GET" || !request.body.empty() ||
                           request.path.find(secret) != std::string::npos;
            EXPECT_EQ(sawText, c.chosen == i) << c.name << ", server " << i;
        }
    }
}

TEST(TindrelExplain, SourceAndReasonSayWhoWritesTheTextAndNothingMoreIsAsked) {
    const ExplainerSource model = ExplainerSource::onDeviceAI, none = ExplainerSource::deterministic;
    const char* off = "modelTurnedOff";
    const std::string closed = "http://127.0.0.1:" + std::to_string(closedPort());
    Routes ollama = answering(ModelAPI::ollama, "AI"),
           redirecting = {{"GET /api/tags", {301, "", {}, "/v1/models"}}};
    Routes failing = modelServer(ModelAPI::ollama, {503, R"({"error":"loading"})"});
    Routes cloudOnly = modelServer(ModelAPI::ollama, {}, R"({"models":[{"name":"kimi-k2:1t-cloud"}]})");
    Routes forwarded = modelServer(ModelAPI::ollama, {}, R"({"models":[{"name":"big","remote_host":"x"}]})");
    Routes empty = modelServer(ModelAPI::openAI, {}, R"({"data":[]})");
    struct Case {
        const char* name;
        std::string url; // configured over the environment's test server; empty: none
        Routes server;
        std::optional<std::string> model, noModelVariable;
        bool noModelFlag;
        const char* reason; // why the model is unavailable; none when it is available
        ExplainerSource writer;
        std::size_t probes; // requests per availability check
    } cases[] = {
        {"a model answers", "", ollama, {}, {}, false, nullptr, model, 1},
        {"the chat fails", "", failing, {}, {}, false, nullptr, none, 1},
        {"TINDREL_NO_MODEL=0", "", ollama, {}, "0", false, nullptr, model, 1},
        {"TINDREL_NO_MODEL empty", "", ollama, {}, "", false, nullptr, model, 1},
        {"TINDREL_NO_MODEL=yes", "", ollama, {}, "yes", false, off, none, 0},
        {"--no-model", "", ollama, {}, {}, true, off, none, 0},
        {"--no-model, TINDREL_NO_MODEL=0", "", ollama, {}, "0", true, off, none, 0},
        {"cloud model configured", "", ollama, "gpt-oss:120b-cloud", {}, false, "nonLocalModel", none, 0},
        {"only cloud models listed", "", cloudOnly, {}, {}, false, "nonLocalModel", none, 1},
        {"forwarded model listed", "", forwarded, "big", {}, false, "nonLocalModel", none, 1},
        {"model not listed", "", ollama, "mistral", {}, false, "modelNotFound", none, 1},
        {"no model", "", empty, {}, {}, false, "noModelInstalled", none, 2},
        {"not a model server", "", {}, {}, {}, false, "unsupportedServer", none, 2},
        {"redirect not followed", "", redirecting, {}, {}, false, "unsupportedServer", none, 2},
        {"nothing listening", closed, {}, {}, {}, false, "serverUnreachable", none, 0},
        {"another machine", "http://[2001:db8::1]:8080", {}, {}, {}, false, "nonLocalEndpoint", none, 0},
        {"not http", "gopher://127.0.0.1", {}, {}, {}, false, "invalidEndpoint", none, 0},
    };
    DecodeChain chain = Tindrel::inspect(sample);
    for (const Case& c : cases) {
        FakeModelServer server(c.server);
        // The environment names the test server; configured values, as the app sets them, come before it.
        ScopedEnvironment::Values values = modelAt(server.url());
        values.emplace_back("TINDREL_NO_MODEL", c.noModelVariable);
        ScopedEnvironment environment(values);
        ScopedConfiguration configuration(c.url.empty() ? std::nullopt : std::optional(c.url), c.model,
                                          c.noModelFlag);
        bool byModel = c.writer == model;
        TindrelExplain::Explanation explanation{byModel ? "AI" : TemplateExplainer::explainSync(chain),
                                                c.writer};
        TindrelExplain::Explanation answer{byModel ? "AI" : FollowUp::deterministicAnswer("", chain),
                                           c.writer};

        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(FoundationModelExplainer::unavailabilityReason(),
                  c.reason ? std::optional(c.reason) : std::nullopt)
            << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << c.name;
        EXPECT_EQ(FoundationModelExplainer::isAvailable(), !c.reason) << c.name;
        EXPECT_EQ(TindrelExplain::currentSource(), c.reason ? none : model) << c.name;
        bool chosenModel =
            dynamic_cast<FoundationModelExplainer*>(TindrelExplain::bestExplainer().get()) != nullptr;
        EXPECT_EQ(chosenModel, !c.reason) << c.name;
        EXPECT_EQ(TindrelExplain::explainWithSource(chain), explanation) << c.name;
        EXPECT_EQ(TindrelExplain::explain(chain), explanation.text) << c.name;
        EXPECT_EQ(TindrelExplain::answerWithSource("is it safe?", chain), answer) << c.name;
        EXPECT_EQ(TindrelExplain::answer("is it safe?", chain), answer.text) << c.name;
        // Every call asks afresh; only a model that is available is ever sent a chat.
        EXPECT_EQ(server.requests().size(), 8 * c.probes + (c.reason ? 0 : 4)) << c.name;
    }
}

TEST(ModelSettings, ConfiguredValuesComeBeforeTheEnvironment) {
    using Text = std::optional<std::string>;
    struct Case {
        Text envURL, envModel, configuredURL, configuredModel, url, model;
    } cases[] = {
        {"http://127.0.0.1:1", "env-model", {}, {}, "http://127.0.0.1:1", "env-model"},
        {"http://127.0.0.1:1", "env-model", "http://127.0.0.1:2", {}, "http://127.0.0.1:2", "env-model"},
        {"http://127.0.0.1:1", "env-model", {}, "mine", "http://127.0.0.1:1", "mine"},
        {{}, {}, "http://localhost:3/v1", "mine", "http://localhost:3/v1", "mine"},
        // An emptied field hands the choice back to the environment.
        {"http://127.0.0.1:1", "env-model", "", "", "http://127.0.0.1:1", "env-model"},
    };
    for (const Case& c : cases) {
        ScopedEnvironment environment({{"TINDREL_MODEL_URL", c.envURL}, {"TINDREL_MODEL", c.envModel}});
        ScopedConfiguration configuration(c.configuredURL, c.configuredModel);
        EXPECT_EQ(ModelSettings::current().url, c.url) << c.configuredURL.value_or("-");
        EXPECT_EQ(ModelSettings::current().model, c.model) << c.configuredModel.value_or("-");
    }
}

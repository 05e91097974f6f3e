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
    const std::string closed = "http://127.0.0.1:" + std::to_string(closedPort());
    const std::map<std::string, Routes> servers = {
        {"ollama", answering(ModelAPI::ollama, "AI")},
        {"redirecting", {{"GET /api/tags", {301, "", {}, "/v1/models"}}}},
        {"failing", modelServer(ModelAPI::ollama, {503, R"({"error":"loading"})"})},
        {"cloudOnly", modelServer(ModelAPI::ollama, {}, R"({"models":[{"name":"kimi-k2:1t-cloud"}]})")},
        {"forwarded", modelServer(ModelAPI::ollama, {}, R"({"models":[{"name":"big","remote_host":"x"}]})")},
        {"empty", modelServer(ModelAPI::openAI, {}, R"({"data":[]})")},
        {"none", {}}};
    DecodeChain chain = Tindrel::inspect(sample);
    const json table = testJSON("model-choice.json").at("explainerCases").at("rows");
    for (const json& c : table) {
        const std::string name = c[0], url = c[1] == "closed" ? closed : c[1].get<std::string>();
        const std::optional<std::string> reason = nullable(c[6]);
        FakeModelServer server(servers.at(c[2]));
        // The environment names the test server; configured values, as the app sets them, come before it.
        ScopedEnvironment::Values values = modelAt(server.url());
        values.emplace_back("TINDREL_NO_MODEL", nullable(c[4]));
        ScopedEnvironment environment(values);
        ScopedConfiguration configuration(url.empty() ? std::nullopt : std::optional(url), nullable(c[3]),
                                          c[5].get<bool>());
        const bool byModel = c[7] == "model";
        const ExplainerSource writer = byModel ? model : none;
        TindrelExplain::Explanation explanation{byModel ? "AI" : TemplateExplainer::explainSync(chain),
                                                writer};
        TindrelExplain::Explanation answer{byModel ? "AI" : FollowUp::deterministicAnswer("", chain), writer};

        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(FoundationModelExplainer::unavailabilityReason(), reason) << name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << name;
        EXPECT_EQ(FoundationModelExplainer::isAvailable(), !reason) << name;
        EXPECT_EQ(TindrelExplain::currentSource(), reason ? none : model) << name;
        bool chosenModel =
            dynamic_cast<FoundationModelExplainer*>(TindrelExplain::bestExplainer().get()) != nullptr;
        EXPECT_EQ(chosenModel, !reason) << name;
        EXPECT_EQ(TindrelExplain::explainWithSource(chain), explanation) << name;
        EXPECT_EQ(TindrelExplain::explain(chain), explanation.text) << name;
        EXPECT_EQ(TindrelExplain::answerWithSource("is it safe?", chain), answer) << name;
        EXPECT_EQ(TindrelExplain::answer("is it safe?", chain), answer.text) << name;
        // Every call asks afresh; only a model that is available is ever sent a chat.
        EXPECT_EQ(server.requests().size(), 8 * c[8].get<std::size_t>() + (reason ? 0 : 4)) << name;
    }
}

TEST(ModelSettings, ConfiguredValuesComeBeforeTheEnvironment) {
    const json table = testJSON("model-choice.json").at("configuredOverEnvironment").at("rows");
    for (const json& c : table) {
        ScopedEnvironment environment(
            {{"TINDREL_MODEL_URL", nullable(c[0])}, {"TINDREL_MODEL", nullable(c[1])}});
        ScopedConfiguration configuration(nullable(c[2]), nullable(c[3]));
        EXPECT_EQ(std::tuple(ModelSettings::current().url, ModelSettings::current().model),
                  std::tuple(nullable(c[4]), nullable(c[5])))
            << c;
    }
}

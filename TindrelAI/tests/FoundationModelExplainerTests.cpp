#include "ChainBuilders.h"
#include "FakeModelServer.h"
#include "ModelEnvironment.h"
#include "ModelScripts.h"
#include "TindrelAI/ExplanationRequest.h"
#include "TindrelAI/FollowUp.h"
#include "TindrelAI/TemplateExplainer.h"
#include "TindrelAI/model/FoundationModelExplainer.h"
#include "TindrelCore/Tindrel.h"

#include <gtest/gtest.h>

using namespace tindrel;
using namespace tindrel::testing;
using namespace std::chrono_literals;
using nlohmann::json;

namespace {

constexpr ModelAPI bothAPIs[] = {ModelAPI::ollama, ModelAPI::openAI};

DecodeChain sampleChain() {
    return Tindrel::inspect("eyJ1c2VyIjoiYWRhIn0=");
}

json expectedChat(ModelAPI api, std::string_view instructions, const std::string& prompt) {
    return json{{"model", firstModel(api)},
                {"stream", false},
                {"messages", json::array({{{"role", "system"}, {"content", std::string(instructions)}},
                                          {{"role", "user"}, {"content", prompt}}})}};
}

std::vector<std::string> paths(const FakeModelServer& server) {
    std::vector<std::string> out;
    for (const RecordedRequest& request : server.requests())
        out.push_back(request.method + " " + request.path);
    return out;
}

const char* apiName(ModelAPI api) {
    return api == ModelAPI::ollama ? "ollama" : "openai";
}

} // namespace

TEST(FoundationModelExplainer, ExplainsThroughEitherAPIWithTheExactRequest) {
    for (ModelAPI api : bothAPIs) {
        FakeModelServer server(answering(api, "\n  The model's own words.  \n"));
        ModelEnvironment environment(server.url());
        DecodeChain chain = sampleChain();
        EXPECT_TRUE(FoundationModelExplainer::isAvailable()) << apiName(api);
        EXPECT_EQ(FoundationModelExplainer::unavailabilityReason(), std::nullopt);
        EXPECT_EQ(FoundationModelExplainer().explain(chain, {}), "The model's own words.") << apiName(api);

        std::vector<RecordedRequest> requests = server.requests();
        ASSERT_FALSE(requests.empty());
        const RecordedRequest& chat = requests.back();
        EXPECT_EQ(chat.method + " " + chat.path, "POST " + chatPath(api));
        EXPECT_EQ(json::parse(chat.body), expectedChat(api, ExplanationRequest::explanationInstructions(),
                                                       ExplanationRequest::buildPrompt(chain)));
        EXPECT_EQ(chat.headers.at("content-type"), "application/json");
        EXPECT_EQ(chat.headers.at("host"), "127.0.0.1:" + std::to_string(server.port()));
    }
}

TEST(FoundationModelExplainer, ProxyVariablesCannotDivertTheExchange) {
    std::string proxy = "http://127.0.0.1:" + std::to_string(closedPort());
    ScopedVariable httpProxy("http_proxy", proxy), allProxy("ALL_PROXY", proxy),
        noProxy("no_proxy", std::nullopt);
    FakeModelServer server(answering(ModelAPI::ollama, "Straight to the model."));
    ModelEnvironment environment(server.url());
    EXPECT_EQ(FoundationModelExplainer().explain(sampleChain(), {}), "Straight to the model.");
    EXPECT_EQ(server.requests().size(), 2u);
}

TEST(FoundationModelExplainer, FindsTheAPIByAskingForModels) {
    std::string get = "GET ";
    struct Case {
        ModelAPI api;
        std::string suffix;
        std::vector<std::string> expected;
    } cases[] = {
        {ModelAPI::ollama, "", {get + "/api/tags", "POST /api/chat"}},
        {ModelAPI::openAI, "", {get + "/api/tags", get + "/v1/models", "POST /v1/chat/completions"}},
        {ModelAPI::openAI, "/v1", {get + "/v1/models", "POST /v1/chat/completions"}},
    };
    for (const Case& c : cases) {
        FakeModelServer server(answering(c.api, "ok"));
        ModelEnvironment environment(server.url() + c.suffix);
        EXPECT_EQ(FoundationModelExplainer().explain(sampleChain(), {}), "ok");
        EXPECT_EQ(paths(server), c.expected) << apiName(c.api) << c.suffix;
    }
}

TEST(FoundationModelExplainer, EveryFailedAnswerEndsInTheDeterministicText) {
    std::string large(8192, 'x');
    struct Case {
        const char* name;
        CannedReply reply;
    } cases[] = {
        {"server error", {500, R"({"error":"out of memory"})"}},
        {"missing model", {404, R"({"error":"model 'llama3.2' not found"})"}},
        {"redirect", CannedReply::redirect(307, "/elsewhere")},
        {"dropped connection", CannedReply::dropped()},
        {"not json", {200, "<html>busy</html>"}},
        {"oversized answer", {200, "\"" + large + "\""}},
    };
    DecodeChain chain = sampleChain();
    ModelLimits limits;
    limits.maxResponseBytes = 4096;
    for (ModelAPI api : bothAPIs)
        for (const Case& c : cases) {
            FakeModelServer server(modelServer(api, c.reply));
            ModelEnvironment environment(server.url());
            EXPECT_EQ(FoundationModelExplainer(limits).explain(chain, {}),
                      TemplateExplainer::explainSync(chain))
                << apiName(api) << ": " << c.name;
            EXPECT_EQ(FoundationModelExplainer::answer("why?", chain, {}, limits),
                      FollowUp::deterministicAnswer("why?", chain))
                << apiName(api) << ": " << c.name;
            for (const std::string& path : paths(server))
                EXPECT_EQ(path.find("/elsewhere"), std::string::npos) << "redirect was followed";
        }
}

TEST(FoundationModelExplainer, EmptyOrBlankAnswersEndInTheDeterministicText) {
    DecodeChain chain = sampleChain();
    for (ModelAPI api : bothAPIs)
        for (std::string text : {"", " \n\n\t ", "\u00A0\u2028"}) {
            FakeModelServer server(answering(api, text));
            ModelEnvironment environment(server.url());
            EXPECT_EQ(FoundationModelExplainer().explain(chain, {}), TemplateExplainer::explainSync(chain));
            EXPECT_EQ(FoundationModelExplainer::answer("q", chain),
                      FollowUp::deterministicAnswer("q", chain));
        }
}

TEST(FoundationModelExplainer, SlowAnswerTimesOut) {
    FakeModelServer server(
        modelServer(ModelAPI::ollama, CannedReply::slow(answerBody(ModelAPI::ollama, "late"), 30s)));
    ModelEnvironment environment(server.url());
    ModelLimits limits;
    limits.answerTimeout = 300ms;
    DecodeChain chain = sampleChain();
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(FoundationModelExplainer(limits).explain(chain, {}), TemplateExplainer::explainSync(chain));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

TEST(FoundationModelExplainer, CancellationEndsASlowAnswer) {
    FakeModelServer server(
        modelServer(ModelAPI::openAI, CannedReply::slow(answerBody(ModelAPI::openAI, "late"), 60s)));
    ModelEnvironment environment(server.url() + "/v1");
    DecodeChain chain = sampleChain();
    Cancellation cancellation;
    std::thread canceller([cancellation] {
        std::this_thread::sleep_for(300ms);
        cancellation.cancel();
    });
    auto start = std::chrono::steady_clock::now();
    std::string text = FoundationModelExplainer().explain(chain, cancellation);
    canceller.join();
    EXPECT_EQ(text, TemplateExplainer::explainSync(chain));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    std::vector<std::string> seen = paths(server);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), "POST /v1/chat/completions"); // cancelled while the model was generating
}

TEST(FoundationModelExplainer, ReportsWhyTheModelIsUnavailable) {
    auto notFound = [](const RecordedRequest&) { return CannedReply{404, "{}"}; };
    auto redirecting = [](const RecordedRequest& request) {
        return request.path == "/api/tags" ? CannedReply::redirect(301, "/v1/models") : CannedReply{404, ""};
    };
    struct Case {
        const char* name;
        FakeModelServer::Handler handler;
        std::optional<std::string> model;
        std::string reason;
        std::size_t requests;
    } cases[] = {
        {"cloud model configured", answering(ModelAPI::ollama, "x"), "gpt-oss:120b-cloud", "nonLocalModel",
         0},
        {"only cloud models listed",
         modelServer(ModelAPI::ollama, {}, R"({"models":[{"name":"kimi-k2:1t-cloud"}]})"), std::nullopt,
         "nonLocalModel", 1},
        {"forwarded model listed",
         modelServer(ModelAPI::ollama, {},
                     R"({"models":[{"name":"big","remote_host":"https://ollama.com"}]})"),
         "big", "nonLocalModel", 1},
        {"model not listed", answering(ModelAPI::ollama, "x"), "mistral", "modelNotFound", 1},
        {"no model", modelServer(ModelAPI::openAI, {}, R"({"data":[]})"), std::nullopt, "noModelInstalled",
         2},
        {"not a model server", notFound, std::nullopt, "unsupportedServer", 2},
        {"redirect not followed", redirecting, std::nullopt, "unsupportedServer", 2},
    };
    DecodeChain chain = sampleChain();
    for (const Case& c : cases) {
        FakeModelServer server(c.handler);
        ModelEnvironment environment(server.url(), c.model);
        EXPECT_EQ(FoundationModelExplainer::unavailabilityReason(), c.reason) << c.name;
        EXPECT_FALSE(FoundationModelExplainer::isAvailable()) << c.name;
        EXPECT_EQ(FoundationModelExplainer().explain(chain, {}), TemplateExplainer::explainSync(chain))
            << c.name;
        EXPECT_EQ(server.requests().size(), 3 * c.requests) << c.name; // three probes, never a chat
    }
}

TEST(FoundationModelExplainer, NoServerOrNonLocalAddressIsUnavailableAtOnce) {
    struct Case {
        std::string url, reason;
    } cases[] = {
        {"http://127.0.0.1:" + std::to_string(closedPort()), "serverUnreachable"},
        {"http://192.0.2.1:11434", "nonLocalEndpoint"},
        {"https://api.openai.com/v1", "nonLocalEndpoint"},
        {"http://[2001:db8::1]:8080", "nonLocalEndpoint"},
        {"gopher://127.0.0.1", "invalidEndpoint"},
    };
    DecodeChain chain = sampleChain();
    for (const Case& c : cases) {
        ModelEnvironment environment(c.url);
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(FoundationModelExplainer::unavailabilityReason(), c.reason) << c.url;
        EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << c.url;
        EXPECT_EQ(FoundationModelExplainer().explain(chain, {}), TemplateExplainer::explainSync(chain));
        EXPECT_EQ(FoundationModelExplainer::answer("q", chain), FollowUp::deterministicAnswer("q", chain));
    }
}

TEST(FoundationModelExplainer, FollowUpsAreIndependentExchanges) {
    for (ModelAPI api : bothAPIs) {
        FakeModelServer server(answering(api, " It expires in 3 days. "));
        ModelEnvironment environment(server.url());
        DecodeChain chain = sampleChain();
        std::string facts = ExplanationRequest::buildPrompt(chain);
        EXPECT_EQ(FoundationModelExplainer::answer("  when does it expire?\n", chain),
                  "It expires in 3 days.");
        EXPECT_EQ(FoundationModelExplainer::answer("who issued it?", chain), "It expires in 3 days.");
        std::vector<json> chats;
        for (const RecordedRequest& request : server.requests())
            if (request.method == "POST") chats.push_back(json::parse(request.body));
        ASSERT_EQ(chats.size(), 2u);
        EXPECT_EQ(chats[0], expectedChat(api, FollowUp::instructions(),
                                         FollowUp::prompt("when does it expire?", facts)));
        EXPECT_EQ(chats[1],
                  expectedChat(api, FollowUp::instructions(), FollowUp::prompt("who issued it?", facts)));
        EXPECT_EQ(chats[1].dump().find("expire"), std::string::npos) << apiName(api);
    }
}

TEST(FoundationModelExplainer, UnrecognizedInputStillGoesToTheModel) {
    FakeModelServer server(answering(ModelAPI::ollama, "Looks like plain prose."));
    ModelEnvironment environment(server.url());
    DecodeChain chain = Tindrel::inspect("just some words");
    ASSERT_FALSE(chain.isRecognized());
    EXPECT_EQ(FoundationModelExplainer().explain(chain, {}), "Looks like plain prose.");
    json sent = json::parse(server.requests().back().body);
    EXPECT_EQ(sent["messages"][1]["content"], ExplanationRequest::buildPrompt(chain));
}

#include "FakeModelServer.h"
#include "ModelEnvironment.h"
#include "ModelScripts.h"
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

namespace {

constexpr const char* secret = "eyJzZWNyZXQiOiJkby1ub3Qtc2hhcmUifQ";

const std::string ollamaVersion = R"({"version":"0.12.6"})";
// llama-server's /props: today's single-model server, an older one without its build, and a router
// instance, which has no slots of its own.
const std::string llamaProps =
    R"({"default_generation_settings":{"params":{"temperature":0.8},"n_ctx":4096},"total_slots":1,)"
    R"("model_path":"/models/qwen.gguf","build_info":"b6800-abc1234","chat_template":""})";
const std::string olderLlamaProps =
    R"({"system_prompt":"","default_generation_settings":{"n_ctx":2048},"total_slots":4,"chat_template":""})";
const std::string routerLlamaProps =
    R"({"role":"router","model_path":"none","default_generation_settings":{"params":{},"n_ctx":0},)"
    R"("build_info":"b6800-abc1234"})";

FakeModelServer::Handler ollama() {
    return identifiedBy("/api/version", ollamaVersion, answering(ModelAPI::ollama, "from ollama"));
}

FakeModelServer::Handler llamaServer(const std::string& props) {
    return identifiedBy("/props", props, answering(ModelAPI::openAI, "from llama-server"));
}

// Properties that some other program might serve: close, but not llama-server's.
FakeModelServer::Handler propsLookalike() {
    return identifiedBy("/props",
                        R"({"default_generation_settings":"none","total_slots":1,"build_info":"1"})",
                        impostor("from a lookalike"));
}

// The servers found without configuration, moved onto the given test servers' ports.
std::vector<ModelEndpoint> discoveredAt(const std::vector<std::unique_ptr<FakeModelServer>>& servers) {
    std::vector<ModelEndpoint> endpoints = std::get<std::vector<ModelEndpoint>>(endpointCandidates({}));
    for (std::size_t i = 0; i < endpoints.size(); ++i)
        endpoints[i].port = servers[i]->port();
    return endpoints;
}

bool sawText(const FakeModelServer& server) {
    for (const RecordedRequest& request : server.requests())
        if (request.method != "GET" || !request.body.empty() ||
            request.path.find(secret) != std::string::npos)
            return true;
    return false;
}

// Sets the process-wide switch for one test and gives the choice back to the environment after it.
class ScopedNoModel {
public:
    explicit ScopedNoModel(bool noModel) { ModelSettings::configureNoModel(noModel); }
    ~ScopedNoModel() { ModelSettings::configureNoModel(false); }
    ScopedNoModel(const ScopedNoModel&) = delete;
    ScopedNoModel& operator=(const ScopedNoModel&) = delete;
};

} // namespace

TEST(ModelDiscovery, OnlyAServerThatShowsWhatItIsIsSentText) {
    struct Case {
        const char* name;
        std::vector<FakeModelServer::Handler> servers; // at Ollama's port, then llama-server's two
        std::optional<std::size_t> chosen;
        std::string answer;
    } cases[] = {
        {"other programs everywhere", {impostor("a"), impostor("b"), impostor("c")}, {}, ""},
        {"llama-server on Ollama's port", {llamaServer(llamaProps), impostor("b"), impostor("c")}, {}, ""},
        {"lookalike properties", {impostor("a"), propsLookalike(), propsLookalike()}, {}, ""},
        {"ollama", {ollama(), llamaServer(llamaProps), impostor("c")}, 0, "from ollama"},
        {"llama-server", {impostor("a"), llamaServer(llamaProps), impostor("c")}, 1, "from llama-server"},
        {"older llama-server",
         {impostor("a"), llamaServer(olderLlamaProps), impostor("c")},
         1,
         "from llama-server"},
        {"llama-server router",
         {impostor("a"), propsLookalike(), llamaServer(routerLlamaProps)},
         2,
         "from llama-server"},
    };
    for (const Case& c : cases) {
        std::vector<std::unique_ptr<FakeModelServer>> servers;
        for (const FakeModelServer::Handler& handler : c.servers)
            servers.push_back(std::make_unique<FakeModelServer>(handler));
        ModelProbe found = LocalModel::probeEndpoints(discoveredAt(servers), std::nullopt, {}, {});
        std::optional<std::string> answer;
        if (found.connection) answer = LocalModel::chat(*found.connection, "instructions", secret, {}, {});
        EXPECT_EQ(answer.value_or(""), c.answer) << c.name;
        for (std::size_t i = 0; i < servers.size(); ++i)
            EXPECT_EQ(sawText(*servers[i]), c.chosen == i) << c.name << ", server " << i;
    }
}

TEST(ModelDiscovery, ANamedServerNeedNotShowWhatItIs) {
    FakeModelServer server(impostor("from the named server"));
    ModelEnvironment environment(server.url());
    DecodeChain chain = Tindrel::inspect(secret);
    EXPECT_EQ(TindrelExplain::explainWithSource(chain),
              (TindrelExplain::Explanation{"from the named server", ExplainerSource::onDeviceAI}));
    for (const RecordedRequest& request : server.requests())
        EXPECT_TRUE(request.path != "/api/version" && request.path != "/props") << request.path;
}

TEST(ModelDiscovery, NoModelOpensNoConnection) {
    struct Case {
        std::optional<std::string> variable; // TINDREL_NO_MODEL
        bool configured;                     // --no-model
        bool contacted;
    } cases[] = {
        {"1", false, false}, {"yes", false, false}, {std::nullopt, true, false}, {"0", true, false},
        {"0", false, true},  {"", false, true},     {std::nullopt, false, true},
    };
    DecodeChain chain = Tindrel::inspect(secret);
    for (const Case& c : cases) {
        FakeModelServer server(answering(ModelAPI::ollama, "from the model"));
        ModelEnvironment environment(server.url());
        ScopedVariable variable("TINDREL_NO_MODEL", c.variable);
        ScopedNoModel configured(c.configured);
        std::string label = c.variable.value_or("unset") + (c.configured ? " --no-model" : "");
        ExplainerSource source = c.contacted ? ExplainerSource::onDeviceAI : ExplainerSource::deterministic;

        EXPECT_EQ(TindrelExplain::currentSource(), source) << label;
        EXPECT_EQ(TindrelExplain::explainWithSource(chain),
                  (TindrelExplain::Explanation{
                      c.contacted ? "from the model" : TemplateExplainer::explainSync(chain), source}))
            << label;
        EXPECT_EQ(TindrelExplain::answerWithSource("is it safe?", chain),
                  (TindrelExplain::Explanation{
                      c.contacted ? "from the model" : FollowUp::deterministicAnswer("", chain), source}))
            << label;
        EXPECT_EQ(FoundationModelExplainer::unavailabilityReason(),
                  c.contacted ? std::nullopt : std::optional<std::string>("modelTurnedOff"))
            << label;
        EXPECT_EQ(server.connections() > 0, c.contacted) << label;
    }
}

#include "TindrelAI/model/ChatProtocol.h"
#include "TindrelCore/formats/JSONUtil.h"

#include <gtest/gtest.h>

using namespace tindrel;
using namespace tindrel::ChatProtocol;

TEST(ChatProtocol, PathsPerAPI) {
    EXPECT_EQ(modelsPath(ModelAPI::ollama, ""), "/api/tags");
    EXPECT_EQ(chatPath(ModelAPI::ollama, "/proxy"), "/api/chat");
    EXPECT_EQ(modelsPath(ModelAPI::openAI, ""), "/v1/models");
    EXPECT_EQ(chatPath(ModelAPI::openAI, ""), "/v1/chat/completions");
    EXPECT_EQ(modelsPath(ModelAPI::openAI, "/v1"), "/models");
    EXPECT_EQ(chatPath(ModelAPI::openAI, "/lmstudio/v1"), "/chat/completions");
}

TEST(ChatProtocol, KnowsOllamaAndLlamaServerByTheirOwnAnswers) {
    EXPECT_EQ(identityPath(ServerIdentity::ollama), "/api/version");
    EXPECT_EQ(identityPath(ServerIdentity::llamaServer), "/props");
    constexpr auto ollama = ServerIdentity::ollama, llama = ServerIdentity::llamaServer;
    struct Case {
        ServerIdentity identity;
        std::string body;
        bool identified;
    } cases[] = {
        {ollama, R"({"version":"0.12.6"})", true},
        {ollama, R"({"version":""})", false},
        {ollama, R"({"version":12})", false},
        {ollama, R"({"models":[]})", false},
        {llama, R"({"default_generation_settings":{"n_ctx":4096},"total_slots":1,"build_info":"b1"})", true},
        {llama, R"({"default_generation_settings":{"n_ctx":2048},"total_slots":4})", true},
        {llama, R"({"default_generation_settings":{"n_ctx":0},"build_info":"b1"})", true},
        {llama, R"({"default_generation_settings":{}})", false},
        {llama, R"({"default_generation_settings":"x","total_slots":1})", false},
        {llama, R"({"total_slots":1,"build_info":"b1","model_path":"/m.gguf"})", false},
        {llama, R"({"default_generation_settings":{},"total_slots":"1"})", false},
        {llama, R"({"version":"0.12.6"})", false},
        {ollama, "<html>hello</html>", false},
        {llama, "", false},
        {ServerIdentity::named, "<html>anything</html>", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(identifies(c.identity, c.body), c.identified) << c.body;
}

TEST(ChatProtocol, ReadsModelLists) {
    using Models = std::vector<ListedModel>;
    struct Case {
        ModelAPI api;
        std::string body;
        std::optional<Models> expected;
    } cases[] = {
        {ModelAPI::ollama,
         R"({"models":[{"name":"llama3.2:latest","size":1},{"model":"qwen3:4b"},{"name":"gpt-oss:120b-cloud"},)"
         R"({"name":"deepseek","remote_host":"https://ollama.com:443"},{"size":3},)"
         R"({"name":"kimi-k2:1t-cloud:latest"},{"name":"big","remote_model":"big"}]})",
         Models{{"llama3.2:latest", false},
                {"qwen3:4b", false},
                {"gpt-oss:120b-cloud", true},
                {"deepseek", true},
                {"kimi-k2:1t-cloud:latest", true},
                {"big", true}}},
        {ModelAPI::ollama, R"({"models":[]})", Models{}},
        {ModelAPI::openAI, R"({"object":"list","data":[{"id":"ggml-model-q4_0.gguf","object":"model"}]})",
         Models{{"ggml-model-q4_0.gguf", false}}},
        {ModelAPI::openAI, R"({"models":[{"name":"x"}]})", std::nullopt},
        {ModelAPI::ollama, R"({"data":[{"id":"x"}]})", std::nullopt},
        {ModelAPI::ollama, R"({"models":{"name":"x"}})", std::nullopt},
        {ModelAPI::ollama, R"([{"name":"x"}])", std::nullopt},
        {ModelAPI::ollama, "<html>404</html>", std::nullopt},
        {ModelAPI::ollama, "", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseModelList(c.api, c.body), c.expected) << c.body;
}

TEST(ChatProtocol, ChoosesTheConfiguredOrFirstLocalModel) {
    std::vector<ListedModel> models = {
        {"gpt-oss:20b-cloud", true}, {"llama3.2:latest", false}, {"qwen3:4b", false}};
    struct Case {
        std::optional<std::string> wanted;
        std::optional<std::string> chosen;
    } cases[] = {
        {std::nullopt, "llama3.2:latest"}, {"qwen3:4b", "qwen3:4b"},
        {"llama3.2", "llama3.2:latest"},   {"llama3", std::nullopt},
        {"qwen3", std::nullopt},           {"gpt-oss:20b-cloud", "gpt-oss:20b-cloud"},
    };
    for (const Case& c : cases) {
        std::optional<ListedModel> chosen = chooseModel(models, c.wanted);
        EXPECT_EQ(chosen ? std::optional(chosen->name) : std::nullopt, c.chosen)
            << c.wanted.value_or("(none)");
    }
    EXPECT_FALSE(chooseModel({{"a-cloud", true}}, std::nullopt).has_value());
}

TEST(ChatProtocol, RequestCarriesSystemAndUserMessagesWithoutStreaming) {
    std::optional<std::string> body =
        chatRequest("llama3.2", "be brief\nplease", "facts \"quoted\" / \u2192");
    ASSERT_TRUE(body.has_value());
    auto expected = nlohmann::json::parse(R"({"model":"llama3.2","stream":false,"messages":[)"
                                          R"({"role":"system","content":"be brief\nplease"},)"
                                          R"({"role":"user","content":"facts \"quoted\" / \u2192"}]})");
    EXPECT_EQ(JSONUtil::parse(*body), expected);
    EXPECT_FALSE(chatRequest("m", "i", "bad \xFF utf-8").has_value());
}

TEST(ChatProtocol, ReadsTheAnswerText) {
    struct Case {
        ModelAPI api;
        std::string body;
        std::optional<std::string> answer;
    } cases[] = {
        {ModelAPI::ollama, R"({"message":{"role":"assistant","content":"  It is a JWT.\n"},"done":true})",
         "It is a JWT."},
        {ModelAPI::openAI, R"({"choices":[{"index":0,"message":{"role":"assistant","content":"A hash."}}]})",
         "A hash."},
        {ModelAPI::ollama, R"({"message":{"content":"<think>hmm</think>\n\nA UUID."}})", "A UUID."},
        {ModelAPI::ollama, R"({"message":{"content":"<think>never ends"}})", std::nullopt},
        {ModelAPI::ollama, R"({"message":{"content":"<think>x</think>  "}})", std::nullopt},
        {ModelAPI::ollama, R"({"message":{"content":" \n\t "}})", std::nullopt},
        {ModelAPI::ollama, R"({"message":{"content":""}})", std::nullopt},
        {ModelAPI::openAI, R"({"choices":[{"message":{"content":null}}]})", std::nullopt},
        {ModelAPI::openAI, R"({"choices":[]})", std::nullopt},
        {ModelAPI::openAI, R"({"message":{"content":"wrong api"}})", std::nullopt},
        {ModelAPI::ollama, R"({"error":"model not found"})", std::nullopt},
        {ModelAPI::ollama, R"({"message":"flat"})", std::nullopt},
        {ModelAPI::ollama, "not json", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseChatAnswer(c.api, c.body), c.answer) << c.body;
}

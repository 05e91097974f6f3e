#include "ModelEnvironment.h"
#include "ModelScripts.h"
#include "TindrelAI/model/FoundationModelExplainer.h"
#include "TindrelAI/model/ModelSettings.h"

#include <gtest/gtest.h>

using namespace tindrel;
using namespace tindrel::testing;

namespace {

using Text = std::optional<std::string>;

// Sets the process-wide configuration for one test and clears it again, so no other test sees it.
class ScopedConfiguration {
public:
    ScopedConfiguration(Text url, Text model) { ModelSettings::configure(std::move(url), std::move(model)); }
    ~ScopedConfiguration() { ModelSettings::configure(std::nullopt, std::nullopt); }
    ScopedConfiguration(const ScopedConfiguration&) = delete;
    ScopedConfiguration& operator=(const ScopedConfiguration&) = delete;
};

} // namespace

TEST(ConfiguredModelSettings, ConfiguredValuesComeBeforeTheEnvironment) {
    struct Case {
        Text envURL, envModel, configuredURL, configuredModel;
        Text url, model;
    } cases[] = {
        {{}, {}, {}, {}, {}, {}},
        {"http://127.0.0.1:1", "env-model", {}, {}, "http://127.0.0.1:1", "env-model"},
        {"http://127.0.0.1:1", "env-model", "http://127.0.0.1:2", {}, "http://127.0.0.1:2", "env-model"},
        {"http://127.0.0.1:1", "env-model", {}, "mine", "http://127.0.0.1:1", "mine"},
        {{}, {}, "http://localhost:3/v1", "mine", "http://localhost:3/v1", "mine"},
        // An emptied field hands the choice back to the environment.
        {"http://127.0.0.1:1", "env-model", "", "", "http://127.0.0.1:1", "env-model"},
    };
    for (const Case& c : cases) {
        ScopedVariable url("TINDREL_MODEL_URL", c.envURL);
        ScopedVariable model("TINDREL_MODEL", c.envModel);
        ScopedConfiguration configuration(c.configuredURL, c.configuredModel);
        const ModelSettings settings = ModelSettings::current();
        EXPECT_EQ(settings.url, c.url) << c.configuredURL.value_or("-");
        EXPECT_EQ(settings.model, c.model) << c.configuredModel.value_or("-");
    }
}

TEST(ConfiguredModelSettings, ClearingTheConfigurationRestoresTheEnvironment) {
    ScopedVariable url("TINDREL_MODEL_URL", "http://127.0.0.1:1");
    ModelSettings::configure("http://127.0.0.1:2", "mine");
    ModelSettings::configure(std::nullopt, std::nullopt);
    EXPECT_EQ(ModelSettings::current().url, "http://127.0.0.1:1");
    EXPECT_EQ(ModelSettings::current().model, std::nullopt);
}

TEST(ConfiguredModelSettings, TheExplainerUsesTheConfigurationAndKeepsItsRefusals) {
    FakeModelServer server(
        modelServer(ModelAPI::ollama, CannedReply{200, answerBody(ModelAPI::ollama, "x")}));
    struct Case {
        Text url, model;
        Text reason;
    } cases[] = {
        {{}, {}, std::nullopt},
        {{}, "qwen3:4b", std::nullopt},
        {{}, "not-installed", "modelNotFound"},
        {{}, "gpt-oss:120b-cloud", "nonLocalModel"},
        {"http://192.0.2.7:11434", {}, "nonLocalEndpoint"},
        {"http://127.0.0.1:" + std::to_string(closedPort()), {}, "serverUnreachable"},
    };
    // The environment names the working server; only the configuration can make it fail.
    ModelEnvironment environment(server.url());
    for (const Case& c : cases) {
        ScopedConfiguration configuration(c.url, c.model);
        EXPECT_EQ(FoundationModelExplainer::unavailabilityReason(), c.reason)
            << c.url.value_or("-") << " " << c.model.value_or("-");
    }
}

#include "FakeModelServer.h"
#include "ModelEnvironment.h"
#include "ModelScripts.h"
#include "TindrelAI/FollowUp.h"
#include "TindrelAI/TemplateExplainer.h"
#include "TindrelAI/TindrelExplain.h"
#include "TindrelAI/model/FoundationModelExplainer.h"
#include "TindrelCore/Tindrel.h"

#include <gtest/gtest.h>

using namespace tindrel;
using namespace tindrel::testing;

TEST(TindrelExplain, UsesTheLocalModelWhenOneAnswers) {
    FakeModelServer server(answering(ModelAPI::ollama, "A Base64-wrapped JSON object."));
    ModelEnvironment environment(server.url());
    DecodeChain chain = Tindrel::inspect("eyJ1c2VyIjoiYWRhIn0=");
    EXPECT_EQ(TindrelExplain::currentSource(), ExplainerSource::onDeviceAI);
    EXPECT_NE(dynamic_cast<FoundationModelExplainer*>(TindrelExplain::bestExplainer().get()), nullptr);
    EXPECT_EQ(TindrelExplain::explain(chain), "A Base64-wrapped JSON object.");
    EXPECT_EQ(TindrelExplain::explainWithSource(chain),
              (TindrelExplain::Explanation{"A Base64-wrapped JSON object.", ExplainerSource::onDeviceAI}));
    EXPECT_EQ(TindrelExplain::answerWithSource("what?", chain).source, ExplainerSource::onDeviceAI);
}

TEST(TindrelExplain, WithoutAModelEverythingIsDeterministic) {
    ModelEnvironment environment("http://127.0.0.1:" + std::to_string(closedPort()));
    for (const char* input : {"eyJ1c2VyIjoiYWRhIn0=", "nothing to see"}) {
        DecodeChain chain = Tindrel::inspect(input);
        EXPECT_EQ(TindrelExplain::currentSource(), ExplainerSource::deterministic);
        EXPECT_NE(dynamic_cast<TemplateExplainer*>(TindrelExplain::bestExplainer().get()), nullptr);
        EXPECT_EQ(TindrelExplain::explain(chain), TemplateExplainer::explainSync(chain)) << input;
        EXPECT_EQ(TindrelExplain::answer("is it safe?", chain), FollowUp::deterministicAnswer("", chain))
            << input;
        EXPECT_EQ(TindrelExplain::explainWithSource(chain).source, ExplainerSource::deterministic);
    }
}

TEST(TindrelExplain, SourceNamesWhoWroteTheTextAfterAFailure) {
    FakeModelServer server(modelServer(ModelAPI::ollama, CannedReply{503, R"({"error":"loading"})"}));
    ModelEnvironment environment(server.url());
    DecodeChain chain = Tindrel::inspect("eyJ1c2VyIjoiYWRhIn0=");
    EXPECT_EQ(TindrelExplain::currentSource(), ExplainerSource::onDeviceAI);
    EXPECT_EQ(
        TindrelExplain::explainWithSource(chain),
        (TindrelExplain::Explanation{TemplateExplainer::explainSync(chain), ExplainerSource::deterministic}));
    EXPECT_EQ(TindrelExplain::answerWithSource("q", chain),
              (TindrelExplain::Explanation{FollowUp::deterministicAnswer("q", chain),
                                           ExplainerSource::deterministic}));
}

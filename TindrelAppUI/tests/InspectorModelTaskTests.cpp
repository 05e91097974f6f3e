#include "ModelFakes.h"
#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelCore/Samples.h"

#include <gtest/gtest.h>

namespace tindrel {
namespace {

using State = InspectorModel::Explanation::State;
using Explanation = InspectorModel::Explanation;

class InspectorModelTasks : public ::testing::Test {
protected:
    InspectorModelTasks() {
        services_.explanations = fake_;
        services_.pasteboard = std::make_shared<testing::FakePasteboard>();
        model_ = std::make_unique<InspectorModel>(defaults_, QStringList(), services_);
        QObject::connect(model_.get(), &InspectorModel::explanationChanged,
                         [this] { published_.push_back(model_->explanation()); });
    }

    ~InspectorModelTasks() override {
        fake_->releaseAll();
        testing::settle(*fake_);
    }

    bool sawText(const std::string& text) const {
        return std::any_of(published_.begin(), published_.end(),
                           [&](const Explanation& e) { return e.state == State::ready && e.text == text; });
    }

    MemoryDefaults defaults_;
    std::shared_ptr<testing::FakeExplanations> fake_ = std::make_shared<testing::FakeExplanations>();
    InspectorServices services_;
    std::unique_ptr<InspectorModel> model_;
    std::vector<Explanation> published_;
};

TEST_F(InspectorModelTasks, ExplanationArrivesWithTheSourceChosenAtStart) {
    for (bool available : {false, true}) {
        fake_->available = available;
        model_->setInput("1733556842");
        EXPECT_EQ(model_->explanation().state, State::loading);
        ASSERT_TRUE(testing::waitUntil([&] { return model_->explanation().state == State::ready; }));
        EXPECT_EQ(model_->explanation(),
                  Explanation::ready("about 1733556842", available ? ExplainerSource::onDeviceAI
                                                                   : ExplainerSource::deterministic));
    }
}

TEST_F(InspectorModelTasks, NewInputCancelsTheLoadingExplanation) {
    fake_->explanations.close();
    model_->setInput("1733556842");
    ASSERT_TRUE(testing::waitUntil([&] { return fake_->explainCalls == 1; }));
    model_->setInput(std::string(Samples::token));
    ASSERT_TRUE(testing::waitUntil([&] { return fake_->cancelledCalls == 1; }));
    fake_->explanations.open();
    ASSERT_TRUE(testing::waitUntil([&] { return model_->explanation().state == State::ready; }));
    testing::settle(*fake_);
    EXPECT_EQ(model_->explanation().text, "about " + std::string(Samples::token));
    EXPECT_FALSE(sawText("about 1733556842"));
}

TEST_F(InspectorModelTasks, LateResultForAnotherChainIsDropped) {
    fake_->honoursCancellation = false;
    fake_->explanations.close();
    model_->setInput("1733556842");
    model_->setInput("  ");
    EXPECT_EQ(model_->explanation(), Explanation::none());
    fake_->explanations.open();
    testing::settle(*fake_);
    EXPECT_EQ(model_->explanation(), Explanation::none());
    EXPECT_FALSE(sawText("about 1733556842"));
}

TEST_F(InspectorModelTasks, ReevaluationRestartsTheExplanation) {
    model_->setInput("1733556842");
    ASSERT_TRUE(testing::waitUntil([&] { return model_->explanation().state == State::ready; }));
    model_->reevaluateExplanation();
    EXPECT_EQ(model_->explanation().state, State::loading);
    ASSERT_TRUE(testing::waitUntil([&] { return model_->explanation().state == State::ready; }));
    EXPECT_EQ(fake_->explainCalls, 2);
}

TEST_F(InspectorModelTasks, FollowUpsGetConsecutiveIdsAndTheirOwnAnswers) {
    model_->setInput(std::string(Samples::token));
    fake_->answers.close();
    model_->ask("  who signed it?\n");
    model_->ask("when does it expire?");
    const auto& items = model_->followUps();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].id, items[0].id + 1);
    EXPECT_EQ(items[0].question, "who signed it?");
    EXPECT_FALSE(items[0].answer || items[1].answer);
    fake_->answers.open();
    ASSERT_TRUE(testing::waitUntil([&] { return items[0].answer && items[1].answer; }));
    EXPECT_EQ(*items[0].answer, "facts: who signed it?");
    EXPECT_EQ(*items[1].answer, "facts: when does it expire?");
}

TEST_F(InspectorModelTasks, FollowUpUsesTheModelWhenAvailable) {
    fake_->available = true;
    model_->setInput("1733556842");
    model_->ask("what is it?");
    ASSERT_TRUE(testing::waitUntil([&] { return model_->followUps().front().answer.has_value(); }));
    EXPECT_EQ(*model_->followUps().front().answer, "model: what is it?");
}

TEST_F(InspectorModelTasks, AnswerToAQuestionBeforeARefreshIsLost) {
    model_->setInput(std::string(Samples::token));
    fake_->answers.close();
    model_->ask("first?");
    int firstId = model_->followUps().front().id;
    model_->reevaluateExplanation();
    EXPECT_TRUE(model_->followUps().empty());
    model_->ask("second?");
    fake_->answers.open();
    ASSERT_TRUE(testing::waitUntil([&] { return model_->followUps().front().answer.has_value(); }));
    testing::settle(*fake_);
    ASSERT_EQ(model_->followUps().size(), 1u);
    EXPECT_EQ(model_->followUps().front().id, firstId + 1);
    EXPECT_EQ(*model_->followUps().front().answer, "facts: second?");
}

struct IgnoredQuestion {
    const char* name;
    std::string input;
    std::string question;
};

class IgnoredQuestions : public InspectorModelTasks, public ::testing::WithParamInterface<IgnoredQuestion> {};

TEST_P(IgnoredQuestions, AddNothing) {
    model_->setInput(GetParam().input);
    model_->ask(GetParam().question);
    EXPECT_TRUE(model_->followUps().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, IgnoredQuestions,
                         ::testing::Values(IgnoredQuestion{"blankQuestion", "1733556842", " \n\t "},
                                           IgnoredQuestion{"emptyInput", "", "what is it?"},
                                           IgnoredQuestion{"unrecognised", "hello there friend",
                                                           "what is it?"}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(InspectorModelTasks, ModelGoneBeforeTheResultIsQuiet) {
    fake_->explanations.close();
    model_->setInput("1733556842");
    model_->ask("still there?");
    model_.reset();
    fake_->releaseAll();
    testing::settle(*fake_);
    EXPECT_EQ(published_.size(), 1u); // only the loading state
}

} // namespace
} // namespace tindrel

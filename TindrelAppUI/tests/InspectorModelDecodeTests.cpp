#include "ModelFakes.h"
#include "TindrelAppUI/inspector/InspectorModel.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

namespace tindrel {
namespace {

// A JSON document just long enough to be decoded on a worker; `mark` tells documents apart.
std::string longJSON(char mark) {
    return R"({"note":")" + std::string(InspectorModel::backgroundDecodeBytes, mark) + R"("})";
}

class InspectorModelDecoding : public ::testing::Test {
protected:
    InspectorModelDecoding() {
        services_.explanations = fake_;
        services_.pasteboard = pasteboard_;
    }

    ~InspectorModelDecoding() override { testing::settle(*fake_); }

    std::unique_ptr<InspectorModel> makeModel(const QStringList& arguments = {}) {
        return std::make_unique<InspectorModel>(defaults_, arguments, services_);
    }

    bool historyHolds(const InspectorModel& model, const std::string& input) const {
        const auto& entries = model.history().entries();
        return std::any_of(entries.begin(), entries.end(),
                           [&](const HistoryEntry& entry) { return entry.input == input; });
    }

    MemoryDefaults defaults_;
    std::shared_ptr<testing::FakeExplanations> fake_ = std::make_shared<testing::FakeExplanations>();
    std::shared_ptr<testing::FakePasteboard> pasteboard_ = std::make_shared<testing::FakePasteboard>();
    InspectorServices services_;
};

TEST_F(InspectorModelDecoding, LongInputShowsNothingUntilItsDecodeArrives) {
    auto model = makeModel();
    const std::string input = longJSON('a');
    model->setInput(input);
    EXPECT_TRUE(model->decoding());
    EXPECT_EQ(model->chain(), nullptr);
    EXPECT_EQ(model->presentation().kind, InspectorModel::Presentation::Kind::empty);
    EXPECT_EQ(model->insightChain(), nullptr);

    ASSERT_TRUE(testing::waitUntil([&] { return !model->decoding(); }));
    ASSERT_NE(model->chain(), nullptr);
    EXPECT_EQ(model->chain()->input, input);
    EXPECT_EQ(model->presentation().kind, InspectorModel::Presentation::Kind::single);
    EXPECT_TRUE(historyHolds(*model, input));
    EXPECT_NE(model->explanation().state, InspectorModel::Explanation::State::none);
}

TEST_F(InspectorModelDecoding, ShortInputIsDecodedAtOnce) {
    auto model = makeModel();
    model->setInput(std::string(InspectorModel::backgroundDecodeBytes - 1, 'x'));
    EXPECT_FALSE(model->decoding());
    EXPECT_NE(model->chain(), nullptr);
}

TEST_F(InspectorModelDecoding, NewerInputWinsOverAPendingDecode) {
    struct Case {
        const char* name;
        std::string newer; // replaces a long input whose decode is still pending
    };
    const Case cases[] = {{"short", "1733556842"}, {"long", longJSON('b')}, {"blank", "  "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto model = makeModel();
        const std::string older = longJSON('a');
        model->setInput(older);
        model->setInput(c.newer);
        ASSERT_TRUE(testing::waitUntil([&] { return !model->decoding(); }));
        testing::settle(*fake_); // a late result of the older decode would arrive now
        EXPECT_FALSE(historyHolds(*model, older));
        if (c.newer == "  ") {
            EXPECT_EQ(model->chain(), nullptr);
        } else {
            ASSERT_NE(model->chain(), nullptr);
            EXPECT_EQ(model->chain()->input, c.newer);
        }
    }
}

TEST_F(InspectorModelDecoding, ChosenReadingRereadsTheChainInFocusButNotTheHistory) {
    const std::string hexText =
        "30313233343536373839616263646566"; // spells 0123456789abcdef; an MD5's length
    auto model = makeModel();
    model->setInput(hexText);
    testing::settle(*fake_);
    const std::vector<HistoryEntry> recorded = model->history().entries();
    struct Case {
        int step;
        DetectionKind kind;
        const char* shape;
        bool explainedAgain;
    } const cases[] = {
        {0, DetectionKind::uuid, "hex", false}, // no UUID reading of that text
        {2, DetectionKind::hash, "hex", false}, // no such step
        {-1, DetectionKind::hash, "hex", false}, {0, DetectionKind::hash, "hash", true},
        {0, DetectionKind::hex, "hex", true}, // the engine's own choice is now an alternative
    };
    for (const Case& c : cases) {
        const int explained = fake_->explainCalls;
        model->chooseReading(c.step, c.kind);
        testing::settle(*fake_);
        ASSERT_NE(model->chain(), nullptr);
        EXPECT_EQ(model->chain()->shapeText(), c.shape) << c.step;
        EXPECT_EQ(fake_->explainCalls > explained, c.explainedAgain) << c.step;
        EXPECT_EQ(model->presentation().chain, model->chain()) << c.step;
    }
    EXPECT_EQ(model->history().entries(), recorded);
    model->chooseReading(0, DetectionKind::hash);
    model->setInput(hexText);
    EXPECT_EQ(model->chain()->shapeText(), "hex");

    // In the scan list the choice reads the selected finding again.
    model->setInput("id " + hexText + " seen");
    ASSERT_EQ(model->presentation().kind, InspectorModel::Presentation::Kind::scan);
    model->chooseReading(0, DetectionKind::hash);
    ASSERT_EQ(model->findings().size(), 1u);
    EXPECT_EQ(model->findings()[0].chain.shapeText(), "hash");
    EXPECT_EQ(model->insightChain()->shapeText(), "hash");
}

TEST_F(InspectorModelDecoding, ModelGoneWhileDecodingIsQuiet) {
    auto model = makeModel();
    model->setInput(longJSON('a'));
    model.reset();
    testing::settle(*fake_);
    EXPECT_EQ(fake_->explainCalls, 0);
}

TEST_F(InspectorModelDecoding, LaunchFlagsDecodeBeforeTheyAct) {
    pasteboard_->contents = QString::fromStdString(longJSON('c'));
    const QString path = QDir::temp().filePath(QStringLiteral("tindrel-decode-export.md"));
    QFile::remove(path);
    auto model = makeModel({"tindrel-app", "--inspect-clipboard", "--dump-export", path});
    EXPECT_FALSE(model->decoding());
    ASSERT_NE(model->chain(), nullptr);
    EXPECT_TRUE(QFile::exists(path));
    QFile::remove(path);
    // Later inputs are long-running again.
    model->setInput(longJSON('d'));
    EXPECT_TRUE(model->decoding());
}

} // namespace
} // namespace tindrel

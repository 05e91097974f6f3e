#include "TindrelCore/engine/ChainEngine.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

// Answers with a fixed result when the text equals `from`.
class ScriptedDetector final : public Detector {
public:
    ScriptedDetector(DetectionKind kind, std::string from, std::string to, double confidence,
                     bool terminal = false)
        : kind_(kind)
        , from_(std::move(from))
        , to_(std::move(to))
        , confidence_(confidence)
        , terminal_(terminal) {}
    DetectionKind kind() const override { return kind_; }
    std::optional<DecodeResult> decode(std::string_view text) const override {
        ++calls;
        if (text != from_) return std::nullopt;
        return DecodeResult{kind_, to_, confidence_, from_ + "->" + to_, {}, terminal_};
    }
    mutable int calls = 0;

private:
    DetectionKind kind_;
    std::string from_, to_;
    double confidence_;
    bool terminal_;
};

class ThrowingDetector final : public Detector {
public:
    DetectionKind kind() const override { return DetectionKind::hex; }
    std::optional<DecodeResult> decode(std::string_view) const override { throw std::runtime_error("boom"); }
};

std::shared_ptr<ScriptedDetector> scripted(DetectionKind kind, std::string from, std::string to,
                                           double confidence, bool terminal = false) {
    return std::make_shared<ScriptedDetector>(kind, std::move(from), std::move(to), confidence, terminal);
}

std::vector<std::string> outputs(const DecodeChain& chain) {
    std::vector<std::string> result;
    for (const auto& step : chain.steps)
        result.push_back(step.output);
    return result;
}

} // namespace

TEST(ChainEngine, ThresholdIsInclusive) {
    ChainEngine engine{
        {scripted(DetectionKind::hex, "a", "b", 0.5), scripted(DetectionKind::hex, "b", "c", 0.4999)},
        0.5,
        12};
    EXPECT_EQ(outputs(engine.inspect("a")), std::vector<std::string>{"b"});
}

TEST(ChainEngine, EarlierDetectorWinsTiesAndHigherConfidenceWinsOtherwise) {
    ChainEngine tie{
        {scripted(DetectionKind::hex, "a", "first", 0.7), scripted(DetectionKind::url, "a", "second", 0.7)},
        0.5,
        1};
    EXPECT_EQ(tie.inspect("a").steps.at(0).kind, DetectionKind::hex);
    ChainEngine better{
        {scripted(DetectionKind::hex, "a", "first", 0.7), scripted(DetectionKind::url, "a", "second", 0.71)},
        0.5,
        1};
    EXPECT_EQ(better.inspect("a").steps.at(0).kind, DetectionKind::url);
}

TEST(ChainEngine, ProgressRule) {
    // A confident non-terminal answer that returns its input is dropped; a terminal one is kept.
    ChainEngine stuck{{scripted(DetectionKind::hex, "a", "a", 0.9)}, 0.5, 12};
    EXPECT_FALSE(stuck.inspect("a").isRecognized());
    ChainEngine terminal{{scripted(DetectionKind::json, "a", "a", 0.9, true)}, 0.5, 12};
    EXPECT_EQ(terminal.inspect("a").steps.size(), 1u);
}

TEST(ChainEngine, CycleEndsBeforeTheRepeatedTextIsDecodedAgain) {
    auto forward = scripted(DetectionKind::hex, "a", "b", 0.9);
    auto back = scripted(DetectionKind::url, "b", "a", 0.9);
    ChainEngine engine{{forward, back}, 0.5, 12};
    DecodeChain chain = engine.inspect("a");
    EXPECT_EQ(outputs(chain), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(forward->calls, 2); // "a" and "b" were each offered once to every detector
}

TEST(ChainEngine, DepthLimitAndZeroDepth) {
    DetectorList ladder;
    for (int i = 0; i < 20; ++i)
        ladder.push_back(scripted(DetectionKind::hex, std::to_string(i), std::to_string(i + 1), 0.9));
    EXPECT_EQ(ChainEngine({ladder, 0.5, 12}).inspect("0").steps.size(), 12u);
    EXPECT_FALSE(ChainEngine({ladder, 0.5, 0}).inspect("0").isRecognized());
}

TEST(ChainEngine, OnlyTheFirstTextIsTrimmedAndInputIsKept) {
    ChainEngine engine{
        {scripted(DetectionKind::hex, "a", " b ", 0.9), scripted(DetectionKind::url, "b", "c", 0.9)},
        0.5,
        12};
    DecodeChain chain = engine.inspect("\u00A0 a\n");
    EXPECT_EQ(chain.input, "\u00A0 a\n");
    EXPECT_EQ(outputs(chain), std::vector<std::string>{" b "}); // " b " is not trimmed into "b"
}

TEST(ChainEngine, EveryDetectorIsAskedEvenAfterAHitAndFailuresAreSilent) {
    auto late = scripted(DetectionKind::url, "zz", "never", 0.9);
    ChainEngine engine{
        {std::make_shared<ThrowingDetector>(), scripted(DetectionKind::hex, "a", "b", 0.9), late}, 0.5, 12};
    DecodeChain chain = engine.inspect("a");
    EXPECT_EQ(outputs(chain), std::vector<std::string>{"b"});
    EXPECT_EQ(late->calls, 2);
}

#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/scan/tests/ScanTestEngines.h"

#include <gtest/gtest.h>
#include <limits>

using namespace tindrel;
using enum DetectionKind;

namespace {

// Answers `to` with a fixed confidence when offered `from`; counts every text offered in `calls`.
std::shared_ptr<const Detector> scripted(DetectionKind kind, const std::string& from, const std::string& to,
                                         double confidence, bool terminal = false, int* calls = nullptr) {
    return std::make_shared<scantest::FunctionDetector>(
        kind, [=](std::string_view text) -> std::optional<DecodeResult> {
            if (calls) ++*calls;
            if (text != from) return std::nullopt;
            return DecodeResult{kind, to, confidence, from + "->" + to, {}, terminal};
        });
}

ChainEngine engineOf(DetectorList detectors, int depthLimit = 12) {
    return {std::move(detectors), 0.5, depthLimit};
}

std::vector<std::string> outputs(const DecodeChain& chain) {
    std::vector<std::string> result;
    for (const auto& step : chain.steps)
        result.push_back(step.output);
    return result;
}

} // namespace

TEST(ChainEngine, ThresholdIsInclusive) {
    ChainEngine engine = engineOf({scripted(hex, "a", "b", 0.5), scripted(hex, "b", "c", 0.4999)});
    EXPECT_EQ(outputs(engine.inspect("a")), std::vector<std::string>{"b"});
}

TEST(ChainEngine, EarlierDetectorWinsTiesAndHigherConfidenceWinsOtherwise) {
    ChainEngine tie = engineOf({scripted(hex, "a", "first", 0.7), scripted(url, "a", "second", 0.7)}, 1);
    EXPECT_EQ(tie.inspect("a").steps.at(0).kind, hex);
    ChainEngine better = engineOf({scripted(hex, "a", "first", 0.7), scripted(url, "a", "second", 0.71)}, 1);
    EXPECT_EQ(better.inspect("a").steps.at(0).kind, url);
}

TEST(ChainEngine, ProgressRule) {
    // A confident non-terminal answer that returns its input is dropped; a terminal one is kept.
    ChainEngine stuck = engineOf({scripted(hex, "a", "a", 0.9)});
    EXPECT_FALSE(stuck.inspect("a").isRecognized());
    EXPECT_EQ(stuck.inspect("a").stop, StopReason{});
    ChainEngine terminal = engineOf({scripted(json, "a", "a", 0.9, true)});
    EXPECT_EQ(terminal.inspect("a").steps.size(), 1u);
    EXPECT_EQ(terminal.inspect("a").stop.cause, StopReason::Cause::terminal);
}

TEST(ChainEngine, LosersThatCouldHaveBeenChosenAreTheAlternativesMostConfidentFirst) {
    // hex leads until url beats it, so hex is set aside after base32 yet still goes first: it
    // comes earlier in the list at the same confidence. The answer that makes no progress and the
    // one below the threshold are no alternatives; the best of those below is the closest miss.
    ChainEngine engine = engineOf({scripted(hex, "a", "h", 0.6), scripted(base32, "a", "b", 0.6),
                                   scripted(url, "a", "u", 0.9), scripted(json, "a", "a", 0.95),
                                   scripted(yaml, "a", "y", 0.49), scripted(hash, "u", "x", 0.3),
                                   scripted(uuid, "u", "z", 0.4), scripted(xml, "u", "u", 0.45)});
    DecodeChain chain = engine.inspect("a");
    ASSERT_EQ(outputs(chain), std::vector<std::string>{"u"});
    EXPECT_EQ(chain.steps[0].alternatives,
              (std::vector<Alternative>{{hex, 0.6, "a->h"}, {base32, 0.6, "a->b"}}));
    EXPECT_EQ(chain.stop, (StopReason{StopReason::Cause::nothingRecognized, Alternative{uuid, 0.4, "u->z"}}));
    // The alternatives record how the step was chosen; they are no part of what it is.
    DecodeResult bare = chain.steps[0];
    bare.alternatives.clear();
    EXPECT_EQ(bare, chain.steps[0]);
}

TEST(ChainEngine, ChosenReadings) {
    ChainEngine engine = engineOf({scripted(hex, "a", "h", 0.9), scripted(url, "a", "u", 0.2),
                                   scripted(json, "u", "{}", 0.9, true), scripted(hex, "h", "i", 0.8)});
    // A reading below the threshold may be chosen; the engine's own choice becomes an alternative.
    ReadingOutcome overruled = engine.inspect("a", {{0, url}});
    EXPECT_FALSE(overruled.refused);
    EXPECT_EQ(outputs(overruled.chain), (std::vector<std::string>{"u", "{}"}));
    ASSERT_EQ(overruled.chain.steps[0].alternatives.size(), 1u);
    EXPECT_EQ(overruled.chain.steps[0].alternatives[0].kind, hex);
    EXPECT_EQ(overruled.chain.stop.cause, StopReason::Cause::terminal);
    EXPECT_EQ(engine.reread(engine.inspect("a"), 0, url).chain, overruled.chain);

    // Rereading a later step keeps the steps before it exactly, alternatives included.
    ReadingOutcome second = engine.reread(overruled.chain, 1, json);
    EXPECT_EQ(second.chain.steps, overruled.chain.steps);
    EXPECT_EQ(second.chain.steps[0].alternatives, overruled.chain.steps[0].alternatives);

    struct Case {
        ChosenReadings chosen;
        std::optional<RefusedReading> refused;
        std::vector<std::string> stepsKept;
    } cases[] = {
        {{{0, hex}}, std::nullopt, {"h", "i"}},
        {{{0, uuid}}, RefusedReading{0, uuid, true}, {}},
        {{{1, json}}, RefusedReading{1, json, true}, {"h"}},
        // Past the end of the chain: "i" is recognised by nothing, so step 3 is never reached.
        {{{0, url}, {5, hex}}, RefusedReading{5, hex, false}, {"u", "{}"}},
        {{{3, hex}}, RefusedReading{3, hex, false}, {"h", "i"}},
    };
    for (const Case& c : cases) {
        ReadingOutcome outcome = engine.inspect("a", c.chosen);
        EXPECT_EQ(outcome.refused, c.refused) << c.chosen.begin()->first;
        EXPECT_EQ(outputs(outcome.chain), c.stepsKept) << c.chosen.begin()->first;
    }
}

TEST(ChainEngine, CycleEndsBeforeTheRepeatedTextIsDecodedAgain) {
    int calls = 0;
    ChainEngine engine =
        engineOf({scripted(hex, "a", "b", 0.9, false, &calls), scripted(url, "b", "a", 0.9)});
    DecodeChain chain = engine.inspect("a");
    EXPECT_EQ(outputs(chain), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(chain.stop.cause, StopReason::Cause::repeatedText);
    EXPECT_EQ(calls, 2); // "a" and "b" were each offered once to every detector
}

TEST(ChainEngine, DepthLimitAndZeroDepth) {
    DetectorList ladder;
    for (int i = 0; i < 20; ++i)
        ladder.push_back(scripted(hex, std::to_string(i), std::to_string(i + 1), 0.9));
    EXPECT_EQ(ChainEngine({ladder, 0.5, 12}).inspect("0").steps.size(), 12u);
    EXPECT_EQ(ChainEngine({ladder, 0.5, 12}).inspect("0").stop.cause, StopReason::Cause::depthLimit);
    EXPECT_FALSE(ChainEngine({ladder, 0.5, 0}).inspect("0").isRecognized());
    EXPECT_EQ(ChainEngine({ladder, 0.5, 0}).inspect("0").stop.cause, StopReason::Cause::depthLimit);
}

TEST(ChainEngine, OnlyTheFirstTextIsTrimmedAndInputIsKept) {
    ChainEngine engine = engineOf({scripted(hex, "a", " b ", 0.9), scripted(url, "b", "c", 0.9)});
    DecodeChain chain = engine.inspect("\u00A0 a\n");
    EXPECT_EQ(chain.input, "\u00A0 a\n");
    EXPECT_EQ(outputs(chain), std::vector<std::string>{" b "}); // " b " is not trimmed into "b"
}

TEST(ChainEngine, EveryDetectorIsAskedEvenAfterAHitAndFailuresAreSilent) {
    auto throwing = [](std::string_view) -> std::optional<DecodeResult> { throw std::runtime_error("boom"); };
    int calls = 0;
    ChainEngine engine =
        engineOf({std::make_shared<scantest::FunctionDetector>(hex, throwing), scripted(hex, "a", "b", 0.9),
                  scripted(url, "zz", "never", 0.9, false, &calls)});
    DecodeChain chain = engine.inspect("a");
    EXPECT_EQ(outputs(chain), std::vector<std::string>{"b"});
    EXPECT_EQ(calls, 2);
}

// recognise gives inspect's chain for a text something recognises, trimmed input and cycles
// included, and nothing for one that nothing does; recognises tells the two apart.
TEST(ChainEngine, RecogniseAgreesWithInspect) {
    ChainEngine engine = engineOf({scripted(hex, "a", "b", 0.9), scripted(url, "b", "a", 0.9),
                                   scripted(base64, "c", "d", 0.4), scripted(json, "e", "f", 0.9, true)});
    for (std::string text : {"a", " a\n", "b", "c", "e", "x", "", "\u00A0e"}) {
        DecodeChain inspected = engine.inspect(text);
        std::optional<DecodeChain> recognised = engine.recognise(text);
        ASSERT_EQ(recognised.has_value(), inspected.isRecognized()) << text;
        ASSERT_EQ(engine.recognises(text), inspected.isRecognized()) << text;
        if (recognised) {
            EXPECT_EQ(*recognised, inspected) << text;
        }
    }
}

// A detector that answers below the threshold, or with the text itself, does not make a first step;
// nor does any at depth 0.
TEST(ChainEngine, RecognisesOnlyWhatMakesAFirstStep) {
    ChainEngine engine = engineOf({scripted(hex, "a", "a", 0.9), scripted(url, "b", "c", 0.49),
                                   scripted(base64, "d", "d", 0.9, true), scripted(json, "e", "f", 0.5)});
    EXPECT_FALSE(engine.recognises("a"));
    EXPECT_FALSE(engine.recognises("b"));
    EXPECT_TRUE(engine.recognises("d"));
    EXPECT_TRUE(engine.recognises("e"));
    EXPECT_FALSE(engineOf(engine.detectors, 0).recognises("e"));
}

// Whichever detector is asked first, out of range included, the answer is the same; after a yes the
// one named is one that answers, after a no the name is left as it was.
TEST(ChainEngine, RecognisesAlikeWhicheverDetectorIsAskedFirst) {
    ChainEngine engine = engineOf({scripted(hex, "a", "a", 0.9), scripted(url, "b", "c", 0.49),
                                   scripted(base64, "d", "d", 0.9, true), scripted(json, "e", "f", 0.5),
                                   scripted(url, "e", "g", 0.9)});
    for (std::string text : {"a", "b", "d", "e", "x"})
        for (std::size_t first = 0; first <= engine.detectors.size(); ++first) {
            std::size_t asked = first;
            const bool answer = engine.recognises(text, asked);
            EXPECT_EQ(answer, engine.recognises(text)) << text << " " << first;
            if (answer) {
                ASSERT_LT(asked, engine.detectors.size());
                EXPECT_TRUE(engineOf({engine.detectors[asked]}).recognises(text)) << text << " " << first;
            } else {
                EXPECT_EQ(asked, first) << text;
            }
        }
}

// An answer no document could hold is no answer: not chosen, no alternative, not the closest miss,
// not a reading that can be chosen; a well-formed answer less confident wins in its place. Every
// chain the engine makes of UTF-8 text can then be written whole.
TEST(ChainEngine, AnswersThatCannotBeWrittenAreNoAnswers) {
    const std::string invalid = "\xC3(";
    auto answering = [](DecodeResult result) {
        return std::make_shared<scantest::FunctionDetector>(
            result.kind, [result](std::string_view text) -> std::optional<DecodeResult> {
                if (text != "a") return std::nullopt;
                return result;
            });
    };
    const double infinity = std::numeric_limits<double>::infinity();
    const DecodeResult cases[] = {
        {hex, invalid, 0.9, "summary", {}, false},
        {hex, "h", 0.9, invalid, {}, false},
        {hex, "h", 0.9, "summary", {{invalid, "v"}}, false},
        {hex, "h", 0.9, "summary", {{"k", "v"}, {"w", invalid}}, false},
        {hex, "h", infinity, "summary", {}, false},
        {hex, "h", std::numeric_limits<double>::quiet_NaN(), "summary", {}, false},
    };
    for (const DecodeResult& malformed : cases) {
        const std::string name = malformed.output + "|" + malformed.summary;
        ChainEngine alone = engineOf({answering(malformed)});
        EXPECT_FALSE(alone.inspect("a").isRecognized()) << name;
        EXPECT_FALSE(alone.recognises("a")) << name;
        EXPECT_TRUE(alone.inspect("a", {{0, hex}}).refused) << name;

        ChainEngine beside = engineOf({answering(malformed), scripted(url, "a", "u", 0.6)});
        DecodeChain chain = beside.inspect("a");
        ASSERT_EQ(outputs(chain), std::vector<std::string>{"u"}) << name;
        EXPECT_TRUE(chain.steps[0].alternatives.empty()) << name;
        EXPECT_TRUE(beside.recognises("a")) << name;
    }
    // Below the threshold, the closest miss must be writable too.
    const DecodeResult unwritableMiss{hex, "h", 0.4, invalid, {}, false};
    const DecodeResult endlessMiss{hex, "h", -infinity, "summary", {}, false};
    for (const DecodeResult& miss : {unwritableMiss, endlessMiss}) {
        ChainEngine engine = engineOf({answering(miss), scripted(url, "a", "u", 0.3)});
        EXPECT_EQ(engine.inspect("a").stop,
                  (StopReason{StopReason::Cause::nothingRecognized, Alternative{url, 0.3, "a->u"}}));
    }
}

#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/text/Clock.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace tindrel;
using Cause = StopReason::Cause;

namespace {

// Each step's alternatives written "kind confidence" and joined by ", ", "-" for none; steps
// joined by "|".
std::string alternativesText(const DecodeChain& chain) {
    std::string text;
    for (const DecodeResult& step : chain.steps) {
        text += &step == &chain.steps.front() ? "" : "|";
        text += step.alternatives.empty() ? "-" : "";
        for (const Alternative& alternative : step.alternatives)
            text += (&alternative == &step.alternatives.front() ? "" : ", ") +
                    std::string(detection_kind::rawValue(alternative.kind)) + " " +
                    std::to_string(alternative.confidence).substr(0, 4);
    }
    return text;
}

} // namespace

// The shared engine as it ships, on each input of tests/data/chains.tsv: the chain, what else each
// step could have been, why the chain ends, and what the explainer makes of it.
TEST(ChainTable, SharedEngineReadsEachInput) {
    std::optional<Clock::Pinned> now(std::in_place, fixtures::bundleNow);
    for (const fixtures::Row& row : fixtures::table("chains.tsv")) {
        if (row[0] == "now" && row.size() == 2) {
            now.reset();
            now.emplace(std::stod(row[1]));
            continue;
        }
        DecodeChain chain = Tindrel::inspect(row[0]);
        EXPECT_EQ(chain.shapeText(), row[1]) << row.where;
        EXPECT_EQ(stopCauseName(chain.stop.cause), row[2]) << row.where;
        EXPECT_EQ(alternativesText(chain), row[3]) << row.where;
        // No shipped detector answers below the threshold, so there is never a closest miss.
        EXPECT_EQ(chain.stop.closest, std::nullopt) << row.where;
        EXPECT_EQ(Explainer::rawValue(Explainer::riskLevel(chain)), row[4]) << row.where;
        EXPECT_EQ(Explainer::nextSteps(chain), std::vector(row.cells.begin() + 5, row.cells.end()))
            << row.where;
    }
}

// Twelve layers come off whole, inspected alone or found on a log line by the shared scanner; of a
// thirteenth, the last is left though it would decode.
TEST(SharedEngine, TakesOffTwelveLayersAtMost) {
    for (int layers : {12, 13}) {
        std::string text = "hello world";
        for (int layer = 0; layer < layers; ++layer)
            text = Bytes::base64Encode(text);
        const std::string left = layers == 12 ? "hello world" : Bytes::base64Encode("hello world");
        std::vector<ScanFinding> found = Tindrel::scan("12:00:01 token: " + text + "\n");
        ASSERT_EQ(found.size(), 1u) << layers;
        for (const DecodeChain& chain : {Tindrel::inspect(text), *found[0].chain}) {
            EXPECT_EQ(chain.steps.size(), 12u) << layers;
            EXPECT_EQ(chain.stop.cause, Cause::depthLimit) << layers;
            EXPECT_EQ(chain.finalValue(), left) << layers;
        }
    }
}

TEST(SharedEngine, ChosenReadingOverrulesTheEngineAndTheRestFollows) {
    const std::string hex = fixtures::hexOf("0123456789abcdef");
    ReadingOutcome asHash = Tindrel::inspect(hex, {{0, DetectionKind::hash}});
    EXPECT_EQ(std::tuple(asHash.refused, asHash.chain.shapeText(), alternativesText(asHash.chain),
                         asHash.chain.stop.cause),
              std::tuple(std::nullopt, "hash", "hex 0.60", Cause::terminal));
    EXPECT_EQ(Tindrel::reread(Tindrel::inspect(hex), 0, DetectionKind::hash).chain, asHash.chain);
    EXPECT_EQ(Tindrel::inspect(hex, {{0, DetectionKind::uuid}}).refused,
              (RefusedReading{0, DetectionKind::uuid, true}));
}

// Position in the list breaks ties, so it must not change.
TEST(SharedEngine, DetectorsFollowTheFixedOrder) {
    std::string order;
    for (const auto& detector : defaultDetectors())
        order += std::string(detection_kind::rawValue(detector->kind())) + " ";
    EXPECT_EQ(order,
              "jwt pem hash plist xml url gzip zlib json yaml uuid unixTimestamp queryString htmlEntities "
              "unicodeEscape base64 base32 base58 hex ");
}

#include "EncodingFixtures.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/text/Bytes.h"

#include <gtest/gtest.h>

using namespace tindrel;
using Cause = StopReason::Cause;

namespace {

std::string nested(std::string text, int levels) {
    for (int i = 0; i < levels; ++i)
        text = Bytes::base64Encode(text);
    return text;
}

// `part` `times` times, joined by `separator`.
std::string repeated(const std::string& part, int times, const std::string& separator) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += (i ? separator : "") + part;
    return text;
}

// Each step's alternatives written "kind confidence" and joined by ", ", steps joined by " | ".
std::string alternativesText(const DecodeChain& chain) {
    std::string text;
    for (const DecodeResult& step : chain.steps) {
        if (&step != &chain.steps.front()) text += " | ";
        for (const Alternative& alternative : step.alternatives) {
            if (&alternative != &step.alternatives.front()) text += ", ";
            text += std::string(detection_kind::rawValue(alternative.kind)) + " " +
                    std::to_string(alternative.confidence).substr(0, 4);
        }
    }
    return text;
}

} // namespace

// The shared engine as it ships: what else each step could have been, and why the chain ends.
TEST(OtherReadings, SharedEngineRecordsTheLosersAndTheStop) {
    struct Case {
        std::string name, input, shape, alternatives;
        Cause stop;
    } const cases[] = {
        // 32 hex digits that spell text: read as hex, though they are also the length of an MD5.
        {"hex text", fixtures::hexOf("0123456789abcdef"), "hex", "hash 0.50", Cause::nothingRecognized},
        // An MD5 digest spells no text, so nothing competes with the hash reading.
        {"md5", "5d41402abc4b2a76b9719d911017c592", "hash", "", Cause::terminal},
        {"uuid", "550e8400-e29b-41d4-a716-446655440000", "uuid", "", Cause::terminal},
        {"base64 text", Bytes::base64Encode("The quick brown fox jumps over the lazy dog, twice over."),
         "base64", "", Cause::nothingRecognized},
        {"jwt", std::string(Samples::token), "jwt \u2192 json", " | ", Cause::terminal},
        {"plain text", "just some words", "", "", Cause::nothingRecognized},
        // Twelve layers come off; the thirteenth is left, though it would decode.
        {"thirteen levels", nested("hello world", 13), repeated("base64", 12, " \u2192 "),
         repeated("", 12, " | "), Cause::depthLimit},
    };
    for (const Case& c : cases) {
        DecodeChain chain = Tindrel::inspect(c.input);
        EXPECT_EQ(chain.shapeText(), c.shape) << c.name;
        EXPECT_EQ(alternativesText(chain), c.alternatives) << c.name;
        EXPECT_EQ(chain.stop.cause, c.stop) << c.name;
        // No shipped detector answers below the threshold, so there is never a closest miss.
        EXPECT_EQ(chain.stop.closest, std::nullopt) << c.name;
    }
}

TEST(OtherReadings, ChosenReadingOverrulesTheEngineAndTheRestFollows) {
    const std::string hex = fixtures::hexOf("0123456789abcdef");
    ReadingOutcome asHash = Tindrel::inspect(hex, {{0, DetectionKind::hash}});
    EXPECT_FALSE(asHash.refused);
    EXPECT_EQ(asHash.chain.shapeText(), "hash");
    EXPECT_EQ(alternativesText(asHash.chain), "hex 0.60");
    EXPECT_EQ(asHash.chain.stop.cause, Cause::terminal);
    EXPECT_EQ(Tindrel::reread(Tindrel::inspect(hex), 0, DetectionKind::hash).chain, asHash.chain);

    ReadingOutcome asUUID = Tindrel::inspect(hex, {{0, DetectionKind::uuid}});
    EXPECT_EQ(asUUID.refused, (RefusedReading{0, DetectionKind::uuid, true}));
}

TEST(OtherReadings, ExtendedExportAddsAlternativesAndStopReasonOnly) {
    using nlohmann::json;
    DecodeChain chain = Tindrel::inspect(fixtures::hexOf("0123456789abcdef"));
    json standard = json::parse(TindrelJSON::string(chain));
    json extended = json::parse(TindrelJSON::string(chain, TindrelJSON::Members::extended));
    EXPECT_FALSE(standard.contains("stopReason"));
    EXPECT_FALSE(standard["steps"][0].contains("alternatives"));
    EXPECT_EQ(
        extended["steps"][0]["alternatives"],
        json::parse(R"j([{"kind":"hash","confidence":0.5,"summary":"MD5 / MD4 / NTLM digest (128-bit)"}])j"));
    EXPECT_EQ(extended["stopReason"], json::parse(R"j({"cause":"nothingRecognized","closest":[]})j"));
    extended["steps"][0].erase("alternatives");
    extended.erase("stopReason");
    EXPECT_EQ(extended, standard);

    chain.stop = {Cause::nothingRecognized, Alternative{DetectionKind::base58, 0.25, "Base58"}};
    EXPECT_EQ(json::parse(TindrelJSON::compactString(chain, TindrelJSON::Members::extended))["stopReason"],
              json::parse(R"j({"cause":"nothingRecognized","closest":[{"kind":"base58","confidence":0.25,
                                 "summary":"Base58"}]})j"));
    std::vector<ScanFinding> findings = Tindrel::scan("id " + fixtures::hexOf("0123456789abcdef"));
    ASSERT_EQ(findings.size(), 1u);
    json scan = json::parse(TindrelJSON::string(findings, TindrelJSON::Members::extended));
    EXPECT_EQ(scan["findings"][0]["chain"]["stopReason"]["cause"], "nothingRecognized");
}

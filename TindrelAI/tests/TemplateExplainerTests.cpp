#include "ChainBuilders.h"
#include "TindrelAI/ExplainerSource.h"
#include "TindrelAI/TemplateExplainer.h"

#include <gtest/gtest.h>

using namespace tindrel;
using namespace tindrel::testing;

TEST(TemplateExplainer, ComposesSummaryAndFirstNotes) {
    const std::string notRecognized =
        "Not recognized as a known artifact. It may be plain text, an unsupported "
        "format, or only a fragment \u2014 try pasting more context.";
    struct Case {
        const char* name;
        DecodeChain chain;
        std::string expected;
    } cases[] = {
        {"empty chain", chainOf({}, "anything at all"), notRecognized},
        {"single step without notes",
         chainOf({step(DetectionKind::jwt, "a JWT (HS256)", {{"alg", "HS256"}})}), "This is a JWT (HS256)."},
        {"multi-step shape",
         chainOf({step(DetectionKind::base64, "Base64 text"), step(DetectionKind::json, "JSON"),
                  step(DetectionKind::jwt, "JWT")}),
         "This is a base64 \u2192 json \u2192 jwt chain: Base64 text."},
        {"security then next, other note dropped",
         chainOf({step(DetectionKind::hash, "a SHA-1 digest",
                       {{"recommendation", "Use SHA-256"}, {"security", "Weak"}, {"meaning", "A digest"}})}),
         "This is a SHA-1 digest. Security: Weak Next: Use SHA-256"},
        {"only a meaning", chainOf({step(DetectionKind::json, "an error", {{"meaning", "Token expired"}})}),
         "This is an error. Token expired"},
        {"earliest security wins",
         chainOf({step(DetectionKind::base64, "B", {{"security", "first"}}),
                  step(DetectionKind::hash, "H", {{"security", "second"}})}),
         "This is a base64 \u2192 hash chain: B. Security: first"},
        {"recommendation alone", chainOf({step(DetectionKind::jwt, "J", {{"recommendation", "Renew"}})}),
         "This is J. Next: Renew"},
        {"other note is first in key order",
         chainOf({step(DetectionKind::jwt, "J", {{"z_note", "Z"}, {"a_note", "A"}})}), "This is J. A"},
        {"other note from a later step",
         chainOf({step(DetectionKind::base64, "B"),
                  step(DetectionKind::jwt, "J", {{"exp_relative", "in 3 days"}})}),
         "This is a base64 \u2192 jwt chain: B. in 3 days"},
        {"facts never appear", chainOf({step(DetectionKind::uuid, "a UUID", {{"version", "4"}})}),
         "This is a UUID."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TemplateExplainer::explainSync(c.chain), c.expected) << c.name;
        EXPECT_EQ(TemplateExplainer().explain(c.chain, Cancellation{}), c.expected) << c.name;
    }
}

TEST(ExplainerSource, RawValuesRoundTrip) {
    EXPECT_EQ(explainer_source::rawValue(ExplainerSource::onDeviceAI), "on-device AI");
    EXPECT_EQ(explainer_source::rawValue(ExplainerSource::deterministic), "deterministic");
    for (ExplainerSource source : {ExplainerSource::onDeviceAI, ExplainerSource::deterministic})
        EXPECT_EQ(explainer_source::fromRawValue(explainer_source::rawValue(source)), source);
    for (const char* other : {"", "On-device AI", "onDeviceAI", "deterministic "})
        EXPECT_FALSE(explainer_source::fromRawValue(other).has_value()) << other;
}

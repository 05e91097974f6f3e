#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/tests/BundleFixtures.h"
#include "TindrelCore/text/Clock.h"

#include <gtest/gtest.h>
#include <limits>

using namespace tindrel;
using nlohmann::json;

TEST(TindrelJSON, UnrecognisedChain) {
    json document = json::parse(TindrelJSON::string(DecodeChain{"hello", {}}));
    EXPECT_EQ(
        document,
        json::parse(R"({"finalValue":"hello","input":"hello","recognized":false,"shape":[],"steps":[]})"));
}

TEST(TindrelJSON, ChainDocumentIsSortedWithPlainSlashes) {
    DecodeChain chain = Tindrel::inspect("eyJwYXRoIjoiL2EvYiJ9");
    std::string text = TindrelJSON::string(chain);
    EXPECT_EQ(text.find("\\/"), std::string::npos);
    EXPECT_LT(text.find("\"finalValue\""), text.find("\"input\""));
    EXPECT_LT(text.find("\"confidence\""), text.find("\"details\""));
    json document = json::parse(text);
    EXPECT_EQ(document["shape"], json::parse(R"(["base64","json"])"));
    EXPECT_EQ(document["finalValue"], chain.finalValue());
    EXPECT_EQ(document["steps"][0]["confidence"].get<double>(), 0.7);
    EXPECT_EQ(document["steps"][1]["details"], json::parse(R"({"topLevel":"object"})"));
    EXPECT_EQ(TindrelJSON::compactString(chain).find('\n'), std::string::npos);
}

TEST(TindrelJSON, DetailsKeysAreSorted) {
    DecodeChain chain{"x", {{DetectionKind::hex, "y", 0.5, "s", {{"b", "2"}, {"a", "1"}}, false}}};
    std::string text = TindrelJSON::string(chain);
    EXPECT_LT(text.find("\"a\""), text.find("\"b\""));
}

TEST(TindrelJSON, NonFiniteConfidenceGivesEmptyObject) {
    DecodeChain chain{"x",
                      {{DetectionKind::hex, "y", std::numeric_limits<double>::infinity(), "s", {}, false}}};
    EXPECT_EQ(TindrelJSON::string(chain), "{}");
    chain.steps[0].confidence = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(TindrelJSON::compactString(chain), "{}");
}

namespace {

// The scan document put together from its parts, as a writer that streams findings does.
std::optional<std::string> assembled(const std::vector<ScanFinding>& findings) {
    std::string text = TindrelJSON::scanOpening(findings.size());
    for (std::size_t i = 0; i < findings.size(); ++i) {
        std::optional<std::string> entry = TindrelJSON::findingEntry(findings[i]);
        if (!entry) return std::nullopt;
        if (i > 0) text += TindrelJSON::entrySeparator;
        text += *entry;
    }
    return text + TindrelJSON::scanClosing(findings.size());
}

} // namespace

TEST(TindrelJSON, ScanDocumentPartsMakeTheWholeDocument) {
    const std::string logs[] = {
        "",
        "only 1700000000",
        "boot\nAuthorization: Bearer " + std::string(Samples::token) +
            "\n{\"path\":\"/a/b\",\"n\":[1,2]}\nid=1&page=2 at 1700000000000 eyJhIjoxfQ.e30.x\n",
    };
    for (const std::string& log : logs) {
        std::vector<ScanFinding> findings = Tindrel::scan(log);
        EXPECT_EQ(assembled(findings), TindrelJSON::string(findings)) << log;
    }
}

TEST(TindrelJSON, FindingWithANonFiniteConfidenceHasNoEntry) {
    ScanFinding finding{
        "x", 1, {"x", {{DetectionKind::hex, "y", std::numeric_limits<double>::infinity(), "s", {}, true}}}};
    EXPECT_FALSE(TindrelJSON::findingEntry(finding));
    EXPECT_EQ(TindrelJSON::string(std::vector<ScanFinding>{finding}), "{}");
}

// Extended documents add `bundle` to a pem step of several blocks and change nothing else.
TEST(TindrelJSON, ExtendedDocumentAddsTheBundle) {
    Clock::Pinned now(fixtures::bundleNow);
    struct Case {
        const char* name;
        std::string text;
        std::optional<std::string> bundle;
    } cases[] = {
        {"fullchain with an impostor", fixtures::bundleOf({"leaf.pem", "impostor.pem", "root.pem"}), R"({
            "complete": true, "expiresFirst": 1,
            "links": [{"issued": 1, "issuer": 2, "status": "signatureMismatch"},
                      {"issued": 2, "issuer": 3, "status": "linked"}]})"},
        {"key and certificate", fixtures::bundleOf({"leaf.key", "leaf.pem"}), R"({
            "complete": true, "expiresFirst": 2, "links": [], "blocks": [
            {"number": 1, "label": "PRIVATE KEY", "derBytes": 138, "key": {"type": "EC P-256", "bits": 256}},
            {"number": 2, "label": "CERTIFICATE", "derBytes": 626, "certificate": {
                "subjectCN": "leaf.tindrel.test", "issuerCN": "Tindrel Test Intermediate",
                "notBefore": "2024-06-01T00:00:00Z", "notAfter": "2026-06-01T00:00:00Z",
                "expired": false, "notYetValid": false, "daysLeft": 365,
                "sanDNS": ["leaf.tindrel.test", "www.tindrel.test"], "key": {"type": "EC P-256", "bits": 256},
                "sha256": "E5:33:2F:7A:01:AC:70:06:5A:8C:6A:6F:AC:14:3C:8B:EF:84:3E:A5:F8:3B:9A:B8:F1:32:3A:4C:02:8C:65:96"
            }}]})"},
        {"one certificate", fixtures::bundleOf({"leaf.pem"}), std::nullopt},
        {"not PEM", "eyJ1c2VyIjoiYWRhIn0=", std::nullopt},
    };
    for (const Case& c : cases) {
        DecodeChain chain = Tindrel::inspect(c.text);
        json plain = json::parse(TindrelJSON::string(chain));
        json extended = json::parse(TindrelJSON::string(chain, TindrelJSON::Members::extended));
        EXPECT_EQ(json::parse(TindrelJSON::compactString(chain, TindrelJSON::Members::extended)), extended)
            << c.name;
        extended.erase("stopReason"); // the readings' members have a test of their own
        for (json& each : extended["steps"])
            each.erase("alternatives");
        json step = extended["steps"].back();
        EXPECT_EQ(step.contains("bundle"), c.bundle.has_value()) << c.name;
        if (!c.bundle) {
            EXPECT_EQ(extended, plain) << c.name;
            continue;
        }
        json bundle = step["bundle"];
        const json expected = json::parse(*c.bundle);
        for (const auto& [key, value] : expected.items())
            EXPECT_EQ(bundle[key], value) << c.name << " " << key;
        extended["steps"].back().erase("bundle");
        EXPECT_EQ(extended, plain) << c.name;
    }
}

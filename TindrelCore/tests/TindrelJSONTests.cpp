#include "TindrelCore/Samples.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/text/Clock.h"

#include <gtest/gtest.h>
#include <limits>
#include <nlohmann/json.hpp>

using namespace tindrel;
using nlohmann::json;
using TindrelJSON::Members;

namespace {

// The document is exactly what nlohmann writes for the same value: keys sorted, its spacing.
void expectCanonical(const std::string& text, int indent) {
    EXPECT_EQ(json::parse(text).dump(indent), text);
}

} // namespace

TEST(TindrelJSON, ChainDocumentIsSortedWithPlainSlashes) {
    EXPECT_EQ(
        json::parse(TindrelJSON::string(DecodeChain{"hello", {}})),
        json::parse(R"({"finalValue":"hello","input":"hello","recognized":false,"shape":[],"steps":[]})"));
    // Keys sorted, "/" left plain, two spaces an indent: the document to the byte.
    DecodeChain chain = Tindrel::inspect("eyJwYXRoIjoiL2EvYiJ9");
    EXPECT_EQ(TindrelJSON::string(chain), fixtures::testData("json/chain.json"));
    EXPECT_EQ(TindrelJSON::compactString(chain).find('\n'), std::string::npos);
    std::string details = TindrelJSON::string(
        DecodeChain{"x", {{DetectionKind::hex, "y", 0.5, "s", {{"b", "2"}, {"a", "1"}}, false}}});
    EXPECT_LT(details.find("\"a\""), details.find("\"b\""));
}

TEST(TindrelJSON, NonFiniteConfidenceGivesNoDocument) {
    DecodeChain chain{"x",
                      {{DetectionKind::hex, "y", std::numeric_limits<double>::infinity(), "s", {}, false}}};
    EXPECT_EQ(TindrelJSON::string(chain), "{}");
    ScanFinding finding{1, std::make_shared<const DecodeChain>(chain)};
    EXPECT_FALSE(TindrelJSON::findingEntry(finding));
    EXPECT_EQ(TindrelJSON::string(std::vector<ScanFinding>{finding}), "{}");
    chain.steps[0].confidence = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(TindrelJSON::compactString(chain), "{}");
}

TEST(TindrelJSON, ScanDocumentHoldsEachFindingAndComesInParts) {
    const std::string logs[] = {
        "",
        "only 1700000000",
        "boot\nAuthorization: Bearer " + std::string(Samples::token) +
            "\n{\"path\":\"/a/b\",\"n\":[1,2]}\nid=1&page=2 at 1700000000000 eyJhIjoxfQ.e30.x\n",
    };
    for (const std::string& log : logs) {
        std::vector<ScanFinding> findings = Tindrel::scan(log);
        expectCanonical(TindrelJSON::string(findings), 2);
        expectCanonical(TindrelJSON::string(findings, Members::extended), 2);
        for (const ScanFinding& finding : findings) {
            expectCanonical(TindrelJSON::string(*finding.chain, Members::extended), 2);
            expectCanonical(TindrelJSON::compactString(*finding.chain), -1);
            const std::string path = "logs/app.log";
            const TindrelJSON::FindingPlace place{7, &path};
            const std::string placed =
                TindrelJSON::scanDocument({TindrelJSON::findingEntry(finding, {}, &place)});
            expectCanonical(placed, 2);
            EXPECT_EQ(json::parse(placed)["findings"][0].value("path", "") + "@" +
                          std::to_string(json::parse(placed)["findings"][0].value("column", 0)),
                      "logs/app.log@7");
        }
    }
    EXPECT_EQ(json::parse(TindrelJSON::string(std::vector<ScanFinding>{})),
              json::parse(R"({"count":0,"findings":[]})"));
    std::string text = TindrelJSON::string(Tindrel::scan("x\n{\"path\":\"/a/b\"}"));
    EXPECT_EQ(text.find("\\/"), std::string::npos);
    EXPECT_LT(text.find("\"count\""), text.find("\"findings\""));
    const json finding = {
        {"line", 2},
        {"matchedText", "{\"path\":\"/a/b\"}"},
        {"shape", {"json"}},
        {"chain", json::parse(TindrelJSON::string(Tindrel::inspect("{\"path\":\"/a/b\"}")))}};
    EXPECT_EQ(json::parse(text), (json{{"count", 1}, {"findings", json::array({finding})}}));
}

TEST(TindrelJSON, ExtendedDocumentAddsAlternativesAndStopReasonOnly) {
    DecodeChain chain = Tindrel::inspect(fixtures::hexOf("0123456789abcdef"));
    json standard = json::parse(TindrelJSON::string(chain));
    json extended = json::parse(TindrelJSON::string(chain, Members::extended));
    EXPECT_FALSE(standard.contains("stopReason"));
    EXPECT_EQ(
        extended["steps"][0]["alternatives"],
        json::parse(R"j([{"kind":"hash","confidence":0.5,"summary":"MD5 / MD4 / NTLM digest (128-bit)"}])j"));
    EXPECT_EQ(extended["stopReason"], json::parse(R"({"cause":"nothingRecognized","closest":[]})"));
    extended["steps"][0].erase("alternatives");
    extended.erase("stopReason");
    EXPECT_EQ(extended, standard);

    chain.stop = {StopReason::Cause::nothingRecognized, Alternative{DetectionKind::base58, 0.25, "Base58"}};
    EXPECT_EQ(json::parse(TindrelJSON::compactString(chain, Members::extended))["stopReason"],
              json::parse(R"({"cause":"nothingRecognized","closest":[{"kind":"base58","confidence":0.25,
                                 "summary":"Base58"}]})"));
    json scan = json::parse(
        TindrelJSON::string(Tindrel::scan("id " + fixtures::hexOf("0123456789abcdef")), Members::extended));
    EXPECT_EQ(scan["findings"][0]["chain"]["stopReason"]["cause"], "nothingRecognized");
}

// Extended documents add `bundle` to a pem step of several blocks (tests/data/x509/bundle/extended.json)
// and change nothing else.
TEST(TindrelJSON, ExtendedDocumentAddsTheBundle) {
    Clock::Pinned now(fixtures::bundleNow);
    const json bundles = json::parse(fixtures::testData("x509/bundle/extended.json"));
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"fullchain with an impostor", fixtures::bundleOf({"leaf.pem", "impostor.pem", "root.pem"})},
        {"key and certificate", fixtures::bundleOf({"leaf.key", "leaf.pem"})},
        {"one certificate", fixtures::bundleOf({"leaf.pem"})},
        {"not PEM", "eyJ1c2VyIjoiYWRhIn0="},
    };
    for (const Case& c : cases) {
        DecodeChain chain = Tindrel::inspect(c.text);
        expectCanonical(TindrelJSON::string(chain, Members::extended), 2);
        json plain = json::parse(TindrelJSON::string(chain));
        json extended = json::parse(TindrelJSON::string(chain, Members::extended));
        EXPECT_EQ(json::parse(TindrelJSON::compactString(chain, Members::extended)), extended) << c.name;
        extended.erase("stopReason");
        for (json& each : extended["steps"])
            each.erase("alternatives");
        json& step = extended["steps"].back();
        ASSERT_EQ(step.contains("bundle"), bundles.contains(c.name)) << c.name;
        if (step.contains("bundle")) {
            for (const auto& [key, value] : bundles[c.name].items())
                EXPECT_EQ(step["bundle"][key], value) << c.name << " " << key;
            step.erase("bundle");
        }
        EXPECT_EQ(extended, plain) << c.name;
    }
}

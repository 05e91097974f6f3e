#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"

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

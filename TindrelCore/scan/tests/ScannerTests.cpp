#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/scan/Scanner.h"
#include "TindrelCore/scan/tests/ScanTestEngines.h"

#include <gtest/gtest.h>

using namespace tindrel;
using scantest::engineOf;
using scantest::startsWith;

namespace {

const std::string token(Samples::token);

struct Expected {
    std::string matchedText;
    std::size_t line;
    DetectionKind kind;
};

std::vector<Expected> summarize(const std::vector<ScanFinding>& findings) {
    std::vector<Expected> out;
    for (const ScanFinding& finding : findings)
        out.push_back({finding.matchedText, finding.line, finding.kind().value_or(DetectionKind::yaml)});
    return out;
}

bool operator==(const Expected& a, const Expected& b) {
    return a.matchedText == b.matchedText && a.line == b.line && a.kind == b.kind;
}

void PrintTo(const Expected& e, std::ostream* os) {
    *os << "{" << e.matchedText << ", line " << e.line << ", " << detection_kind::rawValue(e.kind) << "}";
}

// Recognises whatever the predicates accept, so the expectations do not hang on real detectors.
ChainEngine markerEngine() {
    return engineOf({
        {DetectionKind::pem, [](std::string_view t) { return startsWith(t, "-----BEGIN"); }},
        {DetectionKind::jwt, [](std::string_view t) { return startsWith(t, "eyJ"); }},
        {DetectionKind::json, [](std::string_view t) { return startsWith(t, "{") || startsWith(t, "["); }},
        {DetectionKind::unixTimestamp, [](std::string_view t) { return t.size() == 10 || t.size() == 13; }},
        {DetectionKind::hex, [](std::string_view t) { return t.find('=') == std::string_view::npos; }},
    });
}

} // namespace

TEST(Scanner, FindsArtifactsWithTheirLines) {
    struct Case {
        std::string name, text;
        std::vector<Expected> expected;
    } cases[] = {
        {"empty", "", {}},
        {"nothing", "plain words only\nand a second line", {}},
        {"pem over many lines",
         "start\n-----BEGIN "
         "CERTIFICATE-----\nMIIBszCCAVmgAwIBAgIUdGVzdGNlcnRpZmljYXRl\nQUJDREVGR0hJSktMTU5PUFFS\n"
         "-----END CERTIFICATE-----\nend",
         {{"-----BEGIN CERTIFICATE-----\nMIIBszCCAVmgAwIBAgIUdGVzdGNlcnRpZmljYXRl\nQUJDREVGR0hJSktMTU5PUFFS\n"
           "-----END CERTIFICATE-----",
           2, DetectionKind::pem}}},
        {"text order beats priority order",
         "at 1700000000 got eyJhIjoxfQ.e30.x",
         {{"1700000000", 1, DetectionKind::unixTimestamp}, {"eyJhIjoxfQ.e30.x", 1, DetectionKind::jwt}}},
        {"the same token on two lines",
         "a eyJa.b.c\nb eyJa.b.c",
         {{"eyJa.b.c", 1, DetectionKind::jwt}, {"eyJa.b.c", 2, DetectionKind::jwt}}},
        {"a JWT inside a JSON body wins", "{\"t\":\"eyJa.b.c\"}", {{"eyJa.b.c", 1, DetectionKind::jwt}}},
        {"a timestamp inside an accepted JSON body is not reported",
         "x\r\n{\"ts\":1700000000}",
         {{"{\"ts\":1700000000}", 2, DetectionKind::json}}},
        {"an unrecognised base64 run does not block the hex run inside it",
         "id 0123456789abcdef0123456789abcdef==",
         {{"0123456789abcdef0123456789abcdef", 1, DetectionKind::hex}}},
        {"lone carriage returns do not end lines",
         "a\rb\r\n\n1700000000",
         {{"1700000000", 3, DetectionKind::unixTimestamp}}},
    };
    Scanner scanner{markerEngine()};
    for (const Case& c : cases)
        EXPECT_EQ(summarize(scanner.scan(c.text)), c.expected) << c.name;
}

TEST(Scanner, UnrecognisedCandidatesLeaveRoomForLaterOnes) {
    Scanner scanner{engineOf({
        {DetectionKind::json, [](std::string_view t) { return startsWith(t, "{"); }},
    })};
    std::vector<ScanFinding> findings = scanner.scan("log {\"t\":\"eyJa.b.c\"} done");
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].matchedText, "{\"t\":\"eyJa.b.c\"}");
    EXPECT_EQ(findings[0].chain.input, findings[0].matchedText);
}

TEST(Scanner, DefaultScannerFindsTheJWTOnItsLine) {
    for (std::string newline : {"\n", "\r\n"}) {
        std::string log = "boot ok" + newline + "user ada signed in" + newline + "Authorization: Bearer " +
                          token + newline + "done";
        std::vector<ScanFinding> findings = Tindrel::scan(log);
        ASSERT_EQ(findings.size(), 1u) << "newline " << newline.size();
        EXPECT_EQ(findings[0].line, 3u);
        EXPECT_EQ(findings[0].kind(), DetectionKind::jwt);
        EXPECT_EQ(findings[0].matchedText, token);
    }
}

TEST(Scanner, DefaultScannerReportsAJWTInsideJSONOnly) {
    std::vector<ScanFinding> findings = Tindrel::scan("{\"access_token\":\"" + token + "\",\"ok\":true}");
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind(), DetectionKind::jwt);
    EXPECT_EQ(findings[0].chain, Tindrel::inspect(token));
}

TEST(Scanner, DefaultScannerFindsThePrintableBase64Run) {
    // "hello world, base64!" encodes to 28 characters; the 23-character run is never proposed.
    std::vector<ScanFinding> findings =
        Tindrel::scan("a aGVsbG8gd29ybGQsIGJhc2U2NCE= b dGhpcyBpcyBzaG9ydCBlbm9");
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].matchedText, "aGVsbG8gd29ybGQsIGJhc2U2NCE=");
    EXPECT_EQ(findings[0].chain.finalValue(), "hello world, base64!");
}

TEST(Scanner, SampleLogHoldsTheJWTAndTheJSONPayload) {
    std::vector<ScanFinding> findings = Tindrel::scan(Samples::log);
    auto has = [&](DetectionKind kind, std::size_t line) {
        return std::any_of(findings.begin(), findings.end(),
                           [&](const ScanFinding& f) { return f.kind() == kind && f.line == line; });
    };
    EXPECT_TRUE(has(DetectionKind::jwt, 2));
    EXPECT_TRUE(has(DetectionKind::json, 4));
    for (std::size_t i = 1; i < findings.size(); ++i)
        EXPECT_LE(findings[i - 1].line, findings[i].line);
}

TEST(ScanExport, DocumentCountsAndEmbedsEachFinding) {
    EXPECT_EQ(JSONUtil::parse(TindrelJSON::string(std::vector<ScanFinding>{})),
              nlohmann::json::parse(R"({"count":0,"findings":[]})"));

    std::vector<ScanFinding> findings = Scanner{markerEngine()}.scan("x\n{\"path\":\"/a/b\"}");
    std::string document = TindrelJSON::string(findings);
    EXPECT_NE(document.find("/a/b"), std::string::npos);
    EXPECT_EQ(document.find("\\/"), std::string::npos) << "slashes stay unescaped";
    std::optional<nlohmann::json> parsed = JSONUtil::parse(document);
    ASSERT_TRUE(parsed);
    EXPECT_EQ((*parsed)["count"], 1);
    const nlohmann::json& finding = (*parsed)["findings"][0];
    EXPECT_EQ(finding["line"], 2);
    EXPECT_EQ(finding["matchedText"], "{\"path\":\"/a/b\"}");
    EXPECT_EQ(finding["shape"], nlohmann::json::array({"json"}));
    EXPECT_EQ(finding["chain"], nlohmann::json::parse(TindrelJSON::string(findings[0].chain)));
    EXPECT_LT(document.find("\"count\""), document.find("\"findings\""));
}

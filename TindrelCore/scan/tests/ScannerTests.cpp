#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/scan/Scanner.h"
#include "TindrelCore/scan/tests/ScanTestEngines.h"
#include "TindrelCore/tests/Fixtures.h"

#include <gtest/gtest.h>

using namespace tindrel;
using scantest::engineOf;
using scantest::markerEngine;
using scantest::startsWith;

namespace {

// Each finding as "matched text @line shape".
std::vector<std::string> summarize(const std::vector<ScanFinding>& findings) {
    std::vector<std::string> out;
    out.reserve(findings.size());
    for (const ScanFinding& finding : findings)
        out.push_back(finding.matchedText + " @" + std::to_string(finding.line) + " " +
                      finding.chain.shapeText());
    return out;
}

} // namespace

TEST(Scanner, FindsArtifactsWithTheirLines) {
    const Scanner marker{markerEngine()};
    for (const fixtures::Row& row : fixtures::table("scans.tsv")) {
        std::vector<ScanFinding> findings = row[0] == "marker" ? marker.scan(row[1]) : Tindrel::scan(row[1]);
        EXPECT_EQ(summarize(findings), std::vector(row.cells.begin() + 2, row.cells.end())) << row.where;
    }
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

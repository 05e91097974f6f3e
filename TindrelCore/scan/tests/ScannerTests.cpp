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
        out.push_back(finding.matchedText() + " @" + std::to_string(finding.line) + " " +
                      finding.chain->shapeText());
    return out;
}

} // namespace

TEST(Scanner, FindsArtifactsWithTheirLines) {
    const Scanner marker{markerEngine()}, shared{ChainEngine{defaultDetectors(), 0.5, 12}};
    const Scanner json{
        engineOf({{DetectionKind::json, [](std::string_view t) { return startsWith(t, "{"); }}})};
    for (const fixtures::Row& row : fixtures::table("scans.tsv")) {
        const Scanner& scanner = row[0] == "marker" ? marker : row[0] == "json" ? json : shared;
        const std::vector<std::string> expected(row.cells.begin() + 2, row.cells.end());
        EXPECT_EQ(summarize(scanner.scan(row[1])), expected) << row.where;
        std::vector<ScanFinding> inPieces;
        scanner.scan(
            row[1], [&](ScanFinding&& finding) { inPieces.push_back(std::move(finding)); }, 1);
        EXPECT_EQ(summarize(inPieces), expected) << row.where << ", piece by piece";
    }
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

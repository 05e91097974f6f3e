#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/scan/ScanPieces.h"
#include "TindrelCore/scan/Scanner.h"
#include "TindrelCore/scan/tests/ScanTestEngines.h"
#include "TindrelCore/tests/Fixtures.h"

#include <atomic>
#include <gtest/gtest.h>
#include <iterator>
#include <thread>

using namespace tindrel;
using scantest::engineOf;
using scantest::markerEngine;
using scantest::startsWith;

namespace {

std::vector<std::size_t> cuts(const std::string& text, std::size_t pieceBytes) {
    ScanText whole(text);
    ScanPieces pieces(whole, pieceBytes);
    std::vector<std::size_t> ends;
    for (std::size_t begin = 0; begin < text.size(); begin = ends.back())
        ends.push_back(pieces.endOf(begin));
    return ends;
}

std::vector<ScanFinding> scanInPieces(const Scanner& scanner, const std::string& text,
                                      std::size_t pieceBytes) {
    std::vector<ScanFinding> findings;
    scanner.scan(
        text, [&](ScanFinding&& finding) { findings.push_back(std::move(finding)); }, pieceBytes);
    return findings;
}

} // namespace

TEST(ScanPieces, CutsAfterLineFeedsOutsideMultiLineMatches) {
    for (const fixtures::Row& row : fixtures::table("scan/cuts.tsv")) {
        std::istringstream words(row[3]);
        std::vector<std::size_t> ends{std::istream_iterator<std::size_t>(words), {}};
        EXPECT_EQ(cuts(row[1], std::stoull(row[2])), ends) << row.where << " " << row[0];
    }
}

TEST(ScanPieces, PiecesFindWhatTheWholeTextFinds) {
    const Scanner scanners[] = {Scanner{markerEngine()}, Scanner{ChainEngine{defaultDetectors(), 0.5, 12}}};
    for (const Scanner& scanner : scanners)
        for (const fixtures::Row& row : fixtures::table("scan/pieces.tsv")) {
            std::vector<ScanFinding> whole = scanner.scan(row[0]);
            for (std::size_t pieceBytes : {1, 2, 3, 5, 8, 13, 64})
                EXPECT_EQ(scanInPieces(scanner, row[0], pieceBytes), whole)
                    << pieceBytes << " bytes, " << row.where;
        }
}

TEST(ScanPieces, FindingsArriveBeforeTheRestOfTheTextIsDecoded) {
    // Pieces of 1 KB hold about a hundred lines; work runs at most two pieces a core ahead of the
    // piece whose findings are handed over.
    const std::size_t ahead = 110 * (2 * std::max(1u, std::thread::hardware_concurrency()) + 2);
    const std::size_t lines = 4 * ahead;
    std::string text;
    for (std::size_t i = 0; i < lines; ++i)
        text += "{\"n\":" + std::to_string(i) + "}\n";
    std::atomic<std::size_t> decoded{0};
    Scanner scanner{engineOf({{DetectionKind::json, [&](std::string_view) { return ++decoded, true; }}})};

    std::size_t delivered = 0;
    scanner.scan(
        text,
        [&](ScanFinding&& finding) {
            ++delivered;
            EXPECT_LE(decoded.load(), finding.line + ahead) << "line " << finding.line;
        },
        1024);
    EXPECT_EQ(delivered, lines);
}

#include "TindrelCore/Samples.h"
#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/scan/ScanPieces.h"
#include "TindrelCore/scan/Scanner.h"
#include "TindrelCore/scan/tests/ScanTestEngines.h"

#include <atomic>
#include <gtest/gtest.h>
#include <limits>

using namespace tindrel;
using scantest::engineOf;
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

ChainEngine markerEngine() {
    return engineOf({
        {DetectionKind::pem, [](std::string_view t) { return startsWith(t, "-----BEGIN"); }},
        {DetectionKind::jwt, [](std::string_view t) { return startsWith(t, "eyJ"); }},
        {DetectionKind::json, [](std::string_view t) { return startsWith(t, "{") || startsWith(t, "["); }},
        {DetectionKind::uuid, [](std::string_view t) { return t.size() == 36; }},
        {DetectionKind::unixTimestamp, [](std::string_view t) { return t.size() == 10 || t.size() == 13; }},
        {DetectionKind::hex, [](std::string_view t) { return t.size() >= 16 && t.size() < 36; }},
    });
}

const std::string pem = "-----BEGIN CERTIFICATE-----\nQUJDREVGR0hJSktMTU5PUFFSU1RVVldY\nWVo=\n"
                        "-----END CERTIFICATE-----";

// Texts whose candidates cross line feeds, or whose characters and words meet at them.
const std::vector<std::string> texts = {
    "",
    "\n\n\n",
    "1700000000\n{\"a\":1}",
    "a {\"x\":\n1}\nb 1700000000\n{\n\"y\": [1,\n2]} 0123456789abcdef0123\n",
    "x\n" + pem + "\ny 1700000000\n" + pem + pem + "\n",
    "{\"k\":\"" + pem + "\"}\nafter 1700000000000\n",
    "{ open\n[ also 1700000000\n{\"a\":1}\n]\n",
    "x\r\n{\"ts\":1700000000}\r\n\r\nid=1&b=2 eyJa.b.c\r\n",
    "e\u0301\n{\"a\":\"\u00fc\"}\n\u0301{\"b\":1}\u0301\n1700000000\u0301\n\u00e91700000000\n",
    "session " + std::string(30, 'A') + "\u0301 1700000000\nnext " + std::string(30, 'B') + "\u00e9\n",
    "x\n" + std::string(30, 'C') + "\u0301\n",
    "request 123e4567-e89b-12d3-a456-426614174000 {\"t\":\"eyJhIjoxfQ.e30.x\"}\n\"{\"\n}\n",
    std::string(300, 'A') + "\n" + std::string(40, '7') + " " + std::string(70, '{') + "\n}}",
};

} // namespace

TEST(ScanPieces, CutsAfterLineFeedsOutsideMultiLineMatches) {
    struct Case {
        std::string name, text;
        std::size_t pieceBytes;
        std::vector<std::size_t> ends;
    } cases[] = {
        {"one line per piece", "a\nb\nc\n", 1, {2, 4, 6}},
        {"several lines per piece", "a\nb\nc\nd\n", 3, {4, 8}},
        {"no final line feed", "ab\ncd", 1, {3, 5}},
        {"a line longer than a piece", "abcdef\ng\n", 2, {7, 9}},
        {"a JSON span keeps its lines together", "{\n}\nx\n", 1, {4, 6}},
        {"nested and following spans", "[\n{\n}\n]\n{\n}\n", 1, {8, 12}},
        {"an unclosed bracket does not hold a cut", "{\nx\n", 1, {2, 4}},
        {"a PEM block keeps its lines together",
         "a\n" + pem + "\nb\n",
         1,
         {2, 2 + pem.size() + 1, pem.size() + 5}},
        {"a piece larger than the text", "a\nb", std::numeric_limits<std::size_t>::max(), {3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cuts(c.text, c.pieceBytes), c.ends) << c.name;
}

TEST(ScanPieces, PiecesFindWhatTheWholeTextFinds) {
    const Scanner scanners[] = {Scanner{markerEngine()}, Scanner{ChainEngine{defaultDetectors(), 0.5, 12}}};
    for (const Scanner& scanner : scanners)
        for (const std::string& text : texts) {
            std::vector<ScanFinding> whole = scanner.scan(text);
            for (std::size_t pieceBytes : {1, 2, 3, 5, 8, 13, 64})
                EXPECT_EQ(scanInPieces(scanner, text, pieceBytes), whole) << pieceBytes << " bytes: " << text;
        }
}

TEST(ScanPieces, FindingsArriveBeforeTheRestOfTheTextIsDecoded) {
    constexpr std::size_t lines = 2000;
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
            // Pieces of 1 KB hold about a hundred lines; only the current one is decoded so far.
            EXPECT_LE(decoded.load(), finding.line + 200) << "line " << finding.line;
        },
        1024);
    EXPECT_EQ(delivered, lines);
}

TEST(ScanPieces, LinesCountOnAcrossPieces) {
    std::string text = "1700000000\n\r\n" + pem + "\r\nx\n{\"a\":\n1}\r\n1700000000";
    std::vector<std::size_t> found;
    for (const ScanFinding& finding : scanInPieces(Scanner{markerEngine()}, text, 1))
        found.push_back(finding.line);
    EXPECT_EQ(found, (std::vector<std::size_t>{1, 3, 8, 10}));
}

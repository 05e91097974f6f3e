#include "TindrelCLI/ScanDocument.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace tindrel;
using tindrel::cli::CountedDocument;
using tindrel::cli::RereadableScan;

namespace {

using FoundInPiece = std::vector<ScanFinding>;

// A scan whose first reading counts `counted` and whose second hands out `pieces`, each piece's
// findings rendered by a renderer of its own, a finding to a part, each completed by `check`.
RereadableScan scanOf(std::vector<std::size_t> counted, std::vector<FoundInPiece> pieces,
                      std::function<void(ScanFinding&)> check = {}) {
    return {[counted](const CountedFindings& counts) {
                for (std::size_t count : counted)
                    counts.take(count);
                return true;
            },
            [pieces](const RenderedFindings& rendered) {
                for (const FoundInPiece& piece : pieces) {
                    FindingRenderer render = rendered.renderer();
                    for (const ScanFinding& finding : piece) {
                        std::string part;
                        render(finding, part);
                        rendered.take(part, 1);
                    }
                }
                return true;
            },
            check};
}

// Marks each step of the finding's chain checked, as a signature check completes a chain: by the
// chain alone, so findings that share one are completed alike.
void markChecked(ScanFinding& finding) {
    DecodeChain checked = *finding.chain;
    for (DecodeResult& step : checked.steps)
        step.details["checked"] = "yes";
    finding.chain = std::make_shared<const DecodeChain>(std::move(checked));
}

struct Written {
    std::optional<CountedDocument> document;
    std::string output;
};

Written write(const RereadableScan& scan) {
    testing::internal::CaptureStdout();
    std::optional<CountedDocument> document = cli::writeScanDocument(scan);
    std::fflush(stdout);
    return {document, testing::internal::GetCapturedStdout()};
}

std::shared_ptr<const DecodeChain> chainOf(const std::string& text) {
    return std::make_shared<const DecodeChain>(Tindrel::inspect(text));
}

} // namespace

// Headed by the count of the first reading, the entries of the second follow in order, joined as
// the document of all the findings at once joins them, runs of one chain included.
TEST(ScanDocument, IsTheDocumentOfAllTheFindings) {
    const auto json = chainOf("{\"user\":\"ada\"}");
    const auto token = chainOf(std::string(Samples::token));
    const std::vector<FoundInPiece> cases[] = {
        {},
        {{{3, json}}},
        {{{1, json}, {2, json}, {4, token}}, {}, {{7, json}, {9, json}}},
        {{}, {{5, token}}, {{6, token}, {8, json}}},
    };
    for (const std::vector<FoundInPiece>& pieces : cases) {
        std::vector<ScanFinding> findings;
        std::vector<std::size_t> counts;
        for (const FoundInPiece& piece : pieces) {
            findings.insert(findings.end(), piece.begin(), piece.end());
            counts.push_back(piece.size());
        }
        Written written = write(scanOf(counts, pieces));
        ASSERT_TRUE(written.document);
        EXPECT_EQ(written.document->count, findings.size());
        EXPECT_TRUE(written.document->whole);
        EXPECT_EQ(written.output, TindrelJSON::string(findings) + "\n");

        // Checked, each finding is written as its check completes it, the first of a run included.
        for (ScanFinding& finding : findings)
            markChecked(finding);
        EXPECT_EQ(write(scanOf(counts, pieces, markChecked)).output, TindrelJSON::string(findings) + "\n");
    }
}

// Findings other than those counted, or one that cannot be written, leave the document not whole.
TEST(ScanDocument, SaysWhenTheEntriesAreNotThoseCounted) {
    const auto json = chainOf("{\"a\":1}");
    const auto unwritable = std::make_shared<const DecodeChain>(
        DecodeChain{"x", {DecodeResult{DetectionKind::hex, "\xC3(", 0.9, "bytes", {}, true}}});
    const struct {
        std::vector<std::size_t> counted;
        std::vector<FoundInPiece> pieces;
        bool whole;
    } cases[] = {
        {{2}, {{{1, json}, {2, json}}}, true},
        {{2}, {{{1, json}}}, false},
        {{1}, {{{1, json}}, {{2, json}}}, false},
        {{2}, {{{1, json}, {2, unwritable}}}, false},
    };
    for (const auto& c : cases) {
        Written written = write(scanOf(c.counted, c.pieces));
        ASSERT_TRUE(written.document);
        EXPECT_EQ(written.document->whole, c.whole) << written.output;
    }
    const RereadableScan unread{
        [](const CountedFindings&) { return false; }, [](const RenderedFindings&) { return true; }, {}};
    Written written = write(unread);
    EXPECT_FALSE(written.document);
    EXPECT_EQ(written.output, "") << "nothing is written of an input that could not be read";
}

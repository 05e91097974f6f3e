#include "TindrelAppUI/views/result/FindingRows.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

ScanFinding findingOf(const std::string& text, std::size_t line) {
    return ScanFinding{text, line, Tindrel::inspect(text)};
}

struct RowCase {
    std::string text;
    std::size_t line;
    const char* head;
};

class FindingRowText : public testing::TestWithParam<RowCase> {};

TEST_P(FindingRowText, StartsWithTheLineAndTheSummary) {
    const QString row = FindingRows::rowText(findingOf(GetParam().text, GetParam().line));
    EXPECT_EQ(row.section('\n', 0, 0), QString::fromUtf8(GetParam().head));
    EXPECT_EQ(row.count('\n'), 1); // the preview never spills onto more lines
}

INSTANTIATE_TEST_SUITE_P(
    Findings, FindingRowText,
    testing::Values(RowCase{std::string(Samples::token), 2, "line 2 \u00B7 JWT \u2014 Expired"},
                    RowCase{"550e8400-e29b-41d4-a716-446655440000", 1, "line 1 \u00B7 UUID"},
                    RowCase{"{\"a\":1,\n\"b\":2}", 14, "line 14 \u00B7 JSON"}));

TEST(FindingRows, PreviewIsOneShortLine) {
    const std::string longJson = "{\"k\":\"" + std::string(2000, 'x') + "\"}";
    const QString preview = FindingRows::rowText(findingOf(longJson, 1)).section('\n', 1);
    EXPECT_LE(preview.size(), 161);
    EXPECT_TRUE(preview.endsWith(QString::fromUtf8("\u2026")));
}

TEST(FindingRows, ResetsOnlyForNewFindings) {
    FindingRows rows;
    const std::vector<ScanFinding> findings = Tindrel::scan(Samples::log);
    ASSERT_GE(findings.size(), 2u);
    EXPECT_TRUE(rows.setFindings(findings));
    EXPECT_EQ(rows.rowCount(), static_cast<int>(findings.size()));
    EXPECT_FALSE(rows.setFindings(findings));
    EXPECT_EQ(rows.data(rows.index(1), Qt::DisplayRole).toString(), FindingRows::rowText(findings[1]));
    EXPECT_FALSE(rows.data(rows.index(static_cast<int>(findings.size())), Qt::DisplayRole).isValid());
    EXPECT_TRUE(rows.setFindings({}));
    EXPECT_EQ(rows.rowCount(), 0);
}

} // namespace

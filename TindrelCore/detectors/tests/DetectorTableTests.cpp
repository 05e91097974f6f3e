#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/text/Clock.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

Details detailsOf(const fixtures::Row& row, std::size_t first) {
    Details details;
    for (std::size_t i = first; i < row.size(); ++i) {
        std::size_t equals = row[i].find('=');
        details[row[i].substr(0, equals)] = row[i].substr(equals + 1);
    }
    return details;
}

} // namespace

// Every shipped detector against its table, tests/data/detectors/<kind>.tsv: the step it answers,
// exactly, or that it answers nothing.
TEST(DetectorTables, EachDetectorAnswersItsTable) {
    for (const auto& detector : defaultDetectors()) {
        const std::string kind(detection_kind::rawValue(detector->kind()));
        std::optional<Clock::Pinned> now(std::in_place, fixtures::bundleNow);
        std::size_t answered = 0, refused = 0;
        for (const fixtures::Row& row : fixtures::table("detectors/" + kind + ".tsv")) {
            if (row[0] == "now") {
                now.reset();
                now.emplace(std::stod(row[1]));
                continue;
            }
            std::optional<DecodeResult> step = detector->decode(row[0]);
            ASSERT_EQ(step.has_value(), row.size() > 1) << row.where;
            ++(step ? answered : refused);
            if (!step) continue;
            EXPECT_EQ(detection_kind::rawValue(step->kind), row[1]) << row.where;
            EXPECT_EQ(step->output, row[2]) << row.where;
            EXPECT_EQ(step->confidence, std::stod(row[3])) << row.where;
            EXPECT_EQ(step->terminal, row[4] == "true") << row.where;
            EXPECT_EQ(step->summary, row[5]) << row.where;
            EXPECT_EQ(step->details, detailsOf(row, 6)) << row.where;
            EXPECT_TRUE(step->alternatives.empty()) << row.where;
        }
        EXPECT_GT(answered, 0u) << kind;
        EXPECT_GT(refused, 0u) << kind;
    }
}

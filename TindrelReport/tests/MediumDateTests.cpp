#include "TindrelReport/MediumDate.h"
#include "TindrelReport/tests/InZone.h"

#include <clocale>
#include <gtest/gtest.h>

using namespace tindrel;

TEST(MediumDate, CLibraryFormInTheLocalZone) {
    ASSERT_NE(std::setlocale(LC_TIME, "C"), nullptr);
    struct Case {
        const char* zone;
        std::int64_t seconds;
        std::string expected;
    } cases[] = {
        {"UTC0", 1516239022, "Jan 18, 2018"},  // 2018-01-18T01:30:22Z
        {"EST5", 1516239022, "Jan 17, 2018"},  // still the evening before in New York
        {"JST-9", 1516228222, "Jan 18, 2018"}, // 2018-01-17T22:30:22Z is the next morning in Tokyo
        {"UTC0", 1515110400, "Jan 5, 2018"},   // the day is not padded
        {"UTC0", -1, "Dec 31, 1969"},
    };
    for (const Case& c : cases) {
        test_support::InZone zone(c.zone);
        EXPECT_EQ(MediumDate::fromCLibrary(c.seconds), c.expected) << c.zone << " " << c.seconds;
    }
}

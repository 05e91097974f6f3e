#include "TindrelReport/InternetDate.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(InternetDate, ReadsWholeSecondDateTimesWithZones) {
    std::pair<const char*, std::int64_t> cases[] = {
        {"2018-01-18T01:30:22Z", 1516239022},      {"2018-01-18T03:30:22+02:00", 1516239022},
        {"2018-01-17T20:00:22-05:30", 1516239022}, {"1969-12-31T23:59:59Z", -1},
        {"2024-02-29T12:00:00Z", 1709208000},      {"9999-12-31T23:59:59Z", 253402300799},
    };
    for (const auto& [text, seconds] : cases)
        EXPECT_EQ(InternetDate::parse(text), seconds) << text;
}

TEST(InternetDate, RefusesAnythingElse) {
    const char* rejected[] = {
        "",
        "2018-01-18",
        "2018-01-18T01:30:22",
        "2018-01-18T01:30:22.5Z",
        "2018-01-18 01:30:22Z",
        "2018-01-18T01:30:22+0200",
        "2018-01-18T01:30:22+24:00",
        "2018-01-18T01:30:22ZZ",
        "2018-13-18T01:30:22Z",
        "2018-01-00T01:30:22Z",
        "2018-04-31T01:30:22Z",
        "2023-02-29T01:30:22Z",
        "2018-01-18T24:00:00Z",
        "2018-01-18T01:30:60Z",
        "20x8-01-18T01:30:22Z",
        "1118 days ago",
    };
    for (const char* text : rejected)
        EXPECT_EQ(InternetDate::parse(text), std::nullopt) << text;
}

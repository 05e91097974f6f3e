#include "TindrelCore/detectors/UnixTimestampDetector.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(UnixTimestampDetector, RendersSecondsAndMillisecondsInRange) {
    struct Case {
        std::string input, iso, unit;
    } cases[] = {
        {"1700000000", "2023-11-14T22:13:20Z", "seconds"},
        {"1000000000", "2001-09-09T01:46:40Z", "seconds"},
        {"4102444800", "2100-01-01T00:00:00Z", "seconds"},
        {"1700000000000", "2023-11-14T22:13:20Z", "milliseconds"},
        {"1700000000999", "2023-11-14T22:13:20Z", "milliseconds"}, // milliseconds not shown
        {"1000000000000", "2001-09-09T01:46:40Z", "milliseconds"},
        {"4102444800000", "2100-01-01T00:00:00Z", "milliseconds"},
        {"1733556842", "2024-12-07T07:34:02Z", "seconds"},
        {" \n1709251199\t", "2024-02-29T23:59:59Z", "seconds"},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = UnixTimestampDetector().decode(c.input);
        ASSERT_TRUE(result) << c.input;
        EXPECT_EQ(result->kind, DetectionKind::unixTimestamp);
        EXPECT_EQ(result->output, c.iso);
        EXPECT_EQ(result->confidence, 0.75);
        EXPECT_EQ(result->summary, "Unix timestamp (" + c.unit + ") \u2192 " + c.iso);
        EXPECT_EQ(result->details, (Details{{"unit", c.unit}, {"iso", c.iso}}));
        EXPECT_TRUE(result->terminal);
    }
}

TEST(UnixTimestampDetector, RefusesOtherLengthsAndOutOfRangeValues) {
    const char* cases[] = {
        "999999999",  // nine digits
        "0999999999", // ten digits, below the range
        "4102444801", // just after 2100
        "9999999999",
        "17000000000",   // eleven digits
        "170000000000",  // twelve
        "0999999999999", // thirteen digits, below the range
        "4102444800001",
        "17000000000000", // fourteen
        "+1700000000",
        "-1700000000",
        "1700000000.5",
        "1700 000000",
        "1700000000a",
        "\u0661\u0667\u0660\u0660\u0660\u0660\u0660\u0660\u0660\u0660", // Arabic-Indic digits
        "",
    };
    for (const char* input : cases)
        EXPECT_FALSE(UnixTimestampDetector().decode(input)) << input;
}

#include "TindrelCore/detectors/UUIDDetector.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(UUIDDetector, ReportsTheVersionDigitAsWritten) {
    struct Case {
        std::string input, output, version;
    } cases[] = {
        {"550e8400-e29b-41d4-a716-446655440000", "550e8400-e29b-41d4-a716-446655440000", "4"},
        {"550E8400-E29B-41D4-A716-446655440000", "550e8400-e29b-41d4-a716-446655440000", "4"},
        {"00000000-0000-0000-0000-000000000000", "00000000-0000-0000-0000-000000000000", "0"},
        {"6ba7b810-9dad-11d1-80b4-00c04fd430c8", "6ba7b810-9dad-11d1-80b4-00c04fd430c8", "1"},
        {"017F22E2-79B0-7CC3-98C4-DC0C0C07398F", "017f22e2-79b0-7cc3-98c4-dc0c0c07398f", "7"},
        {"ffffffff-ffff-Ffff-ffff-ffffffffffff", "ffffffff-ffff-ffff-ffff-ffffffffffff", "F"},
        {" \n3f2b8c1e-7d4a-4e5b-9c6f-1a2b3c4d5e6f\t", "3f2b8c1e-7d4a-4e5b-9c6f-1a2b3c4d5e6f", "4"},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = UUIDDetector().decode(c.input);
        ASSERT_TRUE(result) << c.input;
        EXPECT_EQ(result->kind, DetectionKind::uuid);
        EXPECT_EQ(result->output, c.output);
        EXPECT_EQ(result->confidence, 0.96);
        EXPECT_EQ(result->summary, "UUID (version " + c.version + ")");
        EXPECT_EQ(result->details, (Details{{"version", c.version}}));
        EXPECT_TRUE(result->terminal);
    }
}

TEST(UUIDDetector, RefusesOtherShapes) {
    const char* cases[] = {
        "550e8400e29b41d4a716446655440000",       // no dashes
        "{550e8400-e29b-41d4-a716-446655440000}", // braces
        "urn:uuid:550e8400-e29b-41d4-a716-446655440000",
        "550e8400-e29b-41d4-a716-44665544000",   // short last group
        "550e8400-e29b-41d4-a716-4466554400000", // long last group
        "550e840-0e29b-41d4-a716-446655440000",  // dash misplaced
        "550e8400-e29b-41d4-a716-44665544000g",
        "550e8400-e29b-41d4-a716_446655440000",
        "550e8400-e29b-41d4-a716-446655440000 x",
        "",
    };
    for (const char* input : cases)
        EXPECT_FALSE(UUIDDetector().decode(input)) << input;
}

#include "TindrelCore/Tindrel.h"
#include "TindrelCore/detectors/JSONDetector.h"
#include "TindrelCore/formats/JSONUtil.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(JSONDetector, ObjectsAndArraysOnly) {
    struct Case {
        std::string text;
        std::optional<std::string> summary;
    } cases[] = {
        {"{}", "JSON object"},
        {"[]", "JSON array"},
        {"\n\n  {\"a\":1}  \n", "JSON object"},
        {"[{\"a\":1}]", "JSON array"},
        {"42", std::nullopt},
        {"\"text\"", std::nullopt},
        {"true", std::nullopt},
        {"null", std::nullopt},
        {"{", std::nullopt},
        {"{\"a\":1,}", std::nullopt},
        {"{'a':1}", std::nullopt},
        {"[1] // comment", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        auto result = JSONDetector().decode(c.text);
        EXPECT_EQ(result ? std::optional(result->summary) : std::nullopt, c.summary) << c.text;
        if (result) {
            EXPECT_TRUE(result->terminal);
            EXPECT_EQ(result->confidence, 0.95);
            EXPECT_EQ(result->details.at("topLevel"), c.summary->substr(5));
        }
    }
}

TEST(JSONUtil, CanonicalRendering) {
    auto pretty = JSONUtil::prettyPrinted(R"({"b":"x/y","a":[1,{"\u00e9":"\u65e5"}],"Z":null})");
    ASSERT_TRUE(pretty);
    EXPECT_EQ(pretty->text,
              "{\n  \"Z\": null,\n  \"a\": [\n    1,\n    {\n      \"\u00e9\": \"\u65e5\"\n    }\n  ],\n"
              "  \"b\": \"x/y\"\n}");
    EXPECT_EQ(pretty->topLevel, "object");
}

TEST(JSONUtil, DeepNestingIsRefusedNotFatal) {
    std::string deep(100000, '[');
    EXPECT_FALSE(JSONUtil::prettyPrinted(deep + std::string(100000, ']')));
    EXPECT_FALSE(Tindrel::inspect(deep).isRecognized());
    std::string limit =
        std::string(JSONUtil::maxNestingDepth, '[') + std::string(JSONUtil::maxNestingDepth, ']');
    EXPECT_TRUE(JSONUtil::prettyPrinted(limit));
    // Brackets inside strings do not count toward the depth.
    EXPECT_TRUE(JSONUtil::prettyPrinted("[\"" + deep + "\"]"));
}

TEST(JSONUtil, InvalidUTF8AndLoneSurrogatesAreNotJSON) {
    EXPECT_FALSE(JSONUtil::prettyPrinted("[\"\xff\"]"));
    EXPECT_FALSE(JSONUtil::prettyPrinted(R"(["\ud800"])"));
    EXPECT_TRUE(JSONUtil::prettyPrinted(R"(["\ud83d\ude00"])"));
}

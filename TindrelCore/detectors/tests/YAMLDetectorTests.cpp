#include "TindrelCore/Tindrel.h"
#include "TindrelCore/detectors/YAMLDetector.h"
#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/formats/YAML.h"
#include "TindrelCore/tests/MarkupTestData.h"

#include <gtest/gtest.h>

using namespace tindrel;
using nlohmann::json;

namespace {

std::optional<DecodeResult> decode(const std::string& text) {
    return YAMLDetector().decode(text);
}

json outputOf(const std::string& text) {
    std::optional<DecodeResult> result = decode(text);
    if (!result) return json("not recognised");
    return JSONUtil::parse(result->output).value_or(json("unreadable output"));
}

// `levels` mapping keys, each indented one space deeper than the one before.
std::string staircase(std::size_t levels) {
    std::string text;
    for (std::size_t level = 0; level < levels; ++level)
        text += std::string(level, ' ') + "k:\n";
    return text;
}

} // namespace

TEST(YAMLDetector, SummariesFollowShapeAndCount) {
    struct Case {
        std::string text;
        std::optional<std::string> summary;
    } cases[] = {
        {"name: demo\nport: 8080", "YAML mapping \u2192 JSON (2 keys)"},
        {"name: demo", std::nullopt},
        {"---\nname: demo", "YAML mapping \u2192 JSON (1 key)"},
        {"Error: file not found", std::nullopt},
        {"Error: file not found\nWarning: disk almost full", "YAML mapping \u2192 JSON (2 keys)"},
        {"- a\n- b\n- c", "YAML sequence \u2192 JSON (3 items)"},
        {"- only", std::nullopt},
        {"---\n- only", "YAML sequence \u2192 JSON (1 item)"},
        {"- name: a\n  value: 1", "YAML sequence \u2192 JSON (1 item)"},
        {"k: 1\nk: 2", "YAML mapping \u2192 JSON (1 key)"},
        {"---\n  a: 1\nb: 2", "YAML mapping \u2192 JSON (1 key)"},
        {"a: 1\nplain prose line", std::nullopt},
        {"a: 1\n  indented prose is dropped", "YAML mapping \u2192 JSON (1 key)"},
        {"{\"a\": 1,\n\"b\": 2}", std::nullopt},
        {"{a: 1\nb: 2", std::nullopt},
        {"<a>\nb: c</a>", std::nullopt},
        {"a: 1\n\tb: 2", std::nullopt},
        {"---\n...", std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = decode(c.text);
        ASSERT_EQ(result.has_value(), c.summary.has_value()) << c.text;
        if (result) {
            EXPECT_EQ(result->summary, *c.summary) << c.text;
        }
    }
}

TEST(YAMLDetector, ResultIsATerminalJSONStep) {
    std::optional<DecodeResult> result = decode("\n\nname: demo\nport: 8080\n\n");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->kind, DetectionKind::yaml);
    EXPECT_DOUBLE_EQ(result->confidence, 0.6);
    EXPECT_TRUE(result->terminal);
    EXPECT_EQ(result->details, (Details{{"shape", "mapping"}, {"entries", "2"}, {"normalized", "json"}}));
    EXPECT_EQ(result->output, "{\n  \"name\": \"demo\",\n  \"port\": 8080\n}");

    std::optional<DecodeResult> sequence = decode("- x\n- y");
    ASSERT_TRUE(sequence);
    EXPECT_EQ(sequence->details.at("shape"), "sequence");
    EXPECT_EQ(sequence->details.at("entries"), "2");
}

TEST(YAMLDetector, ScalarTypesSurviveTheJSONWriter) {
    json got = outputOf("a: ~\nb: TRUE\nc: yes\nd: 007\ne: 1e5\nf: 'x: y'\ng: 12:30\nh: value # note");
    json expected = {{"a", nullptr},  {"b", true},   {"c", "yes"},   {"d", 7},
                     {"e", 100000.0}, {"f", "x: y"}, {"g", "12:30"}, {"h", "value # note"}};
    EXPECT_EQ(got, expected);
    EXPECT_TRUE(got.at("d").is_number_integer());
    EXPECT_TRUE(got.at("e").is_number_float());
}

TEST(YAMLDetector, InfiniteValueMakesTheTextUnwritable) {
    EXPECT_FALSE(decode("a: 1e999\nb: 2"));
    EXPECT_FALSE(decode("- 1\n- nested:\n    deep: -1e999"));
    // A later duplicate that replaces the infinite value leaves a writable tree.
    EXPECT_EQ(outputOf("a: 1e999\na: 1"), json({{"a", 1}}));
}

TEST(YAMLDetector, DeepIndentationIsRefusedNotFollowed) {
    EXPECT_FALSE(decode(staircase(YAML::maxDepth + 1)));
    EXPECT_FALSE(decode(staircase(3000)));
    std::optional<DecodeResult> shallow = decode(staircase(100));
    ASSERT_TRUE(shallow);
    EXPECT_EQ(shallow->summary, "YAML mapping \u2192 JSON (1 key)");
}

TEST(YAMLDetector, RealFilesBecomeTheirJSON) {
    json k8s = outputOf(markupTestData("yaml/kubernetes-deployment.yaml"));
    EXPECT_EQ(k8s.at("kind"), "Deployment");
    EXPECT_EQ(k8s.at("spec").at("replicas"), 3);
    const json& container = k8s.at("spec").at("template").at("spec").at("containers").at(0);
    EXPECT_EQ(container.at("image"), "registry.example.com/shop/orders:2.3.1");
    EXPECT_EQ(container.at("ports"), json::array({{{"containerPort", 8080}, {"protocol", "TCP"}}}));
    EXPECT_EQ(container.at("env").at(0).at("value"), "postgres://orders@db:5432/orders");
    EXPECT_EQ(container.at("resources").at("limits"), json({{"cpu", "500m"}, {"memory", "256Mi"}}));

    json compose = outputOf(markupTestData("yaml/docker-compose.yml"));
    EXPECT_EQ(compose.at("version"), "3.9");
    EXPECT_EQ(compose.at("services").at("web").at("ports"), json::array({"8080:80"}));
    EXPECT_EQ(compose.at("services").at("api").at("environment").at(1), "DEBUG=false");
    EXPECT_EQ(compose.at("volumes"), json({{"db-data", nullptr}}));

    json workflow = outputOf(markupTestData("yaml/github-workflow.yml"));
    EXPECT_EQ(workflow.at("on"), json({{"push", {{"branches", {"main"}}}}, {"pull_request", nullptr}}));
    const json& steps = workflow.at("jobs").at("build").at("steps");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps.at(0), json({{"uses", "actions/checkout@v4"}}));
    EXPECT_EQ(steps.at(1).at("with").at("python-version"), "3.12");
    EXPECT_EQ(steps.at(2).at("env").at("CI"), true);
}

TEST(YAMLDetector, EngineKeepsYAMLBehindSurerReadings) {
    DecodeChain prose = Tindrel::inspect("Error: file not found");
    EXPECT_FALSE(prose.isRecognized());

    DecodeChain config = Tindrel::inspect("name: demo\nport: 8080");
    ASSERT_EQ(config.kinds(), std::vector<DetectionKind>{DetectionKind::yaml});

    // A JSON object is never taken for YAML, even though "a": 1 would split as a mapping.
    DecodeChain object = Tindrel::inspect("{\n\"a\": 1,\n\"b\": 2\n}");
    EXPECT_EQ(object.kinds(), std::vector<DetectionKind>{DetectionKind::json});
}
